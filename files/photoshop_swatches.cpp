#include "files/photoshop_swatches.h"

#include <algorithm>
#include <optional>

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
    case kRgb: return MakeColour(UnitToByte(Full(v[0])), UnitToByte(Full(v[1])), UnitToByte(Full(v[2])));
    case kHsb: return FromHsb(360 * Full(v[0]), Full(v[1]), Full(v[2]));
    case kCmyk: return FromCmyk(1 - Full(v[0]), 1 - Full(v[1]), 1 - Full(v[2]), 1 - Full(v[3]));
    case kLab:
      return FromLab(v[0] / 100.0, static_cast<std::int16_t>(v[1]) / 100.0,
                     static_cast<std::int16_t>(v[2]) / 100.0);
    case kGray: return FromGray(1 - v[0] / 10000.0);
    default: return std::nullopt;
  }
}

// One section after its version word. With names, each colour's name follows it.
// A section that ends early keeps the colours before the break.
void ReadSection(BigEndianReader& in, bool named, std::vector<ColourValue>& colours) {
  std::uint32_t count;
  if (!in.Read16(count)) return;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t space, v[4];
    if (!in.Read16(space) || !in.Read16(v[0]) || !in.Read16(v[1]) || !in.Read16(v[2]) ||
        !in.Read16(v[3])) {
      return;
    }
    std::uint32_t nameLength = 0;
    if (named && (!in.Read32(nameLength) || nameLength > in.Left() / 2)) return;
    in.Skip(2 * std::size_t(nameLength));
    if (const std::optional<ColourValue> colour = FromSpace(space, v)) colours.push_back(*colour);
  }
}

void PutColour(Bytes& out, ColourValue colour) {
  PutBigEndian16(out, kRgb);
  PutBigEndian16(out, RedOf(colour) * 257);
  PutBigEndian16(out, GreenOf(colour) * 257);
  PutBigEndian16(out, BlueOf(colour) * 257);
  PutBigEndian16(out, 0);
}

}  // namespace

Bytes EncodePhotoshopSwatches(const std::vector<ColourValue>& colours) {
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
    const std::string name = SwatchName(colours[i]);
    PutBigEndian32(out, static_cast<std::uint32_t>(name.size()) + 1);  // with the terminator
    PutUtf16Name(out, name);
  }
  return out;
}

PaletteRead ReadPhotoshopSwatches(const std::uint8_t* data, std::size_t size) {
  BigEndianReader in(data, size);
  std::uint32_t version;
  if (!in.Read16(version) || (version != 1 && version != 2)) {
    return NotAPalette("not a Photoshop swatches file");
  }
  PaletteRead read;
  ReadSection(in, version == 2, read.colours);
  return read;
}

}  // namespace tl
