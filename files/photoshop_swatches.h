#pragma once
// Photoshop swatches (.aco), big-endian 16-bit words. A version 1 section (1, the
// count, then per colour a colour space and four values), and usually after it a
// version 2 section that repeats the colours, each followed by its name (a 32-bit
// length in UTF-16 units counting the terminating zero, then the UTF-16 text).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/palette_read.h"

namespace tl {

// A section counts at most this many colours.
constexpr std::size_t kPhotoshopSwatchesMax = 65535;

// Both sections, RGB only, each colour with its name (by index, as
// ColourList::Names) or, without one, named as the swatch exchange names it
// ("R=18 G=52 B=86"); the first 65,535 colours from the top of the list.
Bytes EncodePhotoshopSwatches(const std::vector<ColourValue>& colours,
                              const std::vector<std::string>& names = {});

// The version 1 section where there is one, else a version 2 section alone.
// Colour spaces RGB, HSB, CMYK, Lab and grayscale; a colour in another space is
// skipped. Reading ends at the first colour that runs past the end of the data.
// The names come from the version 2 section, the one after version 1 record by
// record (as long as both last).
PaletteRead ReadPhotoshopSwatches(const std::uint8_t* data, std::size_t size);

}  // namespace tl
