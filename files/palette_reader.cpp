#include "files/palette_reader.h"

#include <cstring>

#include "files/colour_table.h"
#include "files/gimp_palette.h"
#include "res/product.h"

namespace tl {
namespace {

bool StartsWith(const std::uint8_t* data, std::size_t size, const char* magic) {
  const std::size_t length = std::strlen(magic);
  return size >= length && std::memcmp(data, magic, length) == 0;
}

}  // namespace

std::optional<FileKind> DetectFileKind(const std::uint8_t* data, std::size_t size,
                                       const std::string& path) {
  if (StartsWith(data, size, "TintLns")) return FileKind::ColourList;
  if (StartsWith(data, size, "ASEF")) return FileKind::SwatchExchange;
  if (LooksLikeGimpPalette(data, size)) return FileKind::GimpPalette;
  const std::optional<FileKind> named = FileKindOfExtension(path);
  const bool table = size == kColourTableSlots * 3 || size == kColourTableSlots * 3 + 4;
  const bool swatches = size >= 2 && data[0] == 0 && (data[1] == 1 || data[1] == 2);
  // A table whose first colour starts 00 01 or 00 02 looks like both.
  if (table && swatches) {
    return named == FileKind::PhotoshopSwatches ? FileKind::PhotoshopSwatches
                                                : FileKind::ColourTable;
  }
  if (table) return FileKind::ColourTable;
  if (swatches) return FileKind::PhotoshopSwatches;
  return named;
}

PaletteRead ReadPalette(const std::uint8_t* data, std::size_t size, const std::string& path) {
  const std::optional<FileKind> kind = DetectFileKind(data, size, path);
  if (!kind) return NotAPalette("not a palette file " TL_PROGRAM_NAME " knows");
  // The colour list has no magic Tintlens ever checked: a .clf reads as one.
  return RowOf(*kind).read(data, size);
}

}  // namespace tl
