#pragma once
// Adobe Color Table (.act): 256 RGB slots, then the count used and "no
// transparent colour", except that a table of exactly 256 colours has no trailer.

#include <cstddef>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"

namespace tl {

constexpr std::size_t kColourTableSlots = 256;

// Only the first 256 colours (from the top of the list) fit.
Bytes EncodeColourTable(const std::vector<ColourValue>& colours);

}  // namespace tl
