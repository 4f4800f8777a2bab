#pragma once
// Every kind Tintlens writes, chosen by its kind: the colours of the list, top
// first.

#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/file_kind.h"

namespace tl {

// The whole file; a GIMP palette is named `paletteName`.
Bytes EncodePalette(FileKind kind, const std::vector<ColourValue>& colours,
                    const std::string& paletteName);

// False when the file could not be written in full; then any earlier file at the
// path is left as it was.
bool WritePalette(FileKind kind, const std::string& path,
                  const std::vector<ColourValue>& colours, const std::string& paletteName);

}  // namespace tl
