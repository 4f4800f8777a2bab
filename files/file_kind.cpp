#include "files/file_kind.h"

#include <cctype>

#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/gimp_palette.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"
#include "res/product.h"
#include "res/resource_ids.h"

namespace tl {

constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

const std::array<FileKindRow, 5> kFileKinds{{
    {FileKind::ColourList, "clf", TL_PROGRAM_NAME " Color List File",
     TL_PROGRAM_NAME " colour list", ReadColourListFile,
     [](const std::vector<ColourValue>& colours, const std::string&,
        const std::vector<std::string>& names) { return EncodeColourListFile(colours, names); },
     true, kNoLimit, 0},
    {FileKind::SwatchExchange, "ase", "Adobe Swatch Exchange files", "Adobe Swatch Exchange",
     ReadSwatchExchange,
     [](const std::vector<ColourValue>& colours, const std::string&,
        const std::vector<std::string>& names) { return EncodeSwatchExchange(colours, names); },
     true, kNoLimit, ID_EXPORT_ASE},
    {FileKind::ColourTable, "act", "Adobe Color Table Files", "Adobe Color Table", ReadColourTable,
     [](const std::vector<ColourValue>& colours, const std::string&,
        const std::vector<std::string>&) { return EncodeColourTable(colours); },
     false, kColourTableSlots, ID_EXPORT_ACT},
    {FileKind::PhotoshopSwatches, "aco", "Photoshop Swatches", "Photoshop swatches",
     ReadPhotoshopSwatches,
     [](const std::vector<ColourValue>& colours, const std::string&,
        const std::vector<std::string>& names) { return EncodePhotoshopSwatches(colours, names); },
     true, kPhotoshopSwatchesMax, ID_EXPORT_ACO},
    {FileKind::GimpPalette, "gpl", "GIMP Palette", "GIMP palette", ReadGimpPalette,
     [](const std::vector<ColourValue>& colours, const std::string& paletteName,
        const std::vector<std::string>& names) {
       const std::string text = EncodeGimpPalette(paletteName, colours, names);
       return Bytes(text.begin(), text.end());
     },
     true, kNoLimit, ID_EXPORT_GPL},
}};

const FileKindRow& RowOf(FileKind kind) {
  for (const FileKindRow& row : kFileKinds) {
    if (row.kind == kind) return row;
  }
  return kFileKinds[0];
}

const FileKindRow* RowOfExportCommand(int id) {
  for (const FileKindRow& row : kFileKinds) {
    if (row.exportCommand != 0 && row.exportCommand == id) return &row;
  }
  return nullptr;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<FileKind> FileKindOfExtension(const std::string& path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos) return std::nullopt;
  std::string extension = name.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const FileKindRow& row : kFileKinds) {
    if (extension == row.extension) return row.kind;
  }
  return std::nullopt;
}

// The list's own kind is offered with every file too: a list may have any name.
std::string DialogFilterOf(FileKind kind) {
  const FileKindRow& row = RowOf(kind);
  const std::string pattern = std::string("*.") + row.extension;
  std::string filter = row.dialogName + ("(" + pattern + ")") + '\0' + pattern + '\0';
  if (kind == FileKind::ColourList) filter += std::string("All Files(*.*)") + '\0' + "*.*" + '\0';
  return filter;
}

std::string ImportDialogFilter() {
  std::string patterns;
  for (const FileKindRow& row : kFileKinds) {
    patterns += (patterns.empty() ? "*." : ";*.") + std::string(row.extension);
  }
  std::string filter = "All Palettes(" + patterns + ")" + '\0' + patterns + '\0';
  for (const FileKindRow& row : kFileKinds) {
    const std::string pattern = std::string("*.") + row.extension;
    filter += row.dialogName + ("(" + pattern + ")") + '\0' + pattern + '\0';
  }
  return filter;
}

std::string ExtensionList() {
  std::string list;
  for (std::size_t i = 0; i < kFileKinds.size(); ++i) {
    list += (i == 0 ? "." : i + 1 == kFileKinds.size() ? " or ." : ", .");
    list += kFileKinds[i].extension;
  }
  return list;
}

std::string PaletteNameOf(const std::string& path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace tl
