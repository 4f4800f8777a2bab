#pragma once
// A GIMP palette (.gpl), as GIMP, Inkscape and Krita read it: a text file whose
// first line is "GIMP Palette", then header lines, comments and one colour a line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/palette_read.h"

namespace tl {

// "GIMP Palette", "Name: <name>", then "%3d %3d %3d<TAB>" per colour and its
// name (by index, as ColourList::Names), or "R=%d G=%d B=%d" for one without.
std::string EncodeGimpPalette(const std::string& name, const std::vector<ColourValue>& colours,
                              const std::vector<std::string>& names = {});

// Lines end in CR, LF or CRLF. "Name:" and "Columns:" lines, "#" comments and
// blank lines are skipped; a colour line is three whole numbers separated by
// blanks, perhaps with a name after them (kept, without the blanks around it),
// each held to 0..255 as GIMP does. Any other line is skipped.
PaletteRead ReadGimpPalette(const std::uint8_t* data, std::size_t size);

// The first line is "GIMP Palette" (after a UTF-8 byte order mark, if any).
bool LooksLikeGimpPalette(const std::uint8_t* data, std::size_t size);

}  // namespace tl
