#include "files/gimp_palette.h"

#include <cstdio>

namespace tl {

std::string EncodeGimpPalette(const std::string& name, const std::vector<ColourValue>& colours) {
  std::string out = "GIMP Palette\nName: " + name + "\n";
  char line[64];
  for (ColourValue c : colours) {
    const int r = int(RedOf(c)), g = int(GreenOf(c)), b = int(BlueOf(c));
    std::snprintf(line, sizeof line, "%3d %3d %3d\tR=%d G=%d B=%d\n", r, g, b, r, g, b);
    out += line;
  }
  return out;
}

}  // namespace tl
