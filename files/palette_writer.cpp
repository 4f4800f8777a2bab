#include "files/palette_writer.h"

#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/file_io.h"
#include "files/gimp_palette.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"

namespace tl {

Bytes EncodePalette(FileKind kind, const std::vector<ColourValue>& colours,
                    const std::string& paletteName, const std::vector<std::string>& names) {
  switch (kind) {
    case FileKind::ColourList: return EncodeColourListFile(colours, names);
    case FileKind::SwatchExchange: return EncodeSwatchExchange(colours, names);
    case FileKind::ColourTable: return EncodeColourTable(colours);
    case FileKind::PhotoshopSwatches: return EncodePhotoshopSwatches(colours, names);
    case FileKind::GimpPalette: {
      const std::string text = EncodeGimpPalette(paletteName, colours, names);
      return Bytes(text.begin(), text.end());
    }
  }
  return {};
}

bool WritePalette(FileKind kind, const std::string& path,
                  const std::vector<ColourValue>& colours, const std::string& paletteName,
                  const std::vector<std::string>& names, std::string* why) {
  return WriteFileReplacing(path, EncodePalette(kind, colours, paletteName, names), why);
}

std::size_t MostColoursOf(FileKind kind) {
  switch (kind) {
    case FileKind::ColourTable: return kColourTableSlots;
    case FileKind::PhotoshopSwatches: return kPhotoshopSwatchesMax;
    default: return static_cast<std::size_t>(-1);
  }
}

bool HoldsNames(FileKind kind) { return kind != FileKind::ColourTable; }

}  // namespace tl
