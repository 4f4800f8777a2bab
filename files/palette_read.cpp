#include "files/palette_read.h"

#include "core/colour_list.h"

namespace tl {

void NameReadColour(PaletteRead& read, std::size_t index, std::string_view text) {
  if (text.empty() || index >= read.colours.size()) return;
  std::optional<std::string> name = ColourNameOf(text);
  if (!name || name->empty()) return;
  if (read.names.size() <= index) read.names.resize(index + 1);
  read.names[index] = std::move(*name);
}

}  // namespace tl
