#pragma once
// The kinds of palette file Tintlens reads and writes, and what a path's name
// says about them.

#include <optional>
#include <string>

namespace tl {

enum class FileKind { ColourList, SwatchExchange, ColourTable, PhotoshopSwatches, GimpPalette };

// By the extension, in any case: .clf, .ase, .act, .aco, .gpl.
std::optional<FileKind> FileKindOfExtension(const std::string& path);

// The file's name without its folders.
std::string FileNameOf(const std::string& path);

// The file's name without folders and extension: what a GIMP palette is named.
std::string PaletteNameOf(const std::string& path);

}  // namespace tl
