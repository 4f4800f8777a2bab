#include "core/contrast_suggestions.h"

#include <algorithm>

#include "core/contrast.h"
#include "core/contrast_space.h"

namespace tl {
namespace {

using contrast_space::Oklch;

constexpr int kSuggestedMinimums[] = {450, 700};
// The scan's stride in lightness, then halvings of the step where a pass first
// shows. Rounding to 8 bits makes the pass not quite monotonic, so the halving
// keeps its passing end and only ever returns a colour that passed.
constexpr double kLightnessStep = 0.01;
constexpr int kRefinements = 20;
constexpr int kChromaHalvings = 24;
constexpr double kNoChroma = 1e-6;  // what the conversions leave of a grey's

// The colour at this lightness with the text's hue and as much of its chroma as
// sRGB holds there.
ColourValue ColourAt(double lightness, const Oklch& text) {
  Oklch point{lightness, text.c, text.h};
  if (!contrast_space::InGamut(contrast_space::LinearOf(point))) {
    double inside = 0, outside = text.c;
    for (int i = 0; i < kChromaHalvings; ++i) {
      point.c = (inside + outside) / 2;
      (contrast_space::InGamut(contrast_space::LinearOf(point)) ? inside : outside) = point.c;
    }
    point.c = inside;
  }
  return contrast_space::ColourOf(contrast_space::LinearOf(point));
}

}  // namespace

std::optional<TextSuggestion> SuggestTextColour(ColourValue text, ColourValue background,
                                                int minimumHundredths,
                                                SuggestionDirection direction) {
  const auto passes = [&](ColourValue colour) {
    return MeetsContrast(ContrastRatio(colour, background), minimumHundredths);
  };
  const auto suggestion = [&](ColourValue colour) {
    return TextSuggestion{colour, ContrastRatio(colour, background)};
  };
  if (passes(text)) return suggestion(text);
  const bool lighter = direction == SuggestionDirection::kLighter;
  // Past the far end lies nothing lighter than white or darker than black.
  if (!passes(lighter ? kWhite : kBlack)) return std::nullopt;

  Oklch start = contrast_space::OklchOf(contrast_space::LinearOf(text));
  // A grey has no hue to keep: its suggestions stay grey.
  if (start.c < kNoChroma) start.c = 0;
  const double end = lighter ? 1.0 : 0.0, step = lighter ? kLightnessStep : -kLightnessStep;
  double failing = start.l;
  for (int i = 1;; ++i) {
    const double l =
        lighter ? std::min(end, start.l + i * step) : std::max(end, start.l + i * step);
    const bool atEnd = l == end;
    if (!atEnd && !passes(ColourAt(l, start))) {
      failing = l;
      continue;
    }
    // The end's colour is white or black itself, which passes.
    double passing = l;
    ColourValue found = atEnd ? (lighter ? kWhite : kBlack) : ColourAt(l, start);
    for (int r = 0; r < kRefinements; ++r) {
      const double middle = (failing + passing) / 2;
      const ColourValue colour = ColourAt(middle, start);
      if (passes(colour)) {
        passing = middle;
        found = colour;
      } else {
        failing = middle;
      }
    }
    return suggestion(found);
  }
}

std::vector<TextSuggestions> SuggestTextColours(ColourValue text, ColourValue background) {
  std::vector<TextSuggestions> result;
  const double ratio = ContrastRatio(text, background);
  for (int minimum : kSuggestedMinimums) {
    if (MeetsContrast(ratio, minimum)) continue;
    result.push_back({minimum,
                      SuggestTextColour(text, background, minimum, SuggestionDirection::kLighter),
                      SuggestTextColour(text, background, minimum, SuggestionDirection::kDarker)});
  }
  return result;
}

}  // namespace tl
