#include "files/photoshop_swatches.h"

#include <algorithm>
#include <optional>

#include "core/unicode_text.h"
#include "files/colour_models.h"
#include "files/swatch_exchange.h"

namespace tl {
namespace {

enum ColourSpace : std::uint32_t { kRgb = 0, kHsb = 1, kCmyk = 2, kLab = 7, kGray = 8 };

double Full(std::uint32_t v) { return v / 65535.0; }

// Ranges as Adobe describes them: RGB and HSB use the full 16 bits (hue round the
// circle); CMYK too, but stored inverted (0 is full ink); Lab has L in
// 0..10000 and a, b as signed hundredths; grayscale is 0..10000 of ink, so 0 is
// white.
std::optional<ColourValue> FromSpace(std::uint32_t space, const std::uint32_t v[4]) {
  switch (space) {
    case kRgb:
      return MakeColour(UnitToByte(Full(v[0])), UnitToByte(Full(v[1])), UnitToByte(Full(v[2])));
    case kHsb:
      return FromHsb(360 * Full(v[0]), Full(v[1]), Full(v[2]));
    case kCmyk:
      return FromCmyk(1 - Full(v[0]), 1 - Full(v[1]), 1 - Full(v[2]), 1 - Full(v[3]));
    case kLab:
      return FromLab(v[0] / 100.0, static_cast<std::int16_t>(v[1]) / 100.0,
                     static_cast<std::int16_t>(v[2]) / 100.0);
    case kGray:
      return FromGray(1 - v[0] / 10000.0);
    default:
      return std::nullopt;
  }
}

// One colour record of a section: nothing for a colour space Tintlens does not
// read; with names, the name that follows the colour.
struct SwatchRecord {
  std::optional<ColourValue> colour;
  std::u16string name;
};

// One section after its version word. With names, each colour's name follows it.
// A section that ends early keeps the records before the break.
std::vector<SwatchRecord> ReadSection(BigEndianReader& in, bool named) {
  std::vector<SwatchRecord> records;
  std::uint32_t count;
  if (!in.Read16(count)) return records;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t space, v[4];
    if (!in.Read16(space) || !in.Read16(v[0]) || !in.Read16(v[1]) || !in.Read16(v[2]) ||
        !in.Read16(v[3])) {
      return records;
    }
    SwatchRecord record{FromSpace(space, v), {}};
    std::uint32_t nameLength = 0;
    if (named && (!in.Read32(nameLength) || nameLength > in.Left() / 2)) return records;
    for (std::uint32_t unit = 0; unit < nameLength; ++unit) {
      std::uint32_t c = 0;  // the bound above keeps every read in the file
      in.Read16(c);
      if (c == 0) {  // the terminator, and anything after it
        in.Skip(2 * std::size_t(nameLength - unit - 1));
        break;
      }
      record.name += static_cast<char16_t>(c);
    }
    records.push_back(std::move(record));
  }
  return records;
}

void PutColour(Bytes& out, ColourValue colour) {
  PutBigEndian16(out, kRgb);
  PutBigEndian16(out, RedOf(colour) * 257);
  PutBigEndian16(out, GreenOf(colour) * 257);
  PutBigEndian16(out, BlueOf(colour) * 257);
  PutBigEndian16(out, 0);
}

}  // namespace

Bytes EncodePhotoshopSwatches(const std::vector<ColourValue>& colours,
                              const std::vector<std::string>& names) {
  const std::size_t count = std::min(colours.size(), kPhotoshopSwatchesMax);
  Bytes out;
  out.reserve(8 + count * 50);
  PutBigEndian16(out, 1);
  PutBigEndian16(out, static_cast<std::uint32_t>(count));
  for (std::size_t i = 0; i < count; ++i) PutColour(out, colours[i]);
  PutBigEndian16(out, 2);
  PutBigEndian16(out, static_cast<std::uint32_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    PutColour(out, colours[i]);
    const std::size_t lengthAt = out.size();
    PutBigEndian32(out, 0);  // the name's units with the terminator, once written
    const std::uint32_t units = PutUtf16Name(out, SwatchNameOf(colours, names, i));
    for (int b = 0; b < 4; ++b)
      out[lengthAt + b] = static_cast<std::uint8_t>(units >> (24 - 8 * b));
  }
  return out;
}

PaletteRead ReadPhotoshopSwatches(const std::uint8_t* data, std::size_t size) {
  BigEndianReader in(data, size);
  std::uint32_t version;
  if (!in.Read16(version) || (version != 1 && version != 2)) {
    return NotAPalette("not a Photoshop swatches file");
  }
  // The colours of the first section; the names of a version 2 section, this one
  // or the one after a version 1 section, record by record.
  std::vector<SwatchRecord> records = ReadSection(in, version == 2);
  std::uint32_t next;
  if (version == 1 && in.Read16(next) && next == 2) {
    const std::vector<SwatchRecord> named = ReadSection(in, true);
    for (std::size_t i = 0; i < std::min(records.size(), named.size()); ++i) {
      records[i].name = named[i].name;
    }
  }
  PaletteRead read;
  for (const SwatchRecord& record : records) {
    if (!record.colour) continue;
    read.colours.push_back(*record.colour);
    if (const std::optional<std::string> name = Utf8OfUtf16(record.name)) {
      NameReadSwatch(read, read.colours.size() - 1, *name);
    }
  }
  return read;
}

}  // namespace tl
