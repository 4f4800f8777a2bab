#pragma once
// Places the program moved the pointer away from itself (nudging with the arrow
// keys). Under Wine a move can still be reported after SetCursorPos carrying the
// place before it, even after one that reported the new place; for half a
// second such reports are not taken. Any other place is a real move. Portable.

#include <array>
#include <cstdint>

namespace tl {

class PointerHold {
 public:
  static constexpr std::uint32_t kMilliseconds = 500;

  // The program has just moved the pointer away from (x, y).
  void Left(int x, int y, std::uint32_t now) {
    m_places[m_next] = {x, y, now, true};
    m_next = (m_next + 1) % m_places.size();
  }
  void Release() { m_places = {}; }

  // Whether a reported point is to be taken: not when it is a place the
  // pointer was moved away from within the last half second. `now` gives the
  // time, and is asked only for a point at such a place: a move elsewhere, as
  // nearly every one is, costs no clock reading.
  template <typename Clock>
  bool Accept(int x, int y, Clock now) const {
    for (const Place& place : m_places) {
      if (place.set && place.x == x && place.y == y && now() - place.at < kMilliseconds) {
        return false;
      }
    }
    return true;
  }
  bool AcceptAt(int x, int y, std::uint32_t now) const {
    return Accept(x, y, [now] { return now; });
  }

 private:
  struct Place {
    int x, y;
    std::uint32_t at;
    bool set;
  };
  std::array<Place, 4> m_places{};  // enough for a burst of nudges
  std::size_t m_next = 0;
};

}  // namespace tl
