#pragma once
// Whether text in one colour reads on another: the WCAG 2 contrast ratio and its
// criteria, and APCA's lightness contrast. Portable.

#include <array>
#include <string>

#include "core/colour.h"

namespace tl {

// WCAG 2 relative luminance: 0 for black, 1 for white.
double RelativeLuminance(ColourValue colour);

// WCAG 2 contrast ratio of two colours in either order: 1 to 21.
double ContrastRatio(ColourValue first, ColourValue second);

// The ratio in hundredths, rounded down, so that a ratio that reads 4.50 really
// is 4.5 or more: 447 for 4.478.
int ContrastHundredths(double ratio);

struct ContrastCriterion {
  const char* name;       // as the verdict names it
  int minimumHundredths;  // the least ratio that passes, in hundredths
};

// In the order the verdict lists them.
constexpr std::array<ContrastCriterion, 5> kContrastCriteria{{
    {"AA", 450},
    {"AAA", 700},
    {"large AA", 300},
    {"large AAA", 450},
    {"non-text", 300},
}};
constexpr std::size_t kCriterionAa = 0;  // normal text, level AA

// Whether the ratio reaches the minimum. Judged on the unrounded ratio, which for
// a minimum in whole hundredths is the same as judging the hundredths shown.
bool MeetsContrast(double ratio, int minimumHundredths);

// APCA-W3 0.1.9 lightness contrast Lc of text on a background, about -108 to
// 106: positive for dark text on a light background, 0 where the two are too
// close to tell apart.
double ApcaContrast(ColourValue text, ColourValue background);

// Lc in tenths, rounded half away from zero: 711 for 71.06.
int ApcaTenths(double lc);

// What a level of Lc (in tenths, either sign) is good for: "body text" from 75,
// "content text" from 60, "large text and headlines" from 45, "spot text and
// non-text" from 30, "the least perceptible" from 15, and below that "nothing".
const char* ApcaUseOf(int lcTenths);

// A ratio in hundredths as text with two decimals: "4.47" for 447.
std::string HundredthsText(int hundredths);
// A criterion's minimum as it is spoken of, without needless zeros: "4.5", "7".
std::string MinimumText(int minimumHundredths);
// An Lc in tenths with one decimal and its sign: "-101.9".
std::string TenthsText(int tenths);

// The two lines the console tool prints for a pair, each ending in a newline:
//   WCAG 2 contrast 4.47:1: AA fail, AAA fail, large AA pass, large AAA fail, non-text pass
//   APCA Lc 71.1
std::string ContrastVerdictText(ColourValue text, ColourValue background);

}  // namespace tl
