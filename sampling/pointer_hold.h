#pragma once
// A point the program moved the pointer to itself (nudging with the arrow keys).
// Under Wine a move queued before SetCursorPos can still be reported after it,
// carrying an old place, and the place the pointer was moved from can come again
// even after the new one; for a short while such reports do not replace the
// point we set. Portable.

#include <cstdint>

namespace tl {

class PointerHold {
 public:
  static constexpr std::uint32_t kMilliseconds = 500;

  // The program moved the pointer from (fromX, fromY) to (x, y).
  void Hold(int fromX, int fromY, int x, int y, std::uint32_t now) {
    m_held = true;
    m_reported = false;
    m_fromX = fromX;
    m_fromY = fromY;
    m_x = x;
    m_y = y;
    m_since = now;
  }
  void Release() { m_held = false; }

  // Whether a reported point is to be taken. While the hold lasts, a point other
  // than ours is older until ours has been reported, and after that the place
  // the pointer was moved from still is.
  bool Accept(int x, int y, std::uint32_t now) {
    if (!m_held) return true;
    if (now - m_since >= kMilliseconds) {
      m_held = false;  // the hold is over: every report counts again
      return true;
    }
    if (x == m_x && y == m_y) {
      m_reported = true;
      return true;
    }
    return m_reported && !(x == m_fromX && y == m_fromY);
  }

 private:
  bool m_held = false;
  bool m_reported = false;  // our point has come back from the system
  int m_fromX = 0;
  int m_fromY = 0;
  int m_x = 0;
  int m_y = 0;
  std::uint32_t m_since = 0;
};

}  // namespace tl
