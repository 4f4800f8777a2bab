#include "files/palette_writer.h"

#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/file_io.h"
#include "files/gimp_palette.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"

namespace tl {

Bytes EncodePalette(FileKind kind, const std::vector<ColourValue>& colours,
                    const std::string& paletteName) {
  switch (kind) {
    case FileKind::ColourList: return EncodeColourListFile(colours);
    case FileKind::SwatchExchange: return EncodeSwatchExchange(colours);
    case FileKind::ColourTable: return EncodeColourTable(colours);
    case FileKind::PhotoshopSwatches: return EncodePhotoshopSwatches(colours);
    case FileKind::GimpPalette: {
      const std::string text = EncodeGimpPalette(paletteName, colours);
      return Bytes(text.begin(), text.end());
    }
  }
  return {};
}

bool WritePalette(FileKind kind, const std::string& path,
                  const std::vector<ColourValue>& colours, const std::string& paletteName) {
  return WriteFileReplacing(path, EncodePalette(kind, colours, paletteName));
}

}  // namespace tl
