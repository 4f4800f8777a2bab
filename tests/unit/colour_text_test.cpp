// Colours typed as text, and formats of the user's own.

#include "core/colour_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/colour_template.h"

namespace tl {
namespace {

// Expected colours worked by hand, or from CSS Color 4's test suite where the
// model needs a computer (its sRGB percentages rounded to bytes).
TEST(ParseColourText, AcceptsEveryFormInAnyCaseAndSpacing) {
  const std::pair<const char*, ColourValue> cases[] = {
      {"#123456", MakeColour(18, 52, 86)},
      {" #ABC ", MakeColour(170, 187, 204)},
      {"123456", MakeColour(18, 52, 86)},
      {"0X563412", MakeColour(18, 52, 86)},
      {"&h563412", MakeColour(18, 52, 86)},
      {"$563412", MakeColour(18, 52, 86)},
      {"5649426", MakeColour(18, 52, 86)},
      {"255", MakeColour(255, 0, 0)},
      {"18 52  86", MakeColour(18, 52, 86)},
      {"1.00,0.50,0.00", MakeColour(255, 128, 0)},
      {"RGB( 18 , 52 , 86 )", MakeColour(18, 52, 86)},
      {"rgba(10 20 30 / 50%)", MakeColour(10, 20, 30)},
      {"rgb(100%, 50%, 0%)", MakeColour(255, 128, 0)},
      {"rgb(300, -5, 127.5)", MakeColour(255, 0, 128)},  // clipped; halves up
      {"hsl(120, 100%, 25%)", MakeColour(0, 128, 0)},
      {"hsla(0.5turn 100 50 / 1)", MakeColour(0, 255, 255)},
      {"hsl(-120deg, 100%, 50%)", MakeColour(0, 0, 255)},
      {"hsv(60, 100%, 100%)", MakeColour(255, 255, 0)},
      {"oklch(50% 0.2 0)", MakeColour(180, 6, 95)},       // rgb(70.492% 2.351% 37.073%)
      {"oklch(0.8 0.15 160)", MakeColour(82, 219, 156)},  // rgb(32.022% 85.805% 61.147%)
      {"oklab(51.975% -35.075% 26.92%)", MakeColour(0, 128, 0)},
      {"lab(50 50 0)", MakeColour(193, 78, 121)},  // rgb(75.62% 30.45% 47.56%)
      {"lch(46.2775% 67.9892 134.3912)", MakeColour(0, 128, 0)},
      {"lab(100 0 0)", kWhite},  // white itself
      {"lch(150 0 0)", kWhite},  // lightness held to 100
      {"SteelBlue", MakeColour(70, 130, 180)},
      {"~midnightblue", MakeColour(25, 25, 112)},
  };
  for (const auto& [text, colour] : cases) {
    EXPECT_EQ(ParseColourText(text), std::optional<ColourValue>(colour)) << text;
  }
  EXPECT_EQ(ParseColourText("rgb(" + std::string(200, '9') + " 0 0)"), MakeColour(255, 0, 0));
  // Six decimal digits are the Integer notation's number where that is current.
  EXPECT_EQ(ParseColourText("123456", kNotationInteger), std::optional<ColourValue>(123456));
}

TEST(ParseColourText, RefusesWhatIsNotAColour) {
  const std::string cases[] = {
      "",
      "   ",
      "#12345",
      "#1234567",
      "#ggg",
      "12345g",
      "0x5634",
      "&H56341",
      "16777216",
      "-1",
      "1e5",
      "transparent",
      "~",
      "~notaname",
      "rgb",
      "rgb()",
      "rgb(1, 2)",
      "rgb(1 2 3 4 5)",
      "rgb(1,,2,3)",
      "rgb(1, 2, 3,)",
      "rgb(1.2.3)",
      "rgb(1 / 2 3)",
      "rgb(1 2 3",
      "rgb(1 2 3))",
      "rgb(10deg 2 3)",
      "hsl(10% 50% 50%)",
      "cmyk(0 0 0 0)",
      "rgb(nan, 0, 0)",
      "rgb(inf 0 0)",
      "rgb(1e999 0 0)",
      "rgb(0x10 0 0)",
      "rgb(1 2 3) x",
      "18, 52",
      "0.5, 128, 3",
      "256, 0, 0",
      "1.5, 0.5, 0.5",
      "+1, 2, 3",
      "red blue",
      std::string("red\0", 4),
      std::string(300, ' ') + "red",
  };
  for (const std::string& text : cases) EXPECT_EQ(ParseColourText(text), std::nullopt) << text;
}

// Broken variants of every accepted form: never a crash, never a value that is
// no colour (the sanitizers watch the reads).
TEST(ParseColourText, SafeOnBrokenVariantsOfItsForms) {
  const std::string seeds[] = {
      "rgba(10.5e2% 20 30 / 50%)", "oklch(50% 0.2 0.5turn)", "#123456",
      "hsl(-120deg, 100%, 50%)",   "~midnightblue",          "0.07, 0.20, 0.34"};
  const char noise[] = {'\0', '(', ')', ',', '/', '%', '.', 'e', '-', ' ', '9', 'z', '\xff'};
  for (const std::string& seed : seeds) {
    for (std::size_t at = 0; at <= seed.size(); ++at) {
      for (char c : noise) {
        std::string changed = seed;
        if (at < seed.size()) changed[at] = c;
        else changed += c;
        const std::optional<ColourValue> colour = ParseColourText(changed);
        EXPECT_EQ(colour.value_or(0) >> 24, 0u) << changed;
        EXPECT_EQ(ParseColourText(seed.substr(0, at)).value_or(0) >> 24, 0u);
      }
    }
  }
}

TEST(ColourTemplate, TokensWriteTheColour) {
  const ColourValue colour = MakeColour(18, 52, 86);
  const std::pair<const char*, const char*> cases[] = {
      {"#{rx}{gx}{bx}", "#123456"},
      {"{RX}{GX}{BX}", "123456"},
      {"hsl({h}deg {sl}% {l}%)", "hsl(210deg 65% 20%)"},
      {"{r},{g},{b} {rf} {gf} {bf}", "18,52,86 0.071 0.204 0.337"},  // 18/255 = 0.0706
      {"hsv {h} {sv} {v}", "hsv 210 79 34"},
      {"{int} {name}", "5649426 midnightblue"},
      {"{{{r}}} }}{{", "{18} }{"},
      {"", ""},
  };
  for (const auto& [text, expected] : cases) {
    std::string error;
    const std::optional<ColourTemplate> parsed = ColourTemplate::Parse(text, error);
    ASSERT_TRUE(parsed) << text << ": " << error;
    EXPECT_EQ(parsed->Format(colour), expected) << text;
  }
  std::string error;
  const std::optional<ColourTemplate> white = ColourTemplate::Parse("{rf} {RX}", error);
  EXPECT_EQ(white->Format(kWhite), "1.000 FF");
}

TEST(ColourTemplate, RefusesUnknownTokensAndLoneBraces) {
  const std::pair<const char*, const char*> cases[] = {
      {"#{rx}{gx}{bz}", "unknown token '{bz}'"},
      {"{R}", "unknown token '{R}'"},
      {"{}", "unknown token '{}'"},
      {"rgb({r", "a '{' without its '}'"},
      {"{r}}", "a lone '}'"},
  };
  for (const auto& [text, message] : cases) {
    std::string error;
    EXPECT_FALSE(ColourTemplate::Parse(text, error)) << text;
    EXPECT_NE(error.find(message), std::string::npos) << text << ": " << error;
  }
}

}  // namespace
}  // namespace tl
