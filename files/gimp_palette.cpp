#include "files/gimp_palette.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "core/colour_list.h"
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

// The colour of a line, and the text after it: the name, with blanks around it.
std::optional<ColourValue> ReadColourLine(const char* p, const char* end, std::string_view& name) {
  unsigned rgb[3];
  for (unsigned& component : rgb) {
    while (p < end && IsBlank(*p)) ++p;
    const std::optional<unsigned> value = ReadComponent(p, end);
    if (!value) return std::nullopt;
    component = *value;
  }
  if (p < end && !IsBlank(*p)) return std::nullopt;  // "1 2 3x" is not a colour
  name = std::string_view(p, std::size_t(end - p));
  return MakeColour(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

std::string EncodeGimpPalette(const std::string& name, const std::vector<ColourValue>& colours,
                              const std::vector<std::string>& names) {
  std::string out = "GIMP Palette\nName: " + name + "\n";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const ColourValue c = colours[i];
    AppendDecimal(out, RedOf(c), 3);
    out += ' ';
    AppendDecimal(out, GreenOf(c), 3);
    out += ' ';
    AppendDecimal(out, BlueOf(c), 3);
    out += '\t';
    out += SwatchNameOf(colours, names, i);
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
    std::string_view text;
    if (const std::optional<ColourValue> colour = ReadColourLine(line, lineEnd, text)) {
      read.colours.push_back(*colour);
      // Trimmed once cleaned too, so that the name reads back as it is written.
      if (const std::optional<std::string> name = ColourNameOf(text)) {
        const std::size_t first = name->find_first_not_of(' '), last = name->find_last_not_of(' ');
        if (first != std::string::npos) {
          NameReadSwatch(read, read.colours.size() - 1, name->substr(first, last - first + 1));
        }
      }
    }
    line = lineEnd == end ? end : lineEnd + 1;
  }
  return read;
}

}  // namespace tl
