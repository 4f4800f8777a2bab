#include "core/colour_text.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/colour_spaces.h"
#include "core/css_names.h"

namespace tl {
namespace {

// No colour is written longer; anything longer is refused before it is looked at.
constexpr std::size_t kMaxTextLength = 256;
constexpr double kPi = 3.14159265358979323846;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The value of up to eight hexadecimal digits, or none for any other text.
std::optional<unsigned> HexNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<unsigned>(digit);
  }
  return value;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return !text.empty();
}

// #rgb or #rrggbb, red first.
std::optional<ColourValue> WebHex(std::string_view digits) {
  const std::optional<unsigned> value = HexNumber(digits);
  if (!value) return std::nullopt;
  if (digits.size() == 6) return MakeColour(*value >> 16, *value >> 8, *value);
  if (digits.size() != 3) return std::nullopt;
  return MakeColour((*value >> 8 & 0xF) * 17, (*value >> 4 & 0xF) * 17, (*value & 0xF) * 17);
}

// Six digits, blue first (C++, VB and Delphi write the COLORREF's own order).
std::optional<ColourValue> BgrHex(std::string_view digits) {
  if (digits.size() != 6) return std::nullopt;
  return HexNumber(digits);  // 0x00BBGGRR already
}

std::optional<ColourValue> IntegerNumber(std::string_view digits) {
  if (!AllDigits(digits) || digits.size() > 8) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
  if (value > 0xFFFFFF) return std::nullopt;
  return value;
}

enum class Unit { None, Percent, Degrees, Radians, Gradians, Turns };

struct Component {
  double value = 0;
  Unit unit = Unit::None;
  bool none = false;   // CSS's "none": a missing component, read as 0
  bool plain = false;  // only digits and at most one point: the bare triples' form
  bool point = false;
};

// Reads a CSS number at `pos`: a sign, digits with at most one point, an exponent.
// Refuses what overflows a double rather than reading it as infinity.
bool ReadNumber(std::string_view text, std::size_t& pos, Component& out) {
  const std::size_t start = pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  double mantissa = 0;
  int digits = 0, fractionDigits = 0;
  while (pos < text.size() && IsDigit(text[pos]))
    mantissa = mantissa * 10 + (text[pos++] - '0'), ++digits;
  if (pos < text.size() && text[pos] == '.') {
    out.point = true;
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) {
      mantissa = mantissa * 10 + (text[pos++] - '0');
      ++digits, ++fractionDigits;
    }
  }
  if (digits == 0) return false;
  long exponent = 0;
  bool hasExponent = false;
  if (pos < text.size() && text[pos] == 'e') {
    std::size_t at = pos + 1;
    bool negativeExponent = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
      negativeExponent = text[at++] == '-';
    if (at < text.size() && IsDigit(text[at])) {
      hasExponent = true;
      while (at < text.size() && IsDigit(text[at])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[at] - '0');
        ++at;
      }
      if (negativeExponent) exponent = -exponent;
      pos = at;
    }
  }
  const long scale = exponent - fractionDigits;
  // Dividing by a power of ten keeps "0.07" the double nearest to 0.07.
  double value = mantissa;
  if (mantissa != 0 && scale > 0) value = mantissa * std::pow(10.0, static_cast<double>(scale));
  if (mantissa != 0 && scale < 0) value = mantissa / std::pow(10.0, static_cast<double>(-scale));
  if (!std::isfinite(value)) return false;
  out.value = negative ? -value : value;
  out.plain = text[start] != '+' && text[start] != '-' && !hasExponent;
  return true;
}

bool ReadComponent(std::string_view text, std::size_t& pos, Component& out) {
  if (text.substr(pos, 4) == "none" && (pos + 4 == text.size() || !IsLetter(text[pos + 4]))) {
    pos += 4;
    out.none = true;
    return true;
  }
  if (!ReadNumber(text, pos, out)) return false;
  if (pos < text.size() && text[pos] == '%') {
    ++pos;
    out.unit = Unit::Percent;
    return true;
  }
  const std::size_t unitStart = pos;
  while (pos < text.size() && IsLetter(text[pos])) ++pos;
  const std::string_view unit = text.substr(unitStart, pos - unitStart);
  const struct {
    std::string_view name;
    Unit unit;
  } kAngles[] = {{"", Unit::None},
                 {"deg", Unit::Degrees},
                 {"rad", Unit::Radians},
                 {"grad", Unit::Gradians},
                 {"turn", Unit::Turns}};
  for (const auto& angle : kAngles) {
    if (unit == angle.name) {
      out.unit = angle.unit;
      return true;
    }
  }
  return false;
}

// Three or four components: separated by spaces, a comma or, before the fourth
// (an alpha), a slash; nothing else around them.
struct ComponentList {
  Component parts[4];
  int count = 0;
};

std::optional<ComponentList> ReadComponents(std::string_view text) {
  ComponentList list;
  std::size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  while (pos < text.size()) {
    if (list.count == 4 || !ReadComponent(text, pos, list.parts[list.count])) return std::nullopt;
    ++list.count;
    const std::size_t separatorStart = pos;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    if (pos < text.size() && (text[pos] == ',' || text[pos] == '/')) {
      if (text[pos] == '/' && list.count != 3) return std::nullopt;
      ++pos;
      while (pos < text.size() && IsSpace(text[pos])) ++pos;
      if (pos == text.size()) return std::nullopt;  // nothing after the comma
    }
    if (pos < text.size() && pos == separatorStart) return std::nullopt;  // "1.2.3"
  }
  if (list.count < 3) return std::nullopt;
  return list;
}

// What a component means in its place: a hue takes angles, the others take a
// percentage of `full`, the number 100% stands for.
struct Role {
  bool hue;
  double full;
};

std::optional<double> ValueOf(const Component& part, Role role) {
  if (part.none) return 0.0;
  switch (part.unit) {
    case Unit::None:
      return part.value;
    case Unit::Percent:
      if (role.hue) return std::nullopt;
      return part.value / 100 * role.full;  // 50% of 255 is 127.5 exactly
    default:
      break;
  }
  if (!role.hue) return std::nullopt;
  switch (part.unit) {
    case Unit::Radians:
      return part.value * 180 / kPi;
    case Unit::Gradians:
      return part.value * 0.9;
    case Unit::Turns:
      return part.value * 360;
    default:
      return part.value;  // degrees
  }
}

double Clamp(double v, double low, double high) { return v < low ? low : v > high ? high : v; }

// Whole degrees round the circle, from any finite angle.
double Turned(double degrees) {
  const double h = std::fmod(degrees, 360.0);
  return h < 0 ? h + 360 : h;
}

unsigned RoundedByte(double v) { return ChannelToByte(v / 255); }

ColourValue FromHsl(double hue, double saturation, double lightness) {
  const double s = Clamp(saturation, 0, 100) / 100, l = Clamp(lightness, 0, 100) / 100;
  const double h = Turned(hue);
  auto channel = [&](double n) {
    const double k = std::fmod(n + h / 30, 12.0);
    return l - s * std::fmin(l, 1 - l) * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
  };
  return MakeColour(ChannelToByte(channel(0)), ChannelToByte(channel(8)),
                    ChannelToByte(channel(4)));
}

ColourValue FromHsv(double hue, double saturation, double value) {
  const double s = Clamp(saturation, 0, 100) / 100, v = Clamp(value, 0, 100) / 100;
  const double h = Turned(hue);
  auto channel = [&](double n) {
    const double k = std::fmod(n + h / 60, 6.0);
    return v - v * s * std::max(0.0, std::min({k, 4 - k, 1.0}));
  };
  return MakeColour(ChannelToByte(channel(5)), ChannelToByte(channel(3)),
                    ChannelToByte(channel(1)));
}

enum class Model { Rgb, Hsl, Hsv, Oklab, Oklch, Lab, Lch };

struct ColourFunction {
  std::string_view name;
  Model model;
  Role roles[3];
};

constexpr Role kChannel{false, 255}, kHue{true, 0}, kPercent{false, 100};
constexpr ColourFunction kFunctions[] = {
    {"rgb", Model::Rgb, {kChannel, kChannel, kChannel}},
    {"rgba", Model::Rgb, {kChannel, kChannel, kChannel}},
    {"hsl", Model::Hsl, {kHue, kPercent, kPercent}},
    {"hsla", Model::Hsl, {kHue, kPercent, kPercent}},
    {"hsv", Model::Hsv, {kHue, kPercent, kPercent}},
    // 100% is CSS's reference range of each coordinate.
    {"oklab", Model::Oklab, {{false, 1}, {false, 0.4}, {false, 0.4}}},
    {"oklch", Model::Oklch, {{false, 1}, {false, 0.4}, kHue}},
    {"lab", Model::Lab, {kPercent, {false, 125}, {false, 125}}},
    {"lch", Model::Lch, {kPercent, {false, 150}, kHue}},
};

std::optional<ColourValue> FunctionColour(const ColourFunction& function, std::string_view body) {
  const std::optional<ComponentList> list = ReadComponents(body);
  if (!list) return std::nullopt;
  double v[3];
  for (int i = 0; i < 3; ++i) {
    const std::optional<double> value = ValueOf(list->parts[i], function.roles[i]);
    if (!value) return std::nullopt;
    v[i] = *value;
  }
  // The alpha is read, for the text to be a colour, and then left out.
  if (list->count == 4 && !ValueOf(list->parts[3], Role{false, 1})) return std::nullopt;
  switch (function.model) {
    case Model::Rgb:
      return MakeColour(RoundedByte(v[0]), RoundedByte(v[1]), RoundedByte(v[2]));
    case Model::Hsl:
      return FromHsl(v[0], v[1], v[2]);
    case Model::Hsv:
      return FromHsv(v[0], v[1], v[2]);
    case Model::Oklab:
      return ColourFromOklab({Clamp(v[0], 0, 1), v[1], v[2]});
    case Model::Oklch:
      return ColourFromOklab(FromPolar(Clamp(v[0], 0, 1), std::fmax(v[1], 0), v[2]));
    case Model::Lab:
      return ColourFromCieLab({Clamp(v[0], 0, 100), v[1], v[2]});
    case Model::Lch:
      return ColourFromCieLab(FromPolar(Clamp(v[0], 0, 100), std::fmax(v[1], 0), v[2]));
  }
  return std::nullopt;
}

// "18, 52, 86" (RGB) or "0.07, 0.20, 0.34" (RGB Float): plain numbers only, all
// whole and 0..255 or all with a point and 0..1; anything between is no colour.
std::optional<ColourValue> BareTriple(std::string_view text) {
  const std::optional<ComponentList> list = ReadComponents(text);
  if (!list || list->count != 3) return std::nullopt;
  const bool fractions = list->parts[0].point;
  unsigned channels[3];
  for (int i = 0; i < 3; ++i) {
    const Component& part = list->parts[i];
    if (!part.plain || part.none || part.unit != Unit::None || part.point != fractions)
      return std::nullopt;
    if (part.value > (fractions ? 1 : 255)) return std::nullopt;
    channels[i] = fractions ? ChannelToByte(part.value) : static_cast<unsigned>(part.value);
  }
  return MakeColour(channels[0], channels[1], channels[2]);
}

std::optional<ColourValue> NamedOrFunction(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsLetter(text[pos])) ++pos;
  const std::string_view name = text.substr(0, pos);
  if (pos == text.size()) return CssNamedColour(name);
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  if (pos == text.size() || text[pos] != '(' || text.back() != ')') return std::nullopt;
  const std::string_view body = text.substr(pos + 1, text.size() - pos - 2);
  for (const ColourFunction& function : kFunctions) {
    if (function.name == name) return FunctionColour(function, body);
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> NumberOfText(std::string_view text) {
  std::size_t pos = 0;
  Component number;
  if (!ReadNumber(text, pos, number) || pos != text.size()) return std::nullopt;
  return number.value;
}

std::optional<ColourValue> ParseColourText(std::string_view text, int currentNotation) {
  if (text.size() > kMaxTextLength) return std::nullopt;
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  const std::string_view t = lower;

  switch (t.front()) {
    case '~':
      return CssNamedColour(t.substr(1));
    case '#':
      return WebHex(t.substr(1));
    case '$':
      return BgrHex(t.substr(1));
    case '&':
      return t.substr(0, 2) == "&h" ? BgrHex(t.substr(2)) : std::nullopt;
    default:
      break;
  }
  if (t.substr(0, 2) == "0x") return BgrHex(t.substr(2));
  if (t.size() == 6 && HexNumber(t) && !(AllDigits(t) && currentNotation == kNotationInteger)) {
    return WebHex(t);  // Flash's rrggbb
  }
  if (AllDigits(t)) return IntegerNumber(t);
  if (IsLetter(t.front())) return NamedOrFunction(t);
  return BareTriple(t);
}

}  // namespace tl
