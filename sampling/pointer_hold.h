#pragma once
// A point the program moved the pointer to itself (nudging with the arrow keys).
// Under Wine a move queued before SetCursorPos can still be reported after it,
// carrying the old place; for a short while such reports do not replace the
// point we set. Portable.

#include <cstdint>

namespace tl {

class PointerHold {
 public:
  static constexpr std::uint32_t kMilliseconds = 500;

  void Hold(int x, int y, std::uint32_t now) {
    m_held = true;
    m_x = x;
    m_y = y;
    m_since = now;
  }
  void Release() { m_held = false; }

  // Whether a reported point is to be taken. A point other than the held one is
  // not, while the hold lasts; the held point itself, once reported, ends it.
  bool Accept(int x, int y, std::uint32_t now) {
    if (!m_held) return true;
    if (x == m_x && y == m_y) {
      m_held = false;
      return true;
    }
    if (now - m_since < kMilliseconds) return false;
    m_held = false;  // the system never reported our point: stop waiting for it
    return true;
  }

 private:
  bool m_held = false;
  int m_x = 0;
  int m_y = 0;
  std::uint32_t m_since = 0;
};

}  // namespace tl
