#pragma once
// Whole-file reads and writes for the colour list file and the exports, on
// Windows and on POSIX systems alike.

#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"

namespace tl {

// Writes the bytes to a temporary file beside the target and puts it in the
// target's place only once every byte is written, so a failure (a full disk, no
// access) leaves any earlier file as it was. False when anything failed.
bool WriteFileReplacing(const std::string& path, const Bytes& bytes);

// The colour list file's entries, or nothing when the file cannot be opened.
// Read in large pieces, never more than the count asks for.
std::optional<std::vector<ColourValue>> ReadColourListFile(const std::string& path);

// Every byte of a file, or nothing when it cannot be opened or read.
std::optional<Bytes> ReadWholeFile(const std::string& path);

}  // namespace tl
