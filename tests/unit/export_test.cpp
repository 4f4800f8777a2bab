#include <gtest/gtest.h>

#include <cstring>

#include "files/colour_table.h"
#include "files/swatch_exchange.h"

namespace tl {
namespace {

std::uint32_t Bits(float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

TEST(SwatchExchange, EncodesTheWorkedExampleBitForBit) {
  const Bytes expected = {
      0x41, 0x53, 0x45, 0x46, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,  // header
      0x00, 0x01, 0x00, 0x00, 0x00, 0x32, 0x00, 0x0F,                          // block
      0x00, 0x52, 0x00, 0x3D, 0x00, 0x31, 0x00, 0x38, 0x00, 0x20, 0x00, 0x47, 0x00, 0x3D,
      0x00, 0x35, 0x00, 0x32, 0x00, 0x20, 0x00, 0x42, 0x00, 0x3D, 0x00, 0x38, 0x00, 0x36,
      0x00, 0x00, 0x52, 0x47, 0x42, 0x20, 0x3D, 0x90, 0x90, 0x91, 0x3E, 0x50, 0xD0, 0xD2,
      0x3E, 0xAC, 0xAC, 0xAD, 0x00, 0x02};
  ASSERT_EQ(expected.size(), 68u);
  EXPECT_EQ(EncodeSwatchExchange({MakeColour(18, 52, 86)}), expected);
}

TEST(SwatchExchange, ComponentsAreScaledByTheSingleNearestToOneOver255) {
  EXPECT_EQ(Bits(SwatchComponent(0)), 0u);
  EXPECT_EQ(Bits(SwatchComponent(255)), 0x3F800000u);
  EXPECT_EQ(Bits(SwatchComponent(52)), 0x3E50D0D2u);  // c / 255 in single would end ...D1
  EXPECT_NE(Bits(SwatchComponent(52)), Bits(52.0f / 255.0f));
}

struct BlockCase {
  ColourValue colour;
  std::size_t nameLength;
  std::uint8_t componentByte;  // first byte of each of the three floats
};

TEST(SwatchExchange, BlockLengthFollowsTheNameLength) {
  for (const BlockCase& c : {BlockCase{kWhite, 17, 0x3F}, BlockCase{kBlack, 11, 0x00}}) {
    const Bytes file = EncodeSwatchExchange({c.colour});
    const std::size_t block = 28 + 2 * c.nameLength;
    ASSERT_EQ(file.size(), 12 + block);
    EXPECT_EQ(file[17], 22 + 2 * c.nameLength);              // block length, low byte
    EXPECT_EQ(file[19], c.nameLength + 1);                    // name length with terminator
    const std::size_t floats = 12 + 8 + 2 * (c.nameLength + 1) + 4;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(file[floats + 4 * i], c.componentByte);
  }
}

TEST(SwatchExchange, EmptyListAndBlockOrder) {
  EXPECT_EQ(EncodeSwatchExchange({}),
            (Bytes{'A', 'S', 'E', 'F', 0, 1, 0, 0, 0, 0, 0, 0}));
  const Bytes two = EncodeSwatchExchange({kWhite, kBlack});
  EXPECT_EQ(two[11], 2);
  EXPECT_EQ(two[19], 18);  // the first block is the top of the list: "R=255 G=255 B=255"
}

struct TableCase {
  std::size_t count;
  std::size_t size;
  std::uint8_t countHigh, countLow;
};

TEST(ColourTable, SlotsCountAndTrailer) {
  const TableCase cases[] = {{0, 772, 0x00, 0x00}, {1, 772, 0x00, 0x01},
                             {255, 772, 0x00, 0xFF}, {256, 768, 0, 0},
                             {300, 772, 0x01, 0x00}};
  for (const TableCase& c : cases) {
    std::vector<ColourValue> colours;
    for (std::size_t i = 0; i < c.count; ++i) colours.push_back(MakeColour(i % 256, 1, 2));
    const Bytes table = EncodeColourTable(colours);
    ASSERT_EQ(table.size(), c.size) << c.count;
    const std::size_t used = std::min<std::size_t>(c.count, 256);
    for (std::size_t slot = 0; slot < 256; ++slot) {
      const bool filled = slot < used;
      EXPECT_EQ(table[3 * slot], filled ? slot % 256 : 0) << c.count << " slot " << slot;
      EXPECT_EQ(table[3 * slot + 2], filled ? 2 : 0) << c.count << " slot " << slot;
    }
    if (c.size == 772) {
      EXPECT_EQ(table[768], c.countHigh) << c.count;
      EXPECT_EQ(table[769], c.countLow) << c.count;
      EXPECT_EQ(table[770], 0xFF);
      EXPECT_EQ(table[771], 0xFF);
    }
  }
}

TEST(ColourTable, TheWorkedExample) {
  const Bytes table = EncodeColourTable({MakeColour(18, 52, 86)});
  EXPECT_EQ(Bytes(table.begin(), table.begin() + 3), (Bytes{0x12, 0x34, 0x56}));
}

}  // namespace
}  // namespace tl
