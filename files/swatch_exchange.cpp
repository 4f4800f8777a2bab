#include "files/swatch_exchange.h"

#include <cstring>
#include <optional>

#include "core/colour_list.h"
#include "core/unicode_text.h"
#include "files/colour_models.h"

namespace tl {
namespace {

void PutFloat(Bytes& out, float value) {
  std::uint32_t bits;
  static_assert(sizeof bits == sizeof value, "IEEE single expected");
  std::memcpy(&bits, &value, sizeof bits);
  PutBigEndian32(out, bits);
}

bool ReadFloat(BigEndianReader& in, double& value) {
  std::uint32_t bits;
  if (!in.Read32(bits)) return false;
  float single;
  std::memcpy(&single, &bits, sizeof single);
  value = single;
  return true;
}

// Up to the terminating zero, if there is one.
std::u16string ReadUtf16Name(const std::uint8_t* at, std::size_t units) {
  std::u16string name;
  for (std::size_t i = 0; i < units; ++i) {
    const auto unit = static_cast<char16_t>(GetBigEndian16(at + 2 * i));
    if (unit == 0) break;
    name += unit;
  }
  return name;
}

struct ColourModel {
  char name[5];
  int components;
};
constexpr ColourModel kModels[] = {{"RGB ", 3}, {"Gray", 1}, {"CMYK", 4}, {"LAB ", 3}};

// One colour entry's data: a UTF-16 name with its length, the model, its
// components and the colour type, all inside the block.
std::optional<ColourValue> ReadColourEntry(const std::uint8_t* block, std::size_t length,
                                           std::u16string& name) {
  BigEndianReader in(block, length);
  std::uint32_t nameLength;
  const std::uint8_t* nameAt = nullptr;
  if (!in.Read16(nameLength) || (nameAt = in.At(), !in.Skip(2 * std::size_t(nameLength))) ||
      in.Left() < 4) {
    return std::nullopt;
  }
  name = ReadUtf16Name(nameAt, nameLength);
  const char* model = reinterpret_cast<const char*>(in.At());
  in.Skip(4);
  for (const ColourModel& known : kModels) {
    if (std::memcmp(model, known.name, 4) != 0) continue;
    double v[4] = {};
    for (int i = 0; i < known.components; ++i) {
      if (!ReadFloat(in, v[i])) return std::nullopt;
    }
    switch (known.name[0]) {
      case 'R':
        return MakeColour(UnitToByte(v[0]), UnitToByte(v[1]), UnitToByte(v[2]));
      case 'G':
        return FromGray(v[0]);
      case 'C':
        return FromCmyk(v[0], v[1], v[2], v[3]);
      default:
        return FromLab(100 * v[0], v[1], v[2]);  // L is stored as 0..1
    }
  }
  return std::nullopt;
}

// The component as the file stores it: c times the single nearest to 1/255,
// rounded to single. 255 gives exactly 1.0; 52 gives 0x3E50D0D2.
float SwatchComponent(unsigned component) {
  const float oneOver255 = 1.0f / 255.0f;  // 0x3B808081
  return static_cast<float>(static_cast<double>(component) * static_cast<double>(oneOver255));
}

}  // namespace

std::string SwatchName(ColourValue colour) { return RgbPartsText(colour, "="); }

std::string SwatchNameOf(const std::vector<ColourValue>& colours,
                         const std::vector<std::string>& names, std::size_t i) {
  return i < names.size() && !names[i].empty() ? names[i] : SwatchName(colours[i]);
}

std::uint32_t PutUtf16Name(Bytes& out, const std::string& name, std::size_t maxUnits) {
  std::u16string units = Utf16OfUtf8(name);
  if (units.size() > maxUnits) {
    const bool splitsPair = units[maxUnits] >= 0xDC00 && units[maxUnits] <= 0xDFFF;
    units.resize(maxUnits - (splitsPair ? 1 : 0));
  }
  for (char16_t unit : units) PutBigEndian16(out, unit);
  PutBigEndian16(out, 0);
  return static_cast<std::uint32_t>(units.size() + 1);
}

void NameReadSwatch(PaletteRead& read, std::size_t index, std::string_view text) {
  const std::optional<std::string> name = ColourNameOf(text);
  if (!name || index >= read.colours.size() || *name == SwatchName(read.colours[index])) return;
  NameReadColour(read, index, *name);
}

Bytes EncodeSwatchExchange(const std::vector<ColourValue>& colours,
                           const std::vector<std::string>& names) {
  Bytes out;
  out.reserve(12 + colours.size() * 62);
  out.insert(out.end(), {'A', 'S', 'E', 'F', 0x00, 0x01, 0x00, 0x00});
  PutBigEndian32(out, static_cast<std::uint32_t>(colours.size()));
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const ColourValue colour = colours[i];
    PutBigEndian16(out, 1);  // colour entry
    const std::size_t lengthAt = out.size();
    PutBigEndian32(out, 0);  // bytes that follow, once the name is written
    PutBigEndian16(out, 0);  // the name's units with its terminator, likewise
    // The 16-bit length counts the terminator too.
    const std::uint32_t units = PutUtf16Name(out, SwatchNameOf(colours, names, i), 0xFFFE);
    out[lengthAt + 4] = static_cast<std::uint8_t>(units >> 8);
    out[lengthAt + 5] = static_cast<std::uint8_t>(units);
    const std::uint32_t length = 20 + 2 * units;
    for (int b = 0; b < 4; ++b)
      out[lengthAt + b] = static_cast<std::uint8_t>(length >> (24 - 8 * b));
    out.insert(out.end(), {'R', 'G', 'B', ' '});
    PutFloat(out, SwatchComponent(RedOf(colour)));
    PutFloat(out, SwatchComponent(GreenOf(colour)));
    PutFloat(out, SwatchComponent(BlueOf(colour)));
    PutBigEndian16(out, 2);  // normal colour
  }
  return out;
}

PaletteRead ReadSwatchExchange(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeaderSize = 12;  // signature, version, block count
  if (size < kHeaderSize || std::memcmp(data, "ASEF", 4) != 0) {
    return NotAPalette("not an Adobe Swatch Exchange file");
  }
  constexpr std::uint32_t kColourEntry = 0x0001;
  PaletteRead read;
  BigEndianReader in(data + kHeaderSize, size - kHeaderSize);
  std::uint32_t type, length;
  while (in.Read16(type) && in.Read32(length) && length <= in.Left()) {
    std::u16string name;
    if (type == kColourEntry) {
      if (const std::optional<ColourValue> colour = ReadColourEntry(in.At(), length, name)) {
        read.colours.push_back(*colour);
        if (const std::optional<std::string> utf8 = Utf8OfUtf16(name)) {
          NameReadSwatch(read, read.colours.size() - 1, *utf8);
        }
      }
    }
    in.Skip(length);  // group starts and ends, and anything newer, hold no colour
  }
  return read;
}

}  // namespace tl
