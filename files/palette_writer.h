#pragma once
// Every kind Tintlens writes, chosen by its kind: the colours of the list, top
// first.

#include <cstddef>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/file_kind.h"

namespace tl {

// The whole file; a GIMP palette is named `paletteName`. The colours' names go
// where the kind holds names (all but the colour table).
Bytes EncodePalette(FileKind kind, const std::vector<ColourValue>& colours,
                    const std::string& paletteName, const std::vector<std::string>& names = {});

// False when the file could not be written in full; then any earlier file at the
// path is left as it was, and `why`, when given, says what the system said.
bool WritePalette(FileKind kind, const std::string& path, const std::vector<ColourValue>& colours,
                  const std::string& paletteName, const std::vector<std::string>& names = {},
                  std::string* why = nullptr);

}  // namespace tl
