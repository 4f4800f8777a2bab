#include "core/colour.h"

#include <gtest/gtest.h>

#include <set>

namespace tl {
namespace {

struct NotationCase {
  ColourValue colour;
  const char* integer;
  const char* cpp;
  const char* html;
  const char* flash;
  const char* vb;
  const char* delphi;
  const char* rgb;
  const char* rgbFloat;
};

class NotationTextTest : public testing::TestWithParam<NotationCase> {};

TEST_P(NotationTextTest, EveryNotationPrintsAsTheFormatBoxShowsIt) {
  const NotationCase& c = GetParam();
  EXPECT_EQ(NotationText(c.colour, kNotationInteger), c.integer);
  EXPECT_EQ(NotationText(c.colour, kNotationCpp), c.cpp);
  EXPECT_EQ(NotationText(c.colour, kNotationHtml), c.html);
  EXPECT_EQ(NotationText(c.colour, kNotationFlash), c.flash);
  EXPECT_EQ(NotationText(c.colour, kNotationVb), c.vb);
  EXPECT_EQ(NotationText(c.colour, kNotationDelphi), c.delphi);
  EXPECT_EQ(NotationText(c.colour, kNotationRgb), c.rgb);
  EXPECT_EQ(NotationText(c.colour, kNotationRgbFloat), c.rgbFloat);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, NotationTextTest,
    testing::Values(
        NotationCase{MakeColour(18, 52, 86), "5649426", "0x563412", "#123456", "123456",
                     "&H563412", "$563412", "18, 52, 86", "0.07, 0.20, 0.34"},
        NotationCase{kWhite, "16777215", "0xffffff", "#ffffff", "ffffff", "&Hffffff",
                     "$ffffff", "255, 255, 255", "1.00, 1.00, 1.00"},
        NotationCase{kBlack, "0", "0x000000", "#000000", "000000", "&H000000", "$000000",
                     "0, 0, 0", "0.00, 0.00, 0.00"},
        NotationCase{MakeColour(255, 0, 0), "255", "0x0000ff", "#ff0000", "ff0000",
                     "&H0000ff", "$0000ff", "255, 0, 0", "1.00, 0.00, 0.00"},
        // Float rounding at the edges of two decimals.
        NotationCase{MakeColour(1, 2, 128), "8389121", "0x800201", "#010280", "010280",
                     "&H800201", "$800201", "1, 2, 128", "0.00, 0.01, 0.50"},
        NotationCase{MakeColour(254, 0, 0), "254", "0x0000fe", "#fe0000", "fe0000",
                     "&H0000fe", "$0000fe", "254, 0, 0", "1.00, 0.00, 0.00"}));

TEST(NotationTable, HoldsTheEightNamesInFormatBoxOrder) {
  const char* expected[] = {"Integer", "C++ (0xFFFFFF)", "HTML ", "Flash ", "VB ",
                            "Delphi", "RGB (Red,Green,Blue)", "RGB Float (Red,Green,Blue)"};
  ASSERT_EQ(kNotationTable.size(), 8u);
  std::set<int> ids;
  for (std::size_t row = 0; row < kNotationTable.size(); ++row) {
    EXPECT_STREQ(kNotationTable[row].name, expected[row]) << "row " << row;
    EXPECT_EQ(NotationRowOf(kNotationTable[row].id), static_cast<int>(row));
    ids.insert(kNotationTable[row].id);
  }
  EXPECT_EQ(ids, (std::set<int>{0, 1, 100, 101, 102, 103, 104, 105}));
  EXPECT_EQ(NotationRowOf(kNotationRgb), 6);
}

TEST(NotationText, UnknownIdGivesEmptyText) {
  for (int id : {-1, 2, 99, 106, 1000}) {
    EXPECT_EQ(NotationText(MakeColour(18, 52, 86), id), "") << id;
    EXPECT_EQ(NotationRowOf(id), -1) << id;
  }
}

TEST(ReadoutTexts, LabelsAndListEntry) {
  EXPECT_EQ(RgbLabelText(MakeColour(18, 52, 86)), "R: 18 G: 52 B: 86");
  EXPECT_EQ(ZoomLabelText(4), "Zoom Level: 4");
  EXPECT_EQ(ColourListEntryText(MakeColour(18, 52, 86)), "18, 52, 86");
  EXPECT_EQ(MakeColour(18, 52, 86), 5649426u);
}

struct TextColourCase {
  ColourValue background;
  ColourValue text;
  const char* why;
};

TEST(TextColour, BlackOrWhiteByHueSaturationAndLightness) {
  const TextColourCase cases[] = {
      {kWhite, kBlack, "white"},
      {kBlack, kWhite, "black"},
      {MakeColour(255, 0, 0), kWhite, "red: L exactly 0.5 is not above it"},
      {MakeColour(0, 255, 0), kWhite, "green"},
      {MakeColour(0, 0, 255), kWhite, "blue: hue 0.667 is not above 0.7"},
      {MakeColour(255, 255, 0), kWhite, "yellow"},
      {MakeColour(0, 255, 255), kWhite, "cyan"},
      {MakeColour(255, 0, 255), kBlack, "magenta: hue 0.833, saturation 1"},
      {MakeColour(255, 0, 200), kBlack, "pink-violet: hue above 0.7"},
      {MakeColour(128, 128, 128), kBlack, "grey 128: L = 0.502"},
      {MakeColour(127, 127, 127), kWhite, "grey 127: L below 0.5"},
      {MakeColour(200, 150, 210), kBlack, "pale violet: unsaturated, light"},
      {MakeColour(100, 80, 110), kWhite, "dull violet: saturation under 0.6"},
      {MakeColour(128, 0, 128), kBlack, "dark purple: hue 0.833, saturation 1"},
  };
  for (const TextColourCase& c : cases) {
    EXPECT_EQ(TextColourFor(c.background), c.text) << c.why;
  }
}

}  // namespace
}  // namespace tl
