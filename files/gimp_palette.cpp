#include "files/gimp_palette.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "core/number_text.h"
#include "files/swatch_exchange.h"

namespace tl {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr char kMagic[] = "GIMP Palette";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool StartsWith(const char* p, const char* end, const char* prefix) {
  const std::size_t length = std::strlen(prefix);
  return std::size_t(end - p) >= length && std::memcmp(p, prefix, length) == 0;
}

// Where the first line begins, past a byte order mark.
const char* TextStart(const char* p, const char* end) {
  return StartsWith(p, end, kBom) ? p + 3 : p;
}

// A whole number at p, which moves past it, held to 0..255 as GIMP holds it: a
// value out of range keeps its colour. Digits past the range change nothing.
std::optional<unsigned> ReadComponent(const char*& p, const char* end) {
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '-' || *p == '+')) ++p;
  unsigned value = 0;
  const char* start = p;
  while (p < end && *p >= '0' && *p <= '9') {
    value = std::min(value * 10 + unsigned(*p - '0'), 256u);
    ++p;
  }
  if (p == start) return std::nullopt;
  return negative ? 0 : std::min(value, 255u);
}

std::optional<ColourValue> ReadColourLine(const char* p, const char* end) {
  unsigned rgb[3];
  for (unsigned& component : rgb) {
    while (p < end && IsBlank(*p)) ++p;
    const std::optional<unsigned> value = ReadComponent(p, end);
    if (!value) return std::nullopt;
    component = *value;
  }
  if (p < end && !IsBlank(*p)) return std::nullopt;  // "1 2 3x" is not a colour
  return MakeColour(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

std::string EncodeGimpPalette(const std::string& name, const std::vector<ColourValue>& colours) {
  std::string out = "GIMP Palette\nName: " + name + "\n";
  for (ColourValue c : colours) {
    AppendDecimal(out, RedOf(c), 3);
    out += ' ';
    AppendDecimal(out, GreenOf(c), 3);
    out += ' ';
    AppendDecimal(out, BlueOf(c), 3);
    out += '\t';
    out += SwatchName(c);
    out += '\n';
  }
  return out;
}

bool LooksLikeGimpPalette(const std::uint8_t* data, std::size_t size) {
  const char* begin = reinterpret_cast<const char*>(data);
  return StartsWith(TextStart(begin, begin + size), begin + size, kMagic);
}

PaletteRead ReadGimpPalette(const std::uint8_t* data, std::size_t size) {
  if (!LooksLikeGimpPalette(data, size)) return NotAPalette("not a GIMP palette");
  const char* const end = reinterpret_cast<const char*>(data) + size;
  const char* line = TextStart(reinterpret_cast<const char*>(data), end);
  PaletteRead read;
  while (line < end) {
    // CR, LF or CRLF: the CRLF's LF ends an empty line.
    const char* lineEnd = std::find_if(line, end, [](char c) { return c == '\n' || c == '\r'; });
    // The magic, "Name:" and "Columns:" lines and "#" comments never start with a
    // number, so they fall out with the malformed lines.
    if (const std::optional<ColourValue> colour = ReadColourLine(line, lineEnd)) {
      read.colours.push_back(*colour);
    }
    line = lineEnd == end ? end : lineEnd + 1;
  }
  return read;
}

}  // namespace tl
