#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/hand_cursor.h"
#include "core/link_colour.h"

namespace tl {
namespace {

TEST(LinkColour, ParsesStoredTextOrKeepsTheFallback) {
  constexpr std::uint32_t kFallback = 0x00ABCDEF;
  const struct {
    std::string bytes;
    std::uint32_t expected;
  } cases[] = {
      {std::string("0,0,255\0", 8), 0x00FF0000},
      {"128,0,128", 0x00800080},
      {"255,0,0", 0x000000FF},
      {"300,0,0", 0x0000002C},             // each part keeps its low 8 bits
      {"255,0", kFallback},                // two parts
      {"255,0,", kFallback},               // nothing after the second comma
      {"255", kFallback},                  // no comma at all
      {"", kFallback},                     //
      {"-1,0,0", kFallback},               // -1 is the "no value" mark
      {"0,-1,0", kFallback},               //
      {"1,2,-1", 0x00FF0201},              // only the first two are checked for -1
      {"255,255,2550", 0x00F6FFFF},        // exactly twelve bytes, no terminator
      {"255,255,25500", kFallback},        // longer than a colour value may be
      {std::string("1,2,3\0,9", 8), 0x00030201},  // the text ends at the first zero
      {"x,7,junk", 0x00000700},            // non-numbers count as 0, like atoi
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseLinkColour(c.bytes.data(), c.bytes.size(), kFallback), c.expected)
        << '"' << c.bytes << '"';
  }
}

TEST(HandCursor, MasksMatchThePictureBitForBit) {
  const MonochromeCursor hand = HandCursor();
  EXPECT_EQ(hand.hotX, 5);
  EXPECT_EQ(hand.hotY, 0);
  // Rows worked out by hand: AND then XOR, four bytes each.
  const struct {
    int row;
    std::uint8_t andBytes[4];
    std::uint8_t xorBytes[4];
  } rows[] = {
      {0, {0xF9, 0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},   // .....##
      {1, {0xF0, 0xFF, 0xFF, 0xFF}, {0x06, 0x00, 0x00, 0x00}},   // ....#oo#
      {8, {0xF0, 0x00, 0xFF, 0xFF}, {0x06, 0xDA, 0x00, 0x00}},   // ....#oo#oo#oo#o#.
      {9, {0x10, 0x00, 0x7F, 0xFF}, {0x06, 0xDB, 0x00, 0x00}},   // ###.#oo#oo#oo#oo#
      {10, {0x00, 0x00, 0x7F, 0xFF}, {0x67, 0xFB, 0x00, 0x00}},  // #oo##oooooooo#oo#
      {21, {0xF8, 0x01, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},  // .....##########..
      {22, {0xFF, 0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},
      {31, {0xFF, 0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},
  };
  for (const auto& r : rows) {
    for (int i = 0; i < 4; ++i) {
      const auto at = static_cast<std::size_t>(r.row * 4 + i);
      EXPECT_EQ(hand.andMask[at], r.andBytes[i]) << "AND row " << r.row << " byte " << i;
      EXPECT_EQ(hand.xorMask[at], r.xorBytes[i]) << "XOR row " << r.row << " byte " << i;
    }
  }
  // Nowhere inverted (AND 1 with XOR 1), and nothing right of column 16.
  for (std::size_t i = 0; i < hand.andMask.size(); ++i) {
    EXPECT_EQ(hand.andMask[i] & hand.xorMask[i], 0) << "byte " << i;
    if (i % 4 == 2) {
      EXPECT_EQ(hand.andMask[i] & 0x7F, 0x7F) << "byte " << i;
    } else if (i % 4 == 3) {
      EXPECT_EQ(hand.andMask[i], 0xFF) << "byte " << i;
    }
  }
}

}  // namespace
}  // namespace tl
