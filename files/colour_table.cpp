#include "files/colour_table.h"

#include <algorithm>

namespace tl {

Bytes EncodeColourTable(const std::vector<ColourValue>& colours) {
  Bytes out(kColourTableSlots * 3, 0);
  const std::size_t used = std::min(colours.size(), kColourTableSlots);
  for (std::size_t i = 0; i < used; ++i) {
    out[3 * i] = static_cast<std::uint8_t>(RedOf(colours[i]));
    out[3 * i + 1] = static_cast<std::uint8_t>(GreenOf(colours[i]));
    out[3 * i + 2] = static_cast<std::uint8_t>(BlueOf(colours[i]));
  }
  if (colours.size() != kColourTableSlots) {
    PutBigEndian16(out, static_cast<std::uint32_t>(used));
    out.push_back(0xFF);  // no transparent colour
    out.push_back(0xFF);
  }
  return out;
}

PaletteRead ReadColourTable(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kTableSize = kColourTableSlots * 3;
  if (size != kTableSize && size != kTableSize + 4) {
    return NotAPalette("not an Adobe Color Table (768 or 772 bytes)");
  }
  // The count is what an empty list exports as 0; only one past the slots
  // means the whole table.
  std::size_t used = kColourTableSlots;
  if (size == kTableSize + 4) used = std::min<std::size_t>(GetBigEndian16(data + kTableSize), used);
  PaletteRead read;
  read.colours.reserve(used);
  for (std::size_t i = 0; i < used; ++i) {
    read.colours.push_back(MakeColour(data[3 * i], data[3 * i + 1], data[3 * i + 2]));
  }
  return read;
}

}  // namespace tl
