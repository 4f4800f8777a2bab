#include "core/slider_model.h"

#include <algorithm>
#include <cmath>

#include "core/colour_spaces.h"
#include "core/colour_text.h"
#include "core/number_text.h"

namespace tl {
namespace {

constexpr SliderPart kHue{"Hue", 359, 0, true};
constexpr SliderPart kPercent[] = {
    {"Saturation", 100, 0}, {"Lightness", 100, 0}, {"Value", 100, 0}};

constexpr SliderModelInfo kModels[kSliderModelCount] = {
    {"RGB", "RGB Values", {{{"Red", 255, 0}, {"Green", 255, 0}, {"Blue", 255, 0}}}},
    {"HSL", "HSL Values", {{kHue, kPercent[0], kPercent[1]}}},
    {"HSV", "HSV Values", {{kHue, kPercent[0], kPercent[2]}}},
    // In the order CSS writes oklch(): lightness in percent, chroma to 0.37 (the
    // most any sRGB colour has) in thousandths, hue.
    {"OKLCH", "OKLCH Values", {{{"Lightness", 100, 0}, {"Chroma", 370, 3}, kHue}}},
};

int Rounded(double value) { return static_cast<int>(std::floor(value + 0.5)); }

// Hue (degrees), chroma and the largest and smallest channel (0..1) of the
// hexcone models.
struct Hexcone {
  double hue, chroma, high, low;
};

Hexcone HexconeOf(ColourValue colour) {
  const double r = RedOf(colour) / 255.0, g = GreenOf(colour) / 255.0, b = BlueOf(colour) / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b}), chroma = high - low;
  double hue = 0;
  if (chroma > 0) {
    if (high == r) hue = std::fmod((g - b) / chroma + 6, 6.0);
    else if (high == g) hue = (b - r) / chroma + 2;
    else hue = (r - g) / chroma + 4;
  }
  return {hue * 60, chroma, high, low};
}

// Back to sRGB: `chroma` and `low` are what HSL and HSV each make of their parts.
ColourValue FromHexcone(double hue, double chroma, double low) {
  const double sector = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
  const ChannelLevels c = HexconeChannels(sector, chroma, low);
  return MakeColour(ChannelToByte(c.red), ChannelToByte(c.green), ChannelToByte(c.blue));
}

}  // namespace

const SliderModelInfo& SliderModelInfoOf(SliderModel model) {
  const int index = static_cast<int>(model);
  return kModels[index >= 0 && index < kSliderModelCount ? index : 0];
}

SliderModel SliderModelFromStored(std::optional<std::uint16_t> stored) {
  return stored && *stored < kSliderModelCount ? static_cast<SliderModel>(*stored)
                                               : SliderModel::Rgb;
}

SliderCoordinates SliderCoordinatesOf(ColourValue colour, SliderModel model,
                                      const SliderCoordinates& before) {
  const SliderModelInfo& info = SliderModelInfoOf(model);
  SliderCoordinates place{};
  switch (model) {
    case SliderModel::Hsl:
    case SliderModel::Hsv: {
      const Hexcone cone = HexconeOf(colour);
      double saturation;
      if (model == SliderModel::Hsl) {
        const double lightness = (cone.high + cone.low) / 2;
        const double spread = 1 - std::fabs(2 * lightness - 1);
        saturation = spread > 0 ? cone.chroma / spread : 0;
        place = {cone.hue, saturation * 100, lightness * 100};
      } else {
        saturation = cone.high > 0 ? cone.chroma / cone.high : 0;
        place = {cone.hue, saturation * 100, cone.high * 100};
      }
      if (SliderPositionOf(place[1], info.parts[1]) == 0) place[0] = before[0];
      break;
    }
    case SliderModel::Oklch: {
      const LabCoordinates lab = OklabOf(colour);
      const PolarCoordinates polar = PolarOf(lab.a, lab.b);
      place = {lab.lightness * 100, polar.chroma, polar.hue};
      if (SliderPositionOf(place[1], info.parts[1]) == 0) place[2] = before[2];
      break;
    }
    case SliderModel::Rgb:
    default:
      place = {double(RedOf(colour)), double(GreenOf(colour)), double(BlueOf(colour))};
      break;
  }
  return place;
}

ColourValue ColourAtCoordinates(const SliderCoordinates& c, SliderModel model) {
  switch (model) {
    case SliderModel::Hsl: {
      const double s = c[1] / 100, l = c[2] / 100;
      const double chroma = (1 - std::fabs(2 * l - 1)) * s;
      return FromHexcone(c[0], chroma, l - chroma / 2);
    }
    case SliderModel::Hsv: {
      const double s = c[1] / 100, v = c[2] / 100;
      return FromHexcone(c[0], v * s, v - v * s);
    }
    case SliderModel::Oklch:
      return ColourFromOklab(FromPolar(c[0] / 100, c[1], c[2]));
    case SliderModel::Rgb:
    default:
      return MakeColour(ChannelToByte(c[0] / 255), ChannelToByte(c[1] / 255),
                        ChannelToByte(c[2] / 255));
  }
}

int SliderPositionOf(double value, const SliderPart& part) {
  const double scaled = value * std::pow(10.0, part.decimals);
  if (!(scaled > 0)) return 0;  // NaN too
  // A hue that rounds up to a whole turn is 0 again.
  if (part.turn && scaled >= part.maximum + 0.5) return 0;
  return std::min(Rounded(scaled), part.maximum);
}

double SliderValueAt(int position, const SliderPart& part) {
  return position / std::pow(10.0, part.decimals);
}

std::string SliderValueText(int position, const SliderPart& part) {
  std::string text;
  AppendFixed(text, SliderValueAt(position, part), part.decimals);
  return text;
}

std::optional<int> SliderPositionOfText(std::string_view text, const SliderPart& part) {
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t%");
  if (first == std::string_view::npos || last == std::string_view::npos || last < first) {
    return std::nullopt;
  }
  const std::optional<double> value = NumberOfText(text.substr(first, last - first + 1));
  if (!value) return std::nullopt;
  return SliderPositionOf(std::min(*value, SliderValueAt(part.maximum, part)), part);
}

}  // namespace tl
