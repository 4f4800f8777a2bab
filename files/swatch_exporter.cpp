#include "files/swatch_exporter.h"

#include "files/colour_table.h"
#include "files/file_io.h"
#include "files/swatch_exchange.h"

namespace tl {

bool SwatchExporter::Write(const std::string& path) const {
  return WriteFileReplacing(path, Encode());
}

Bytes SwatchExchangeExporter::Encode() const { return EncodeSwatchExchange(colours); }

Bytes ColourTableExporter::Encode() const { return EncodeColourTable(colours); }

}  // namespace tl
