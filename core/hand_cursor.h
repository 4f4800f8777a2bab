#pragma once
// The pointing hand shown over a link: a 32 x 32 monochrome cursor.

#include <array>
#include <cstdint>

namespace tl {

struct MonochromeCursor {
  static constexpr int kSize = 32;
  static constexpr int kMaskBytes = kSize * kSize / 8;  // 4 bytes a row, leftmost pixel in bit 7
  int hotX = 0;
  int hotY = 0;
  std::array<std::uint8_t, kMaskBytes> andMask{};  // 1 where the screen shows through
  std::array<std::uint8_t, kMaskBytes> xorMask{};  // 1 for white
};

MonochromeCursor HandCursor();

}  // namespace tl
