#pragma once
// Adobe Color Table (.act): 256 RGB slots, then the count used and "no
// transparent colour", except that a table of exactly 256 colours has no trailer.

#include <cstddef>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/palette_read.h"

namespace tl {

constexpr std::size_t kColourTableSlots = 256;

// Only the first 256 colours (from the top of the list) fit.
Bytes EncodeColourTable(const std::vector<ColourValue>& colours);

// 768 bytes: all 256 slots. 772 bytes: as many slots as the count at offset 768
// says: none for 0 (an empty list's export), all of them for one over 256. Any
// other size is not a colour table.
PaletteRead ReadColourTable(const std::uint8_t* data, std::size_t size);

}  // namespace tl
