#pragma once
// Adobe Swatch Exchange (.ase), big-endian: "ASEF", version, block count, then
// blocks of a type and a length. We write version 1.0, one RGB colour entry per
// colour and no groups; we read colour entries in any model, inside groups or not.

#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/palette_read.h"

namespace tl {

// The name the exports give a colour: "R=18 G=52 B=86".
std::string SwatchName(ColourValue colour);
// An ASCII name as UTF-16BE with its terminating zero.
void PutUtf16Name(Bytes& out, const std::string& name);

Bytes EncodeSwatchExchange(const std::vector<ColourValue>& colours);

// Colour entries in file order, groups flattened, models "RGB ", "Gray", "CMYK" and
// "LAB "; an entry in another model, a malformed entry and any other block are
// skipped by their length. Reading ends at the first block that runs past the end
// of the data (the block count is not trusted).
PaletteRead ReadSwatchExchange(const std::uint8_t* data, std::size_t size);

}  // namespace tl
