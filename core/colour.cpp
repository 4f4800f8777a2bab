#include "core/colour.h"

#include <algorithm>
#include <cstdio>

namespace tl {
namespace {

constexpr double kOneOver255 = 1.0 / 255.0;

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[100];  // the longest notation text is 16 characters
  const int length = std::snprintf(buffer, sizeof buffer, format, args...);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

int NotationRowOf(int id) {
  for (std::size_t row = 0; row < kNotationTable.size(); ++row) {
    if (kNotationTable[row].id == id) return static_cast<int>(row);
  }
  return -1;
}

std::string NotationText(ColourValue colour, int notationId) {
  const unsigned r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
  switch (notationId) {
    case kNotationInteger: return Format("%u", static_cast<unsigned>(colour));
    case kNotationCpp: return Format("0x%02x%02x%02x", b, g, r);
    case kNotationHtml: return Format("#%02x%02x%02x", r, g, b);
    case kNotationFlash: return Format("%02x%02x%02x", r, g, b);
    case kNotationVb: return Format("&H%02x%02x%02x", b, g, r);
    case kNotationDelphi: return Format("$%02x%02x%02x", b, g, r);
    case kNotationRgb: return Format("%d, %d, %d", int(r), int(g), int(b));
    case kNotationRgbFloat:
      return Format("%.2f, %.2f, %.2f", r * kOneOver255, g * kOneOver255, b * kOneOver255);
    default: return std::string();
  }
}

std::string ColourListEntryText(ColourValue colour) {
  return NotationText(colour, kNotationRgb);
}

std::string RgbLabelText(ColourValue colour) {
  return Format("R: %d G: %d B: %d", int(RedOf(colour)), int(GreenOf(colour)),
                int(BlueOf(colour)));
}

std::string ZoomLabelText(int zoomLevel) { return Format("Zoom Level: %d", zoomLevel); }

std::string PositionLabelText(int x, int y) { return Format("X: %d Y: %d", x, y); }

ColourValue TextColourFor(ColourValue background) {
  const double r = RedOf(background) * kOneOver255;
  const double g = GreenOf(background) * kOneOver255;
  const double b = BlueOf(background) * kOneOver255;
  const double maxc = std::max({r, g, b});
  const double minc = std::min({r, g, b});
  const double lightness = (maxc + minc) / 2;
  const ColourValue byLightness = lightness > 0.5 ? kBlack : kWhite;
  if (maxc == minc) return byLightness;

  const double delta = maxc - minc;
  const double saturation =
      lightness < 0.5 ? delta / (maxc + minc) : delta / (2 - maxc - minc);
  double hue;
  if (r == maxc) hue = (g - b) / delta;
  else if (g == maxc) hue = 2 + (b - r) / delta;
  else hue = 4 + (r - g) / delta;
  hue /= 6;
  if (hue < 0) hue += 1;
  // Violet-to-red hues look darker than their lightness says: black reads better.
  if (hue > 0.7 && saturation > 0.6) return kBlack;
  return byLightness;
}

}  // namespace tl
