#pragma once
// The named colours of CSS (without `transparent`): reading a name, and the name
// nearest to a colour. Portable.

#include <optional>
#include <string_view>

#include "core/colour.h"

namespace tl {

struct NearestName {
  const char* name;
  bool exact;  // the colour is the named colour itself
};

// The named colour at the smallest distance in Oklab; between names of the same
// colour, or at equal distances, the name first in alphabetical order. Cheap
// enough to call on every pointer move (148 distances).
NearestName NearestCssName(ColourValue colour);

// The colour of a CSS name, in any case; none for any other text.
std::optional<ColourValue> CssNamedColour(std::string_view name);

}  // namespace tl
