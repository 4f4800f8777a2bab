// The colour value as the user sees it: notations, read-out texts, and the link's
// colour and hand cursor.

#include "core/colour.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/colour_spaces.h"
#include "core/colour_text.h"
#include "core/css_names.h"
#include "core/link_colour.h"

namespace tl {
namespace {

TEST(NotationText, EveryNotationPrintsAsTheFormatBoxShowsIt) {
  const int ids[] = {kNotationInteger, kNotationCpp,    kNotationHtml, kNotationFlash,
                     kNotationVb,      kNotationDelphi, kNotationRgb,  kNotationRgbFloat};
  const std::pair<ColourValue, std::vector<std::string>> cases[] = {
      {MakeColour(18, 52, 86),
       {"5649426", "0x563412", "#123456", "123456", "&H563412", "$563412", "18, 52, 86",
        "0.07, 0.20, 0.34"}},
      {MakeColour(255, 0, 0),
       {"255", "0x0000ff", "#ff0000", "ff0000", "&H0000ff", "$0000ff", "255, 0, 0",
        "1.00, 0.00, 0.00"}},
  };
  for (const auto& [colour, texts] : cases) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(NotationText(colour, ids[i]), texts[i]) << colour << " notation " << ids[i];
    }
  }
}

// Expected texts worked out with exact fractions from the hexcone formulas.
TEST(NotationText, WebNotationsRoundFromExactValuesHalvesUp) {
  const struct {
    ColourValue colour;
    const char *cssRgb, *cssHsl, *hsv, *why;
  } cases[] = {
      {MakeColour(18, 52, 86), "rgb(18, 52, 86)", "hsl(210, 65%, 20%)", "hsv(210, 79%, 34%)",
       "example"},
      {kBlack, "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "hsv(0, 0%, 0%)", "no hue, no saturation"},
      {MakeColour(0, 0, 255), "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "hsv(240, 100%, 100%)",
       "sector 3"},
      {MakeColour(255, 0, 1), "rgb(255, 0, 1)", "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)",
       "359.76: 0"},
      {MakeColour(1, 1, 0), "rgb(1, 1, 0)", "hsl(60, 100%, 0%)", "hsv(60, 100%, 0%)",
       "two highest equal"},
      {MakeColour(200, 199, 199), "rgb(200, 199, 199)", "hsl(0, 1%, 78%)", "hsv(0, 1%, 78%)",
       "saturation exactly 0.5% rounds up, where a float gives 0.4999"},
      {MakeColour(8, 1, 0), "rgb(8, 1, 0)", "hsl(8, 100%, 2%)", "hsv(8, 100%, 3%)",
       "hue exactly 7.5"},
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

// The worked row, sRGB red as oklch.com and MDN give it, and the greys,
// whose hue reads 0.
TEST(NotationText, PerceptualModelsAndNamesReadAsCssWritesThem) {
  const struct {
    ColourValue colour;
    const char *oklch, *oklab, *lab, *lch, *name;
  } cases[] = {
      {MakeColour(18, 52, 86), "oklch(31.92% 0.0725 251.17)", "oklab(31.92% -0.0234 -0.0686)",
       "lab(20.68 -2.28 -24.59)", "lch(20.68 24.70 264.71)", "~midnightblue"},
      {MakeColour(255, 0, 0), "oklch(62.80% 0.2577 29.23)", "oklab(62.80% 0.2249 0.1258)",
       "lab(54.29 80.80 69.89)", "lch(54.29 106.84 40.86)", "red"},
      {kWhite, "oklch(100.00% 0.0000 0.00)", "oklab(100.00% 0.0000 0.0000)",
       "lab(100.00 0.00 0.00)", "lch(100.00 0.00 0.00)", "white"},
      {kBlack, "oklch(0.00% 0.0000 0.00)", "oklab(0.00% 0.0000 0.0000)", "lab(0.00 0.00 0.00)",
       "lch(0.00 0.00 0.00)", "black"},
      // A hue just under a whole turn (359.999) reads 0, as does a grey's.
      {MakeColour(48, 1, 21), "oklch(20.21% 0.0792 0.00)", nullptr, nullptr, nullptr, nullptr},
      {MakeColour(70, 130, 180), nullptr, nullptr, nullptr, nullptr, "steelblue"},
      {MakeColour(71, 130, 180), nullptr, nullptr, nullptr, nullptr, "~steelblue"},
      // Shared colours take the first name alphabetically.
      {MakeColour(0, 255, 255), nullptr, nullptr, nullptr, nullptr, "aqua"},
      {MakeColour(128, 128, 129), nullptr, nullptr, nullptr, nullptr, "~gray"},
  };
  const int ids[] = {kNotationOklch, kNotationOklab, kNotationCieLab, kNotationCieLch,
                     kNotationCssName};
  for (const auto& c : cases) {
    const char* texts[] = {c.oklch, c.oklab, c.lab, c.lch, c.name};
    for (int i = 0; i < 5; ++i) {
      if (texts[i]) {
        EXPECT_EQ(NotationText(c.colour, ids[i]), texts[i]) << std::hex << c.colour;
      }
    }
  }
}

// CSS Color 4's test suite converts #008000 so (its Lab from the older matrices,
// hence the wider margin there).
TEST(ColourSpaces, GreenMatchesTheCssTestSuite) {
  const LabCoordinates ok = OklabOf(MakeColour(0, 128, 0)), lab = CieLabOf(MakeColour(0, 128, 0));
  EXPECT_NEAR(ok.lightness, 0.51975, 1e-5);
  EXPECT_NEAR(ok.a, -0.1403, 1e-5);
  EXPECT_NEAR(ok.b, 0.10768, 1e-5);
  EXPECT_NEAR(PolarOf(ok.a, ok.b).hue, 142.495, 1e-3);
  EXPECT_NEAR(lab.lightness, 46.2775, 1e-3);
  EXPECT_NEAR(lab.a, -47.5621, 0.02);
  EXPECT_NEAR(lab.b, 48.5837, 0.02);
}

// Every notation read back over a spread of colours: exactly where the text holds
// whole channels, within 1 where it holds decimals. Whole degrees and percents
// move a channel by at most 255 x (0.01 + 0.0025 + 0.5/30 / 2) + 0.5 in HSL (the
// lightness counts up to twice, the hue half a degree) and less in HSV: 5.
TEST(ParseColourText, EveryNotationReadsBackItsOwnText) {
  std::vector<ColourValue> sample = {kBlack, kWhite, MakeColour(255, 0, 0), MakeColour(0, 0, 1)};
  for (ColourValue v = 7; v < 0x1000000; v += 4099) sample.push_back(v);
  for (const Notation& notation : kNotationTable) {
    int tolerance = 0;
    if (notation.id == kNotationCssHsl || notation.id == kNotationHsv) tolerance = 5;
    if (notation.id >= kNotationOklch || notation.id == kNotationRgbFloat) tolerance = 1;
    for (ColourValue colour : sample) {
      const std::string text = NotationText(colour, notation.id);
      const std::optional<ColourValue> read = ParseColourText(text, notation.id);
      ASSERT_TRUE(read) << text;
      if (notation.id == kNotationCssName) {
        const NearestName nearest = NearestCssName(*read);
        EXPECT_TRUE(nearest.exact &&
                    text.find(nearest.name) == text.size() - std::strlen(nearest.name))
            << text;
        continue;
      }
      for (int shift : {0, 8, 16}) {
        const int difference = int(*read >> shift & 0xFF) - int(colour >> shift & 0xFF);
        ASSERT_LE(std::abs(difference), tolerance) << text << " from " << std::hex << colour;
      }
    }
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
      {"300,0,0", 0x0000002C},  // each part keeps its low 8 bits
      {"255,0", kFallback},
      {"255,0,", kFallback},  // two parts, or nothing after the second comma
      {"-1,0,0", kFallback},
      {"0,-1,0", kFallback},                      // -1 is the "no value" mark
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
