#include "files/swatch_exchange.h"

#include <cstring>
#include <optional>

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

struct ColourModel {
  char name[5];
  int components;
};
constexpr ColourModel kModels[] = {{"RGB ", 3}, {"Gray", 1}, {"CMYK", 4}, {"LAB ", 3}};

// One colour entry's data: a UTF-16 name with its length, the model, its
// components and the colour type, all inside the block.
std::optional<ColourValue> ReadColourEntry(const std::uint8_t* block, std::size_t length) {
  BigEndianReader in(block, length);
  std::uint32_t nameLength;
  if (!in.Read16(nameLength) || !in.Skip(2 * std::size_t(nameLength)) || in.Left() < 4) {
    return std::nullopt;
  }
  const char* model = reinterpret_cast<const char*>(in.At());
  in.Skip(4);
  for (const ColourModel& known : kModels) {
    if (std::memcmp(model, known.name, 4) != 0) continue;
    double v[4] = {};
    for (int i = 0; i < known.components; ++i) {
      if (!ReadFloat(in, v[i])) return std::nullopt;
    }
    switch (known.name[0]) {
      case 'R': return MakeColour(UnitToByte(v[0]), UnitToByte(v[1]), UnitToByte(v[2]));
      case 'G': return FromGray(v[0]);
      case 'C': return FromCmyk(v[0], v[1], v[2], v[3]);
      default: return FromLab(100 * v[0], v[1], v[2]);  // L is stored as 0..1
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

void PutUtf16Name(Bytes& out, const std::string& name) {
  for (char c : name) PutBigEndian16(out, static_cast<unsigned char>(c));
  PutBigEndian16(out, 0);
}

Bytes EncodeSwatchExchange(const std::vector<ColourValue>& colours) {
  Bytes out;
  out.reserve(12 + colours.size() * 62);
  out.insert(out.end(), {'A', 'S', 'E', 'F', 0x00, 0x01, 0x00, 0x00});
  PutBigEndian32(out, static_cast<std::uint32_t>(colours.size()));
  for (ColourValue colour : colours) {
    const std::string name = SwatchName(colour);
    const auto length = static_cast<std::uint32_t>(name.size());
    PutBigEndian16(out, 1);                    // colour entry
    PutBigEndian32(out, 22 + 2 * length);      // bytes that follow
    PutBigEndian16(out, length + 1);           // with terminator
    PutUtf16Name(out, name);
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
    if (type == kColourEntry) {
      if (const std::optional<ColourValue> colour = ReadColourEntry(in.At(), length)) {
        read.colours.push_back(*colour);
      }
    }
    in.Skip(length);  // group starts and ends, and anything newer, hold no colour
  }
  return read;
}

}  // namespace tl
