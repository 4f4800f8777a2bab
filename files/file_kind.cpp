#include "files/file_kind.h"

#include <cctype>

namespace tl {
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
  if (extension == "clf") return FileKind::ColourList;
  if (extension == "ase") return FileKind::SwatchExchange;
  if (extension == "act") return FileKind::ColourTable;
  if (extension == "aco") return FileKind::PhotoshopSwatches;
  if (extension == "gpl") return FileKind::GimpPalette;
  return std::nullopt;
}

std::string PaletteNameOf(const std::string& path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace tl
