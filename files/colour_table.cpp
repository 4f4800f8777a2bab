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

}  // namespace tl
