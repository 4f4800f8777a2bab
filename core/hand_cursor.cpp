#include "core/hand_cursor.h"

#include <cstring>

namespace tl {
namespace {

// '#' black, 'o' white, '.' transparent; everything outside the picture is
// transparent. The hot spot is the tip of the index finger.
constexpr const char* kHand[] = {
    ".....##..........",  //
    "....#oo#.........",  //
    "....#oo#.........",  //
    "....#oo#.........",  //
    "....#oo#.........",  //
    "....#oo###.......",  //
    "....#oo#oo###....",  //
    "....#oo#oo#oo##..",  //
    "....#oo#oo#oo#o#.",  //
    "###.#oo#oo#oo#oo#",  //
    "#oo##oooooooo#oo#",  //
    "#ooo#ooooooooooo#",  //
    ".#oo#ooooooooooo#",  //
    "..#o#ooooooooooo#",  //
    "..#ooooooooooooo#",  //
    "...#oooooooooooo#",  //
    "...#ooooooooooo#.",  //
    "....#oooooooooo#.",  //
    "....#oooooooooo#.",  //
    ".....#oooooooo#..",  //
    ".....#oooooooo#..",  //
    ".....##########..",  //
};

}  // namespace

MonochromeCursor HandCursor() {
  MonochromeCursor cursor;
  cursor.hotX = 5;
  cursor.hotY = 0;
  cursor.andMask.fill(0xFF);
  int row = 0;
  for (const char* line : kHand) {
    const int width = static_cast<int>(std::strlen(line));
    for (int column = 0; column < width; ++column) {
      const int byte = row * 4 + column / 8;
      const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (column % 8));
      if (line[column] == '.') continue;
      cursor.andMask[static_cast<std::size_t>(byte)] &= static_cast<std::uint8_t>(~bit);
      if (line[column] == 'o') cursor.xorMask[static_cast<std::size_t>(byte)] |= bit;
    }
    ++row;
  }
  return cursor;
}

}  // namespace tl
