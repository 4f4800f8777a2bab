#pragma once
// Adobe Swatch Exchange (.ase) 1.0: one RGB colour entry per colour, no groups.

#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"

namespace tl {

// The component as the file stores it: c times the single nearest to 1/255,
// rounded to single. 255 gives exactly 1.0; 52 gives 0x3E50D0D2.
float SwatchComponent(unsigned component);

Bytes EncodeSwatchExchange(const std::vector<ColourValue>& colours);

}  // namespace tl
