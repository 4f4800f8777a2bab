#include "files/colour_list_file.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tl {
namespace {

const Bytes kTwoColours = {'T', 'i', 'n', 't', 'L', 'n', 's', 0x00, 0x10, 0x02, 0x00, 0x00, 0x00,
                           0x12, 0x34, 0x56, 0x00, 0xFF, 0xFF, 0xFF, 0x00};

Bytes Header(std::uint32_t count) {
  Bytes header = {'T', 'i', 'n', 't', 'L', 'n', 's', 0x00, 0x10};
  PutLittleEndian32(header, count);
  return header;
}

TEST(ColourListFile, EncodesTheWorkedExample) {
  EXPECT_EQ(EncodeColourListFile({MakeColour(18, 52, 86), kWhite}), kTwoColours);
  EXPECT_EQ(EncodeColourListFile({}), Header(0));
}

TEST(ColourListFile, RoundTripKeepsOrderAndValues) {
  const std::vector<ColourValue> colours = {MakeColour(1, 2, 3), 0, kWhite, 0x00ABCDEF};
  const Bytes bytes = EncodeColourListFile(colours);
  EXPECT_EQ(bytes.size(), 13 + 4 * colours.size());
  EXPECT_EQ(DecodeColourListFile(bytes.data(), bytes.size()), colours);
}

struct DecodeCase {
  Bytes file;
  std::vector<ColourValue> expected;
  const char* why;
};

Bytes With(Bytes head, std::initializer_list<std::uint8_t> tail) {
  head.insert(head.end(), tail);
  return head;
}

TEST(ColourListFile, DecodesWhatIsPresentAndNoMore) {
  Bytes foreignMagic = kTwoColours;
  for (int i = 0; i < 9; ++i) foreignMagic[i] = static_cast<std::uint8_t>(0xA0 + i);
  const DecodeCase cases[] = {
      {kTwoColours, {5649426, kWhite}, "the worked example"},
      {foreignMagic, {5649426, kWhite}, "magic and marker are not checked"},
      {With(Header(5), {1, 0, 0, 0, 2, 0, 0, 0, 9, 9}), {1, 2}, "short file: whole entries only"},
      {With(Header(1), {1, 0, 0, 0, 2, 0, 0, 0}), {1}, "bytes past the count are ignored"},
      {With(Header(2), {1, 2, 3, 1, 4, 5, 6, 0xFF}), {0x030201, 0x060504}, "fourth byte ignored"},
      {With(Header(0xFFFFFFFF), {1, 0, 0, 0}), {}, "negative count: no entries"},
      {With(Header(0x80000000), {1, 0, 0, 0}), {}, "most negative count"},
      {Header(0), {}, "empty list"},
      {Bytes(kTwoColours.begin(), kTwoColours.begin() + 11), {}, "cut inside the count"},
      {Bytes(), {}, "empty file"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeColourListFile(c.file.data(), c.file.size()), c.expected) << c.why;
  }
}

TEST(ColourListFile, DecodingInPiecesOfAnySizeGivesTheSameList) {
  std::vector<ColourValue> colours;
  for (ColourValue c = 0; c < 50; ++c) colours.push_back(c * 0x010203u);
  Bytes bytes = EncodeColourListFile(colours);
  bytes.push_back(0x77);  // a stray byte after the last entry
  for (std::size_t piece : {1u, 2u, 3u, 5u, 7u, 13u, 64u}) {
    ColourListFileDecoder decoder;
    bool wantsMore = true;
    for (std::size_t at = 0; at < bytes.size() && wantsMore; at += piece) {
      wantsMore = decoder.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
    }
    EXPECT_FALSE(wantsMore) << piece;
    EXPECT_EQ(decoder.Colours(), colours) << piece;
  }
}

TEST(ColourListFile, AHugeCountInATinyFileCostsNothing) {
  // 20 bytes that claim 2,000,000,000 entries: one whole entry and 3 stray bytes.
  const Bytes file = With(Header(2000000000), {7, 0, 0, 0, 1, 2, 3});
  ColourListFileDecoder decoder;
  EXPECT_EQ(decoder.BytesWanted(), 13u);
  EXPECT_TRUE(decoder.Feed(file.data(), file.size()));
  EXPECT_EQ(decoder.Colours(), std::vector<ColourValue>{7});
  EXPECT_LT(decoder.Colours().capacity(), 1024u);
  EXPECT_EQ(decoder.BytesWanted(), 1999999999ull * 4 - 3);
}

}  // namespace
}  // namespace tl
