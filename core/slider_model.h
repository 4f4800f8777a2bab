#pragma once
// The advanced layout's three sliders in the model the user thinks in: RGB, HSL,
// HSV or OKLCH. Each slider stands on a whole position; a part with decimals
// (OKLCH chroma) counts in its smallest step. Portable.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"

namespace tl {

// Stored as SliderModel: these values, in this order, are the model box's rows.
enum class SliderModel : int { Rgb = 0, Hsl = 1, Hsv = 2, Oklch = 3 };
constexpr int kSliderModelCount = 4;

struct SliderPart {
  const char* label;
  int maximum;        // positions run from 0 to this
  int decimals;       // a position is the value times 10 to this
  bool turn = false;  // a hue: its maximum + 1 is 0 again
};

struct SliderModelInfo {
  const char* name;   // in the model box
  const char* group;  // the group box's caption
  std::array<SliderPart, 3> parts;
};

const SliderModelInfo& SliderModelInfoOf(SliderModel model);
// Anything but a stored 0..3 reads as RGB.
SliderModel SliderModelFromStored(std::optional<std::uint16_t> stored);

// A colour's place in a model, exactly: hue in degrees, the percentages as
// percentages, OKLCH chroma as it is. The sliders stand at these rounded to their
// steps; a slider moved replaces its part alone, so that the other two do not
// drift by their rounding.
using SliderCoordinates = std::array<double, 3>;

// A hue has no place of its own where the saturation or chroma is 0 (on its
// slider): it keeps the one it had (`before`).
SliderCoordinates SliderCoordinatesOf(ColourValue colour, SliderModel model,
                                      const SliderCoordinates& before);
// The colour at those coordinates, clipped into sRGB.
ColourValue ColourAtCoordinates(const SliderCoordinates& coordinates, SliderModel model);

// A part's value as a slider position (rounded, held within the range), and back.
int SliderPositionOf(double value, const SliderPart& part);
double SliderValueAt(int position, const SliderPart& part);

// A position as its value box shows it ("210", "0.073").
std::string SliderValueText(int position, const SliderPart& part);
// A typed value as a position, rounded and held within the part's range; none
// when the text is not a number.
std::optional<int> SliderPositionOfText(std::string_view text, const SliderPart& part);

}  // namespace tl
