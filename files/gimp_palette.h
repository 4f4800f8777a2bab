#pragma once
// A GIMP palette (.gpl), as GIMP, Inkscape and Krita read it.

#include <string>
#include <vector>

#include "core/colour.h"

namespace tl {

// "GIMP Palette", "Name: <name>", then "%3d %3d %3d<TAB>R=%d G=%d B=%d" per colour.
std::string EncodeGimpPalette(const std::string& name, const std::vector<ColourValue>& colours);

}  // namespace tl
