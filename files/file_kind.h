#pragma once
// The kinds of palette file Tintlens reads and writes, in one table: everything
// the program says or does differently for a kind (its extension, its names in
// the file dialogs and the console tool, its reader and writer, what it holds,
// the menu command that exports it) is a column here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/palette_read.h"

namespace tl {

enum class FileKind { ColourList, SwatchExchange, ColourTable, PhotoshopSwatches, GimpPalette };

struct FileKindRow {
  FileKind kind;
  const char* extension;    // lower case, without the dot
  const char* dialogName;   // as the file dialogs' filters name it
  const char* consoleName;  // as the console tool's help names it
  PaletteRead (*read)(const std::uint8_t* data, std::size_t size);
  // A GIMP palette is named `paletteName`; the colours' names go where the kind
  // holds names.
  Bytes (*encode)(const std::vector<ColourValue>& colours, const std::string& paletteName,
                  const std::vector<std::string>& names);
  bool holdsNames;
  std::size_t mostColours;
  int exportCommand;  // File > Export To's item; 0 for the list's own kind
};

// In the order the menus, filters and help name them.
extern const std::array<FileKindRow, 5> kFileKinds;
const FileKindRow& RowOf(FileKind kind);
// The row whose File > Export To item has this command id, or none.
const FileKindRow* RowOfExportCommand(int id);

// By the extension, in any case: .clf, .ase, .act, .aco, .gpl.
std::optional<FileKind> FileKindOfExtension(const std::string& path);

// A file dialog's filter for one kind ("name\0*.ext\0"), and for Import: every
// kind together first, then each alone.
std::string DialogFilterOf(FileKind kind);
std::string ImportDialogFilter();
// The extensions as the console tool lists them: ".clf, .ase, .act, .aco or .gpl".
std::string ExtensionList();

// The file's name without its folders.
std::string FileNameOf(const std::string& path);

// The file's name without folders and extension: what a GIMP palette is named.
std::string PaletteNameOf(const std::string& path);

}  // namespace tl
