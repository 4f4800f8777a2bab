#pragma once
// Adobe Swatch Exchange (.ase), big-endian: "ASEF", version, block count, then
// blocks of a type and a length. We write version 1.0, one RGB colour entry per
// colour and no groups; we read colour entries in any model, inside groups or not,
// with their names.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/palette_read.h"

namespace tl {

// The name the exports give a colour without one: "R=18 G=52 B=86".
std::string SwatchName(ColourValue colour);
// The name an export writes for colours[i]: its own, else SwatchName.
std::string SwatchNameOf(const std::vector<ColourValue>& colours,
                         const std::vector<std::string>& names, std::size_t i);
// A UTF-8 name as UTF-16BE with its terminating zero, at most maxUnits units
// before it (never half a surrogate pair); returns the units written, the zero
// included.
std::uint32_t PutUtf16Name(Bytes& out, const std::string& name, std::size_t maxUnits = 0xFFFFFFFE);
// Names a colour read from a swatch file (see NameReadColour), except with the
// name an export gives a colour without one: read back, such a colour has none,
// so that a list goes out and comes back as it was.
void NameReadSwatch(PaletteRead& read, std::size_t index, std::string_view name);

// Names by index (as ColourList::Names); a colour without one gets SwatchName.
Bytes EncodeSwatchExchange(const std::vector<ColourValue>& colours,
                           const std::vector<std::string>& names = {});

// Colour entries in file order, groups flattened, models "RGB ", "Gray", "CMYK" and
// "LAB "; an entry in another model, a malformed entry and any other block are
// skipped by their length. Reading ends at the first block that runs past the end
// of the data (the block count is not trusted).
PaletteRead ReadSwatchExchange(const std::uint8_t* data, std::size_t size);

}  // namespace tl
