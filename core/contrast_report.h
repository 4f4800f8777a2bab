#pragma once
// What the contrast checker shows for a text colour on a background: every
// figure and verdict as the text of its control, and the colours of its samples.
// Portable, so that the window only puts it on the screen.

#include <array>
#include <optional>
#include <string>

#include "core/colour.h"
#include "core/colour_vision.h"
#include "core/contrast.h"

namespace tl {

// The suggestions are for normal text at AA (4.5) and at AAA (7), a row each.
constexpr std::array<std::size_t, 2> kSuggestionRows{kCriterionAa, kCriterionAa + 1};
constexpr std::size_t kSuggestionSlots = kSuggestionRows.size() * 2;  // lighter, darker

struct SuggestionSlot {
  std::optional<ColourValue> colour;  // none: nothing to click
  std::string text;                   // "Lighter #A1B2C3 4.61:1", "Darker: none", "Reached" or ""
};

struct VisionSample {
  ColourValue text, background;  // as that vision sees them
  std::string label;             // "Protanopia 4.21:1, AA fail"
};

struct ContrastReport {
  std::string ratio;                                           // "Contrast ratio 4.47:1"
  std::array<std::string, kContrastCriteria.size()> criteria;  // "AA (4.5:1): fail"
  std::string apca;                                            // "APCA Lc 71.1"
  std::string apcaUse;                                         // "Good for: content text"
  // Row by row, the lighter suggestion first.
  std::array<SuggestionSlot, kSuggestionSlots> suggestions;
  std::array<VisionSample, kColourVisions.size()> visions;
};

ContrastReport MakeContrastReport(ColourValue text, ColourValue background);

// A suggestion row's label: "AA 4.5:1".
std::string SuggestionRowText(std::size_t row);

}  // namespace tl
