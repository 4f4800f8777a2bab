#pragma once
// What a palette reader gives back. Readers take any bytes and never throw: a file
// that is not of their kind gives a reason, a damaged one the colours before the
// damage. Names are cleaned as the list keeps them (core/colour_list.h); a name
// that is not Unicode is dropped, never its colour.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"

namespace tl {

struct PaletteRead {
  std::vector<ColourValue> colours;  // in file order
  std::string error;                 // why these bytes are no palette; empty when read
  // By index, as ColourList::Names: shorter than colours (or empty) where the
  // last ones have no name.
  std::vector<std::string> names;

  bool Ok() const { return error.empty(); }
};

inline PaletteRead NotAPalette(std::string why) { return PaletteRead{{}, std::move(why), {}}; }

// Gives the colour at index (already read) the name a file holds for it, cleaned
// as the list keeps names; a name that is not UTF-8, or is empty, gives none.
void NameReadColour(PaletteRead& read, std::size_t index, std::string_view name);

}  // namespace tl
