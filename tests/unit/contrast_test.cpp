// Whether a pair reads: WCAG 2 ratios and criteria, APCA Lc, the suggested text
// colours, and the pair as colour vision deficiencies see it.

#include "core/contrast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/colour_vision.h"
#include "core/contrast_space.h"
#include "core/contrast_report.h"
#include "core/contrast_suggestions.h"

namespace tl {
namespace {

constexpr double kPi = 3.14159265358979;

ColourValue Grey(unsigned level) { return MakeColour(level, level, level); }

// Ratios the W3C publishes: the ACT rule "Text has minimum contrast" (afw4f7),
// whose examples give #333 on white 12.6, black on #666 3.6, #0000EE on white
// 9.39, #AAA on white 2.3, #777 on #EEE 3.85 and black on white 21.
TEST(ContrastRatio, MatchesTheW3cWorkedExamplesRoundedDown) {
  const struct {
    ColourValue a, b;
    int hundredths;
  } cases[] = {
      {Grey(0x33), kWhite, 1263},
      {kBlack, Grey(0x66), 365},
      {MakeColour(0, 0, 0xEE), kWhite, 939},  // 9.3976: rounding to nearest would say 9.40
      {Grey(0xAA), kWhite, 232},
      {Grey(0x77), Grey(0xEE), 385},
      {kBlack, kWhite, 2100},
      {kWhite, kBlack, 2100},
      {Grey(0x80), Grey(0x80), 100},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ContrastHundredths(ContrastRatio(c.a, c.b)), c.hundredths) << std::hex << c.a;
  }
  EXPECT_NEAR(RelativeLuminance(Grey(0x33)), 0.0331048, 1e-7);  // ((0.2 + 0.055) / 1.055)^2.4
}

// Pairs within a hair of a criterion's minimum, their ratios worked out apart
// from this code with the W3C formula: each reads and judges on the same side.
TEST(ContrastVerdict, PairsAtTheEdgeReadAsTheyAreJudged) {
  const struct {
    ColourValue text;
    const char* line;
  } cases[] = {
      {MakeColour(211, 57, 128),  // 4.49994
       "WCAG 2 contrast 4.49:1: AA fail, AAA fail, large AA pass, large AAA fail, non-text pass\n"},
      {MakeColour(174, 48, 255),  // 4.50015
       "WCAG 2 contrast 4.50:1: AA pass, AAA fail, large AA pass, large AAA pass, non-text pass\n"},
      {MakeColour(177, 24, 0),  // 6.99982
       "WCAG 2 contrast 6.99:1: AA pass, AAA fail, large AA pass, large AAA pass, non-text pass\n"},
      {MakeColour(65, 42, 255),  // 7.00012
       "WCAG 2 contrast 7.00:1: AA pass, AAA pass, large AA pass, large AAA pass, non-text pass\n"},
      {MakeColour(177, 120, 255),  // 2.999995
       "WCAG 2 contrast 2.99:1: AA fail, AAA fail, large AA fail, large AAA fail, non-text fail\n"},
  };
  for (const auto& c : cases) {
    const std::string text = ContrastVerdictText(c.text, kWhite);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), c.line);
  }
}

TEST(ContrastVerdict, PrintsTheTwoLinesOfTheConsoleTool) {
  EXPECT_EQ(
      ContrastVerdictText(Grey(0x77), kWhite),
      "WCAG 2 contrast 4.47:1: AA fail, AAA fail, large AA pass, large AAA fail, non-text pass\n"
      "APCA Lc 71.1\n");
  EXPECT_EQ(
      ContrastVerdictText(kWhite, MakeColour(18, 52, 86)),
      "WCAG 2 contrast 12.71:1: AA pass, AAA pass, large AA pass, large AAA pass, non-text pass\n"
      "APCA Lc -101.9\n");
  EXPECT_EQ(
      ContrastVerdictText(kWhite, kWhite),
      "WCAG 2 contrast 1.00:1: AA fail, AAA fail, large AA fail, large AAA fail, non-text fail\n"
      "APCA Lc 0.0\n");
}

// The reference pairs of apca-w3 0.1.9's own tests (test/index.js), also listed
// in the APCA readme as keystone checks, text first.
TEST(ApcaContrast, MatchesTheApcaW3ReferencePairs) {
  const struct {
    ColourValue text, background;
    double lc;
  } cases[] = {
      {Grey(0x88), kWhite, 63.056469930209424},
      {kWhite, Grey(0x88), -68.54146436644962},
      {kBlack, Grey(0xAA), 58.146262578561334},
      {Grey(0xAA), kBlack, -56.24113336839742},
      {MakeColour(0x11, 0x22, 0x33), MakeColour(0xDD, 0xEE, 0xFF), 91.66830811481631},
      {MakeColour(0xDD, 0xEE, 0xFF), MakeColour(0x11, 0x22, 0x33), -93.06770049484275},
      {MakeColour(0x11, 0x22, 0x33), Grey(0x44), 8.32326136957393},
      {Grey(0x44), MakeColour(0x11, 0x22, 0x33), -7.526878460278154},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ApcaContrast(c.text, c.background), c.lc, 1e-9) << std::hex << c.text;
  }
  EXPECT_EQ(ApcaContrast(Grey(0xFA), kWhite), 0.0) << "under the low clip";
}

TEST(ApcaContrast, LevelsRoundToTenthsAndNameTheirUse) {
  const struct {
    double lc;
    int tenths;
    const char* use;
  } cases[] = {
      {74.96, 750, "body text"},
      {-74.94, -749, "content text"},
      {60.0, 600, "content text"},
      {-45.0, -450, "large text and headlines"},
      {30.0, 300, "spot text and non-text"},
      {15.0, 150, "the least perceptible"},
      {14.9, 149, "nothing"},
      {0.0, 0, "nothing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ApcaTenths(c.lc), c.tenths) << c.lc;
    EXPECT_STREQ(ApcaUseOf(c.tenths), c.use) << c.lc;
  }
}

// The list's text is whichever of black and white contrasts more; greys change
// side between 117 (white 4.61 against black 4.56) and 118 (4.54 against 4.62).
TEST(TextColour, BlackOrWhiteByTheHigherContrast) {
  const std::pair<ColourValue, ColourValue> cases[] = {
      {kBlack, kWhite},
      {kWhite, kBlack},
      {Grey(117), kWhite},
      {Grey(118), kBlack},
      {MakeColour(76, 0, 116), kWhite},   // dark violet: 13.47 against 1.56
      {MakeColour(30, 160, 70), kBlack},  // green: 6.17 against 3.40
      {MakeColour(255, 0, 0), kBlack},    // 5.25 against 4.00
      {MakeColour(0, 0, 255), kWhite},    // 8.59 against 2.44
  };
  for (const auto& [background, text] : cases) {
    EXPECT_EQ(TextColourFor(background), text) << std::hex << background;
  }
}

// CSS Color 4's worked value for sRGB red: oklch(62.796% 0.25768 29.23deg).
TEST(ContrastSpace, RedInOklchAsCssColour4GivesIt) {
  const contrast_space::Oklch red =
      contrast_space::OklchOf(contrast_space::LinearOf(MakeColour(255, 0, 0)));
  EXPECT_NEAR(red.l, 0.62796, 1e-5);
  EXPECT_NEAR(red.c, 0.25768, 1e-5);
  EXPECT_NEAR(red.h * 180 / kPi, 29.23, 0.01);
  EXPECT_EQ(contrast_space::ColourOf(contrast_space::LinearOf(red)), MakeColour(255, 0, 0));
}

// Over a fixed sample of pairs, every suggestion passes as the 8-bit colour it
// is, lies on its side of the text with the text's hue, and is missing only
// where even white or black would fail.
TEST(TextSuggestions, AlwaysPassOrSayNoneExists) {
  const unsigned levels[] = {0, 40, 90, 128, 170, 215, 255};
  const ColourValue backgrounds[] = {kWhite,
                                     kBlack,
                                     Grey(0x77),
                                     MakeColour(18, 52, 86),
                                     MakeColour(76, 0, 116),
                                     MakeColour(30, 160, 70),
                                     MakeColour(250, 220, 40)};
  int found = 0, none = 0;
  for (ColourValue background : backgrounds) {
    for (unsigned r : levels) {
      for (unsigned g : levels) {
        for (unsigned b : {0u, 128u, 255u}) {
          const ColourValue text = MakeColour(r, g, b);
          const contrast_space::Oklch was = contrast_space::OklchOf(contrast_space::LinearOf(text));
          for (const TextSuggestions& s : SuggestTextColours(text, background)) {
            for (bool lighter : {true, false}) {
              const auto& suggestion = lighter ? s.lighter : s.darker;
              const ColourValue extreme = lighter ? kWhite : kBlack;
              const bool extremePasses =
                  MeetsContrast(ContrastRatio(extreme, background), s.minimumHundredths);
              ASSERT_EQ(suggestion.has_value(), extremePasses)
                  << std::hex << text << " on " << background << std::dec << " for "
                  << s.minimumHundredths << (lighter ? " lighter" : " darker");
              if (!suggestion) {
                ++none;
                continue;
              }
              ++found;
              EXPECT_EQ(suggestion->ratio, ContrastRatio(suggestion->colour, background));
              EXPECT_TRUE(MeetsContrast(suggestion->ratio, s.minimumHundredths));
              const contrast_space::Oklch is =
                  contrast_space::OklchOf(contrast_space::LinearOf(suggestion->colour));
              EXPECT_TRUE(lighter ? is.l > was.l : is.l < was.l) << std::hex << text;
              // Its hue and no more chroma, as far as 8-bit steps can keep them.
              EXPECT_LT(is.c, was.c + 0.01) << std::hex << text;
              if (is.c > 0.05) {
                EXPECT_LT(std::fabs(std::remainder(is.h - was.h, 2 * kPi)), 3 * kPi / 180)
                    << std::hex << text;
              }
            }
          }
        }
      }
    }
  }
  EXPECT_GT(found, 300);
  EXPECT_GT(none, 100);
}

// #777 on white (4.48) wants a darker grey for 4.5: #767676 (4.54) is the next
// grey down, and a grey's chroma is none to keep. On #777 itself neither white
// (4.48) nor black (4.69) reaches 7.
TEST(TextSuggestions, TheNearestGreyAndNoneWherePastTheEnds) {
  const auto darker = SuggestTextColour(Grey(0x77), kWhite, 450, SuggestionDirection::kDarker);
  ASSERT_TRUE(darker);
  EXPECT_EQ(darker->colour, Grey(0x76));
  EXPECT_FALSE(SuggestTextColour(Grey(0x77), kWhite, 450, SuggestionDirection::kLighter));
  const std::vector<TextSuggestions> onGrey = SuggestTextColours(Grey(0x77), Grey(0x77));
  ASSERT_EQ(onGrey.size(), 2u);
  EXPECT_EQ(onGrey[1].minimumHundredths, 700);
  EXPECT_FALSE(onGrey[1].lighter || onGrey[1].darker);
  EXPECT_TRUE(SuggestTextColours(kBlack, kWhite).empty());
}

// Each dichromacy keeps white white and black black (each matrix row sums to 1);
// red under protanopia, from the matrix's first column (0.152286, 0.114503,
// -0.003882) clipped and encoded by hand: 1.055 x 0.152286^(1/2.4) - 0.055 =
// 0.4266, 108.8 of 255; 0.114503 gives 95.0; the blue below 0 gives 0.
TEST(ColourVision, MatricesKeepNeutralsAndMoveRedAsWorkedByHand) {
  for (const ColourVisionName& vision : kColourVisions) {
    EXPECT_EQ(SimulateVision(kWhite, vision.vision), kWhite) << vision.name;
    EXPECT_EQ(SimulateVision(kBlack, vision.vision), kBlack) << vision.name;
  }
  EXPECT_EQ(SimulateVision(MakeColour(255, 0, 0), ColourVision::kProtanopia),
            MakeColour(109, 95, 0));
  // Deuteranopia's first column 0.367322, 0.280085, -0.011820: 163.2, 144.3, 0.
  EXPECT_EQ(SimulateVision(MakeColour(255, 0, 0), ColourVision::kDeuteranopia),
            MakeColour(163, 144, 0));
  // Tritanopia's third column -0.178779, 0.147602, 0.303900: 0, 107.2, 149.8.
  EXPECT_EQ(SimulateVision(MakeColour(0, 0, 255), ColourVision::kTritanopia),
            MakeColour(0, 107, 150));
  // Red's luminance 0.2126 is the grey 127.1: 127.
  EXPECT_EQ(SimulateVision(MakeColour(255, 0, 0), ColourVision::kAchromatopsia), Grey(127));
  EXPECT_EQ(SimulatedContrastRatio(MakeColour(255, 0, 0), kBlack, ColourVision::kAchromatopsia),
            ContrastRatio(Grey(127), kBlack));
}

// The checker's read-out of a failing grey pair and of one that reaches AAA: each
// text as its control shows it, and every suggestion offered passes its row.
TEST(ContrastReport, ReadsEveryFigureAndOffersOnlyPassingColours) {
  const ContrastReport grey = MakeContrastReport(Grey(0x77), kWhite);
  EXPECT_EQ(grey.ratio, "Contrast ratio 4.47:1");
  EXPECT_EQ(grey.criteria, (std::array<std::string, 5>{
                               "AA (4.5:1): fail", "AAA (7:1): fail", "large AA (3:1): pass",
                               "large AAA (4.5:1): fail", "non-text (3:1): pass"}));
  EXPECT_EQ(grey.apca + " / " + grey.apcaUse, "APCA Lc 71.1 / Good for: content text");
  EXPECT_EQ(grey.suggestions[0].text, "Lighter: none");  // white reaches only 4.48
  EXPECT_EQ(grey.suggestions[1].text, "Darker #767676 4.54:1");
  for (std::size_t slot = 1; slot < kSuggestionSlots; slot += 2) {
    ASSERT_TRUE(grey.suggestions[slot].colour) << slot;
    const ColourValue colour = *grey.suggestions[slot].colour;
    EXPECT_TRUE(MeetsContrast(ContrastRatio(colour, kWhite),
                              kContrastCriteria[kSuggestionRows[slot / 2]].minimumHundredths));
    EXPECT_EQ(grey.suggestions[slot].text.substr(7, 7), NotationText(colour, kNotationHtml));
  }
  // A grey pair looks the same to every vision: only the names differ.
  EXPECT_EQ(grey.visions[0].label, "Protanopia 4.47:1, AA fail");
  EXPECT_EQ(grey.visions[3].label, "Achromatopsia 4.47:1, AA fail");

  const ColourValue navy = MakeColour(18, 52, 86);
  const ContrastReport reached = MakeContrastReport(kWhite, navy);
  EXPECT_EQ(reached.ratio + " / " + reached.apca, "Contrast ratio 12.71:1 / APCA Lc -101.9");
  for (std::size_t slot = 0; slot < kSuggestionSlots; ++slot) {
    EXPECT_FALSE(reached.suggestions[slot].colour) << slot;
    EXPECT_EQ(reached.suggestions[slot].text, slot % 2 ? "" : "Reached");
  }
  // Red on black reads (5.25) for most, not for protanopes: the pair shows it.
  const ColourValue red = MakeColour(255, 0, 0);
  const ContrastReport redOnBlack = MakeContrastReport(red, kBlack);
  EXPECT_EQ(redOnBlack.visions[0].text, SimulateVision(red, ColourVision::kProtanopia));
  EXPECT_EQ(redOnBlack.visions[0].label, "Protanopia 3.28:1, AA fail");
  EXPECT_EQ(redOnBlack.visions[1].label, "Deuteranopia 6.54:1, AA pass");
  EXPECT_EQ(SuggestionRowText(1), "AAA 7:1");
}

}  // namespace
}  // namespace tl
