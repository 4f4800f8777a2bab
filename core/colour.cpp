#include "core/colour.h"

#include <algorithm>

#include "core/colour_spaces.h"
#include "core/contrast.h"
#include "core/css_names.h"
#include "core/number_text.h"

namespace tl {
namespace {

std::string Hex(const char* prefix, unsigned first, unsigned second, unsigned third) {
  std::string text = prefix;
  AppendHex2(text, first);
  AppendHex2(text, second);
  AppendHex2(text, third);
  return text;
}

// "a, b, c" with each part written by `part`.
template <typename Part>
std::string Triple(unsigned r, unsigned g, unsigned b, Part part) {
  std::string text;
  part(text, r);
  text += ", ";
  part(text, g);
  text += ", ";
  part(text, b);
  return text;
}

// A component over 255 with two decimals, rounded to the nearest hundredth. The
// exact value r * 20 / 51 hundredths is never halfway between two, so this is
// what printf's "%.2f" gives for r / 255.0.
void AppendFraction(std::string& out, unsigned component) {
  const unsigned hundredths = (40 * component + 51) / 102;
  AppendDecimal(out, hundredths / 100);
  out += '.';
  out += static_cast<char>('0' + hundredths / 10 % 10);
  out += static_cast<char>('0' + hundredths % 10);
}

void AppendComponent(std::string& out, unsigned component) { AppendDecimal(out, component); }

// numerator / denominator rounded to the nearest whole number, halves up; both
// not negative, the denominator above 0. All in integers, so no tie can round
// the wrong way through a float.
unsigned RoundedQuotient(unsigned numerator, unsigned denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

std::string HueText(const char* prefix, ColourValue colour, bool hsl) {
  const HueAndShade shade = HueAndShadeOf(colour, hsl);
  std::string text = prefix;
  AppendDecimal(text, shade.hue);
  text += ", ";
  AppendDecimal(text, shade.saturation);
  text += "%, ";
  AppendDecimal(text, shade.lightOrValue);
  text += "%)";
  return text;
}

// Lightness and two coordinates, as CSS writes the Lab models: "name(L a b)".
// Oklab's lightness is written as a percentage.
std::string LabText(const char* prefix, const LabCoordinates& lab, bool polar, bool ok) {
  const int decimals = ok ? 4 : 2;
  std::string text = prefix;
  AppendFixed(text, ok ? lab.lightness * 100 : lab.lightness, 2);
  text += ok ? "% " : " ";
  if (!polar) {
    AppendFixed(text, lab.a, decimals);
    text += ' ';
    AppendFixed(text, lab.b, decimals);
  } else {
    const PolarCoordinates lch = PolarOf(lab.a, lab.b);
    std::string chroma;
    AppendFixed(chroma, lch.chroma, decimals);
    text += chroma;
    text += ' ';
    // A grey has no hue: where the chroma reads as 0, so does the hue, and a hue
    // that rounds up to a whole turn reads 0 as well.
    std::string hue;
    AppendFixed(hue, lch.hue, 2);
    if (chroma.find_first_not_of("0.") == std::string::npos || hue == "360.00") hue = "0.00";
    text += hue;
  }
  text += ')';
  return text;
}

std::string NameText(ColourValue colour) {
  const NearestName nearest = NearestCssName(colour);
  return nearest.exact ? std::string(nearest.name) : "~" + std::string(nearest.name);
}

}  // namespace

HueAndShade HueAndShadeOf(ColourValue colour, bool hsl) {
  const unsigned r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
  const unsigned high = std::max({r, g, b}), low = std::min({r, g, b});
  const unsigned delta = high - low;
  HueAndShade result{0, 0, 0};
  if (delta != 0) {
    // 60 degrees times the distance along the hexagon, kept above 0 by whole turns.
    unsigned sixtieths;
    if (high == r) sixtieths = 60 * (g + 6 * delta - b);  // may pass 360 degrees
    else if (high == g) sixtieths = 60 * (b + 2 * delta - r);
    else sixtieths = 60 * (r + 4 * delta - g);
    result.hue = RoundedQuotient(sixtieths, delta) % 360;
  }
  if (hsl) {
    const unsigned sum = high + low;  // lightness is sum / 510
    const unsigned spread = 255 - (sum > 255 ? sum - 255 : 255 - sum);
    if (delta != 0) result.saturation = RoundedQuotient(100 * delta, spread);
    result.lightOrValue = RoundedQuotient(100 * sum, 510);
  } else {
    if (high != 0) result.saturation = RoundedQuotient(100 * delta, high);
    result.lightOrValue = RoundedQuotient(100 * high, 255);
  }
  return result;
}

int NotationRowOfConsoleName(std::string_view consoleName) {
  for (std::size_t row = 0; row < kNotationTable.size(); ++row) {
    const std::string_view name = kNotationTable[row].consoleName;
    if (name.size() != consoleName.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) {
      const char c = consoleName[i];
      same = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == name[i];
    }
    if (same) return static_cast<int>(row);
  }
  return -1;
}

int NotationRowOf(int id) {
  for (std::size_t row = 0; row < kNotationTable.size(); ++row) {
    if (kNotationTable[row].id == id) return static_cast<int>(row);
  }
  return -1;
}

std::string NotationText(ColourValue colour, int notationId) {
  const unsigned r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
  switch (notationId) {
    case kNotationInteger: {
      std::string text;
      AppendDecimal(text, static_cast<long long>(colour));
      return text;
    }
    case kNotationCpp:
      return Hex("0x", b, g, r);
    case kNotationHtml:
      return Hex("#", r, g, b);
    case kNotationFlash:
      return Hex("", r, g, b);
    case kNotationVb:
      return Hex("&H", b, g, r);
    case kNotationDelphi:
      return Hex("$", b, g, r);
    case kNotationRgb:
      return Triple(r, g, b, AppendComponent);
    case kNotationRgbFloat:
      return Triple(r, g, b, AppendFraction);
    case kNotationCssRgb:
      return "rgb(" + Triple(r, g, b, AppendComponent) + ")";
    case kNotationCssHsl:
      return HueText("hsl(", colour, true);
    case kNotationHsv:
      return HueText("hsv(", colour, false);
    case kNotationOklch:
      return LabText("oklch(", OklabOf(colour), true, true);
    case kNotationOklab:
      return LabText("oklab(", OklabOf(colour), false, true);
    case kNotationCieLab:
      return LabText("lab(", CieLabOf(colour), false, false);
    case kNotationCieLch:
      return LabText("lch(", CieLabOf(colour), true, false);
    case kNotationCssName:
      return NameText(colour);
    default:
      return std::string();
  }
}

std::string ColourListEntryText(ColourValue colour) { return NotationText(colour, kNotationRgb); }

std::string RgbPartsText(ColourValue colour, const char* separator) {
  std::string text = "R";
  const unsigned parts[3] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
  for (int i = 0; i < 3; ++i) {
    if (i > 0) text += i == 1 ? " G" : " B";
    text += separator;
    AppendDecimal(text, parts[i]);
  }
  return text;
}

std::string RgbLabelText(ColourValue colour) { return RgbPartsText(colour, ": "); }

std::string ZoomLabelText(int zoomLevel) {
  std::string text = "Zoom Level: ";
  AppendDecimal(text, zoomLevel);
  return text;
}

std::string PositionLabelText(int x, int y) {
  std::string text = "X: ";
  AppendDecimal(text, x);
  text += " Y: ";
  AppendDecimal(text, y);
  return text;
}

// On an exact tie white wins: at that luminance APCA finds white text far easier
// to read than black.
ColourValue TextColourFor(ColourValue background) {
  return ContrastRatio(kBlack, background) > ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace tl
