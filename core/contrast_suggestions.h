#pragma once
// Text colours that would pass: the nearest lighter and darker colours of the
// text's own hue and chroma whose contrast with the background reaches a ratio.
// Portable.

#include <optional>
#include <vector>

#include "core/colour.h"

namespace tl {

enum class SuggestionDirection { kLighter, kDarker };

struct TextSuggestion {
  ColourValue colour;
  double ratio;  // its WCAG 2 contrast ratio with the background
};

// The 8-bit colour nearest to the text in OKLCH lightness, on the given side,
// with the text's hue and chroma (the chroma reduced only as far as sRGB needs)
// whose ratio with the background reaches the minimum; none where even white
// (lighter) or black (darker) does not. A text that reaches it already is its
// own answer.
std::optional<TextSuggestion> SuggestTextColour(ColourValue text, ColourValue background,
                                                int minimumHundredths,
                                                SuggestionDirection direction);

struct TextSuggestions {
  int minimumHundredths;
  std::optional<TextSuggestion> lighter, darker;
};

// For each ratio the text should reach (4.5 and 7) that the pair does not reach
// yet, lowest first, its lighter and darker suggestions. Empty when the pair
// reaches 7.
std::vector<TextSuggestions> SuggestTextColours(ColourValue text, ColourValue background);

}  // namespace tl
