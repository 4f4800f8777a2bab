// The colour value as the user sees it: notations, read-out texts, and the link's
// colour and hand cursor.

#include "core/colour.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/link_colour.h"

namespace tl {
namespace {

TEST(NotationText, EveryNotationPrintsAsTheFormatBoxShowsIt) {
  const int ids[] = {kNotationInteger, kNotationCpp, kNotationHtml, kNotationFlash,
                     kNotationVb, kNotationDelphi, kNotationRgb, kNotationRgbFloat};
  const std::pair<ColourValue, std::vector<std::string>> cases[] = {
      {MakeColour(18, 52, 86), {"5649426", "0x563412", "#123456", "123456", "&H563412", "$563412",
                                "18, 52, 86", "0.07, 0.20, 0.34"}},
      {MakeColour(255, 0, 0), {"255", "0x0000ff", "#ff0000", "ff0000", "&H0000ff", "$0000ff",
                               "255, 0, 0", "1.00, 0.00, 0.00"}},
  };
  for (const auto& [colour, texts] : cases) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(NotationText(colour, ids[i]), texts[i]) << colour << " notation " << ids[i];
    }
  }
}

// Expected texts worked out with exact fractions from the hexcone formulas.
TEST(NotationText, WebNotationsRoundFromExactValuesHalvesUp) {
  const struct { ColourValue colour; const char *cssRgb, *cssHsl, *hsv, *why; } cases[] = {
      {MakeColour(18, 52, 86), "rgb(18, 52, 86)", "hsl(210, 65%, 20%)", "hsv(210, 79%, 34%)", "example"},
      {kBlack, "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "hsv(0, 0%, 0%)", "no hue, no saturation"},
      {MakeColour(0, 0, 255), "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "hsv(240, 100%, 100%)", "sector 3"},
      {MakeColour(255, 0, 1), "rgb(255, 0, 1)", "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)", "359.76: 0"},
      {MakeColour(1, 1, 0), "rgb(1, 1, 0)", "hsl(60, 100%, 0%)", "hsv(60, 100%, 0%)", "two highest equal"},
      {MakeColour(200, 199, 199), "rgb(200, 199, 199)", "hsl(0, 1%, 78%)", "hsv(0, 1%, 78%)",
       "saturation exactly 0.5% rounds up, where a float gives 0.4999"},
      {MakeColour(8, 1, 0), "rgb(8, 1, 0)", "hsl(8, 100%, 2%)", "hsv(8, 100%, 3%)", "hue exactly 7.5"},
  };
  for (const auto& c : cases) {
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

// Left of the main display a position is negative.
TEST(ReadoutTexts, PositionLeftOfTheMainDisplay) {
  EXPECT_EQ(PositionLabelText(-1920, 1079), "X: -1920 Y: 1079");
}

TEST(LinkColour, ParsesStoredTextOrKeepsTheFallback) {
  constexpr std::uint32_t kFallback = 0x00ABCDEF;
  const std::pair<std::string, std::uint32_t> cases[] = {
      {std::string("0,0,255\0", 8), 0x00FF0000},
      {"300,0,0", 0x0000002C},                    // each part keeps its low 8 bits
      {"255,0", kFallback}, {"255,0,", kFallback},  // two parts, or nothing after the second comma
      {"-1,0,0", kFallback}, {"0,-1,0", kFallback},  // -1 is the "no value" mark
      {"1,2,-1", 0x00FF0201},                     // only the first two are checked for -1
      {"255,255,2550", 0x00F6FFFF},               // exactly twelve bytes, no terminator
      {"255,255,25500", kFallback},               // longer than a colour value may be
      {std::string("1,2,3\0,9", 8), 0x00030201},  // the text ends at the first zero
      {"x,7,junk", 0x00000700},                   // non-numbers count as 0, like atoi
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(ParseLinkColour(bytes.data(), bytes.size(), kFallback), expected) << bytes;
  }
}

}  // namespace
}  // namespace tl
