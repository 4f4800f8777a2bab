#pragma once
// What a palette reader gives back. Readers take any bytes and never throw: a file
// that is not of their kind gives a reason, a damaged one the colours before the
// damage.

#include <string>
#include <vector>

#include "core/colour.h"

namespace tl {

struct PaletteRead {
  std::vector<ColourValue> colours;  // in file order
  std::string error;                 // why these bytes are no palette; empty when read

  bool Ok() const { return error.empty(); }
};

inline PaletteRead NotAPalette(std::string why) { return PaletteRead{{}, std::move(why)}; }

}  // namespace tl
