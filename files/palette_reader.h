#pragma once
// Any palette file Tintlens reads, told apart by its content: the magic of the
// colour list, the swatch exchange and the GIMP palette, the colour table's sizes
// and the Photoshop swatches' version word. The name's extension decides only
// where the content cannot tell.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "files/file_kind.h"
#include "files/palette_read.h"

namespace tl {

std::optional<FileKind> DetectFileKind(const std::uint8_t* data, std::size_t size,
                                       const std::string& path);

// The colours of a palette held in memory; `path` is used only for its extension.
PaletteRead ReadPalette(const std::uint8_t* data, std::size_t size, const std::string& path);

}  // namespace tl
