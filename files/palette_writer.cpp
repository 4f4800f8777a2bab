#include "files/palette_writer.h"

#include "files/file_io.h"

namespace tl {

Bytes EncodePalette(FileKind kind, const std::vector<ColourValue>& colours,
                    const std::string& paletteName, const std::vector<std::string>& names) {
  return RowOf(kind).encode(colours, paletteName, names);
}

bool WritePalette(FileKind kind, const std::string& path, const std::vector<ColourValue>& colours,
                  const std::string& paletteName, const std::vector<std::string>& names,
                  std::string* why) {
  return WriteFileReplacing(path, EncodePalette(kind, colours, paletteName, names), why);
}

}  // namespace tl
