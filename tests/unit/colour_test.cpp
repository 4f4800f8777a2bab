#include "core/colour.h"

#include <gtest/gtest.h>

#include <cstdio>
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

TEST(NotationTable, KeepsTheFirstEightAndAddsTheWebNotationsAfterThem) {
  const char* expected[] = {"Integer", "C++ (0xFFFFFF)", "HTML ", "Flash ", "VB ",
                            "Delphi", "RGB (Red,Green,Blue)", "RGB Float (Red,Green,Blue)",
                            "CSS rgb()", "CSS hsl()", "HSV"};
  ASSERT_EQ(kNotationTable.size(), 11u);
  std::set<int> ids;
  for (std::size_t row = 0; row < kNotationTable.size(); ++row) {
    EXPECT_STREQ(kNotationTable[row].name, expected[row]) << "row " << row;
    EXPECT_EQ(NotationRowOf(kNotationTable[row].id), static_cast<int>(row));
    ids.insert(kNotationTable[row].id);
  }
  EXPECT_EQ(ids, (std::set<int>{0, 1, 100, 101, 102, 103, 104, 105, 106, 107, 108}));
  EXPECT_EQ(NotationRowOf(kNotationRgb), 6);
}

struct WebNotationCase {
  ColourValue colour;
  const char* cssRgb;
  const char* cssHsl;
  const char* hsv;
  const char* why;
};

// Expected texts worked out with exact fractions from the hexcone formulas.
TEST(NotationText, WebNotationsRoundFromExactValuesHalvesUp) {
  const WebNotationCase cases[] = {
      {MakeColour(18, 52, 86), "rgb(18, 52, 86)", "hsl(210, 65%, 20%)", "hsv(210, 79%, 34%)",
       "the example"},
      {kWhite, "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "hsv(0, 0%, 100%)", "white"},
      {kBlack, "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "hsv(0, 0%, 0%)", "black: no hue, no saturation"},
      {MakeColour(255, 0, 0), "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)", "red"},
      {MakeColour(200, 100, 50), "rgb(200, 100, 50)", "hsl(20, 60%, 49%)", "hsv(20, 75%, 78%)",
       "the second example"},
      {MakeColour(0, 255, 0), "rgb(0, 255, 0)", "hsl(120, 100%, 50%)", "hsv(120, 100%, 100%)",
       "green: the second sector"},
      {MakeColour(0, 0, 255), "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "hsv(240, 100%, 100%)",
       "blue: the third sector"},
      {MakeColour(255, 0, 1), "rgb(255, 0, 1)", "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)",
       "hue 359.76 rounds to 360, shown as 0"},
      {MakeColour(255, 0, 3), "rgb(255, 0, 3)", "hsl(359, 100%, 50%)", "hsv(359, 100%, 100%)",
       "hue 359.29 stays 359"},
      {MakeColour(128, 128, 128), "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "hsv(0, 0%, 50%)",
       "grey"},
      {MakeColour(1, 0, 0), "rgb(1, 0, 0)", "hsl(0, 100%, 0%)", "hsv(0, 100%, 0%)",
       "near black: fully saturated, nearly no light"},
      {MakeColour(1, 1, 0), "rgb(1, 1, 0)", "hsl(60, 100%, 0%)", "hsv(60, 100%, 0%)",
       "two highest equal"},
      {MakeColour(200, 199, 199), "rgb(200, 199, 199)", "hsl(0, 1%, 78%)", "hsv(0, 1%, 78%)",
       "HSV saturation exactly 0.5% rounds up, where a float gives 0.4999"},
      {MakeColour(8, 1, 0), "rgb(8, 1, 0)", "hsl(8, 100%, 2%)", "hsv(8, 100%, 3%)",
       "hue exactly 7.5 rounds up"},
  };
  for (const WebNotationCase& c : cases) {
    EXPECT_EQ(NotationText(c.colour, kNotationCssRgb), c.cssRgb) << c.why;
    EXPECT_EQ(NotationText(c.colour, kNotationCssHsl), c.cssHsl) << c.why;
    EXPECT_EQ(NotationText(c.colour, kNotationHsv), c.hsv) << c.why;
  }
}

// The float notation is written without printf; printf's "%.2f" is its oracle.
TEST(NotationText, RgbFloatMatchesPrintfForEveryComponent) {
  for (unsigned v = 0; v < 256; ++v) {
    char expected[40];
    std::snprintf(expected, sizeof expected, "%.2f, %.2f, %.2f", v / 255.0, 0.0, v / 255.0);
    EXPECT_EQ(NotationText(MakeColour(v, 0, v), kNotationRgbFloat), expected) << v;
  }
}

TEST(ReadoutTexts, LabelsAndListEntry) {
  EXPECT_EQ(RgbLabelText(MakeColour(18, 52, 86)), "R: 18 G: 52 B: 86");
  EXPECT_EQ(ZoomLabelText(4), "Zoom Level: 4");
  EXPECT_EQ(PositionLabelText(-1920, 1079), "X: -1920 Y: 1079") << "left of the main display";
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
