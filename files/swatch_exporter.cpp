#include "files/swatch_exporter.h"

#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/file_io.h"
#include "files/gimp_palette.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"

namespace tl {

bool SwatchExporter::Write(const std::string& path) const {
  return WriteFileReplacing(path, Encode());
}

Bytes SwatchExchangeExporter::Encode() const { return EncodeSwatchExchange(colours); }

Bytes ColourTableExporter::Encode() const { return EncodeColourTable(colours); }

Bytes PhotoshopSwatchesExporter::Encode() const { return EncodePhotoshopSwatches(colours); }

Bytes GimpPaletteExporter::Encode() const {
  const std::string text = EncodeGimpPalette(m_name, colours);
  return Bytes(text.begin(), text.end());
}

Bytes ColourListExporter::Encode() const { return EncodeColourListFile(colours); }

std::unique_ptr<SwatchExporter> ExporterFor(FileKind kind, std::vector<ColourValue> colours,
                                            const std::string& paletteName) {
  switch (kind) {
    case FileKind::ColourList: return std::make_unique<ColourListExporter>(std::move(colours));
    case FileKind::SwatchExchange: return std::make_unique<SwatchExchangeExporter>(std::move(colours));
    case FileKind::ColourTable: return std::make_unique<ColourTableExporter>(std::move(colours));
    case FileKind::PhotoshopSwatches:
      return std::make_unique<PhotoshopSwatchesExporter>(std::move(colours));
    case FileKind::GimpPalette:
      return std::make_unique<GimpPaletteExporter>(std::move(colours), paletteName);
  }
  return nullptr;
}

}  // namespace tl
