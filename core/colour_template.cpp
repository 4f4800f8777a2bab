#include "core/colour_template.h"

#include <iterator>

#include "core/css_names.h"
#include "core/number_text.h"

namespace tl {
namespace {

void AppendHexUpper(std::string& out, unsigned byte) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  out += kDigits[(byte >> 4) & 0xF];
  out += kDigits[byte & 0xF];
}

// A channel over 255 with three decimals, rounded halves up in integers (the
// exact value 200c/51 thousandths is never a half).
void AppendUnit(std::string& out, unsigned channel) {
  const unsigned thousandths = (2000 * channel + 255) / 510;
  AppendDecimal(out, thousandths / 1000);
  out += '.';
  out += static_cast<char>('0' + thousandths / 100 % 10);
  out += static_cast<char>('0' + thousandths / 10 % 10);
  out += static_cast<char>('0' + thousandths % 10);
}

unsigned Channel(ColourValue colour, int index) { return colour >> (8 * index) & 0xFF; }

struct Token {
  std::string_view name;
  void (*append)(std::string& out, ColourValue colour);
};

// The hue, saturations, lightness and value are those CSS hsl() and HSV show.
constexpr Token kTokens[] = {
    {"r", [](std::string& o, ColourValue c) { AppendDecimal(o, Channel(c, 0)); }},
    {"g", [](std::string& o, ColourValue c) { AppendDecimal(o, Channel(c, 1)); }},
    {"b", [](std::string& o, ColourValue c) { AppendDecimal(o, Channel(c, 2)); }},
    {"rx", [](std::string& o, ColourValue c) { AppendHex2(o, Channel(c, 0)); }},
    {"gx", [](std::string& o, ColourValue c) { AppendHex2(o, Channel(c, 1)); }},
    {"bx", [](std::string& o, ColourValue c) { AppendHex2(o, Channel(c, 2)); }},
    {"RX", [](std::string& o, ColourValue c) { AppendHexUpper(o, Channel(c, 0)); }},
    {"GX", [](std::string& o, ColourValue c) { AppendHexUpper(o, Channel(c, 1)); }},
    {"BX", [](std::string& o, ColourValue c) { AppendHexUpper(o, Channel(c, 2)); }},
    {"rf", [](std::string& o, ColourValue c) { AppendUnit(o, Channel(c, 0)); }},
    {"gf", [](std::string& o, ColourValue c) { AppendUnit(o, Channel(c, 1)); }},
    {"bf", [](std::string& o, ColourValue c) { AppendUnit(o, Channel(c, 2)); }},
    {"h", [](std::string& o, ColourValue c) { AppendDecimal(o, HueAndShadeOf(c, true).hue); }},
    {"sl",
     [](std::string& o, ColourValue c) { AppendDecimal(o, HueAndShadeOf(c, true).saturation); }},
    {"l",
     [](std::string& o, ColourValue c) { AppendDecimal(o, HueAndShadeOf(c, true).lightOrValue); }},
    {"sv",
     [](std::string& o, ColourValue c) { AppendDecimal(o, HueAndShadeOf(c, false).saturation); }},
    {"v",
     [](std::string& o, ColourValue c) { AppendDecimal(o, HueAndShadeOf(c, false).lightOrValue); }},
    {"int", [](std::string& o, ColourValue c) { o += NotationText(c, kNotationInteger); }},
    {"name", [](std::string& o, ColourValue c) { o += NearestCssName(c).name; }},
};

}  // namespace

std::optional<ColourTemplate> ColourTemplate::Parse(std::string_view text, std::string& error) {
  ColourTemplate parsed;
  std::string literal;
  auto endLiteral = [&] {
    if (!literal.empty()) parsed.m_pieces.push_back({-1, std::move(literal)});
    literal.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
      literal += c;
      ++i;
    } else if (c == '}') {
      error = "a lone '}' (write '}}' for a brace)";
      return std::nullopt;
    } else if (c == '{') {
      const std::size_t close = text.find('}', i + 1);
      if (close == std::string_view::npos) {
        error = "a '{' without its '}' (write '{{' for a brace)";
        return std::nullopt;
      }
      const std::string_view name = text.substr(i + 1, close - i - 1);
      int found = -1;
      for (std::size_t t = 0; t < std::size(kTokens); ++t) {
        if (kTokens[t].name == name) found = static_cast<int>(t);
      }
      if (found < 0) {
        error = "unknown token '{" + std::string(name) + "}'";
        return std::nullopt;
      }
      endLiteral();
      parsed.m_pieces.push_back({found, std::string()});
      i = close;
    } else {
      literal += c;
    }
  }
  endLiteral();
  return parsed;
}

std::string ColourTemplate::Format(ColourValue colour) const {
  std::string out;
  for (const Piece& piece : m_pieces) {
    if (piece.token < 0) out += piece.text;
    else kTokens[piece.token].append(out, colour);
  }
  return out;
}

}  // namespace tl
