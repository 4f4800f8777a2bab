#pragma once
// Whole-file reads and writes for the colour list file and the exports, on
// Windows and on POSIX systems alike.

#include <cstdint>
#include <string>

#include "core/colour.h"
#include "files/byte_order.h"

namespace tl {

// Writes the bytes to a temporary file beside the target and puts it in the
// target's place only once every byte is written, so a failure (a full disk, no
// access) leaves any earlier file as it was. False when anything failed. First it
// removes the temporary files that writes of the same target killed part-way
// left there (see files/temporary_file.h). On failure `why`, when given, gets
// the system's reason ("Permission denied"). The file gets the permissions a new
// file gets (on POSIX systems, 0666 less the umask).
bool WriteFileReplacing(const std::string& path, const Bytes& bytes, std::string* why = nullptr);

// Whether the two paths name one file that is there (however they spell it: a
// link, another case on Windows); false where either cannot be looked at.
bool SameFile(const std::string& a, const std::string& b);

// Whether no process with this id runs any more; false where that cannot be told.
bool ProcessIsGone(std::uint32_t processId);

// No palette comes near this (a colour list of 16 million colours): a larger
// file is refused from its size, before it can cost that much memory (in a
// 32-bit program, a failed allocation ends it without a word).
constexpr std::uint64_t kLargestPaletteFile = 64ull << 20;
constexpr const char* kTooLargeToBeAPalette = "too large to be a palette (over 64 MB)";

enum class ReadFailure { None, CannotOpen, TooLarge };

struct FileBytes {
  Bytes bytes;  // empty unless read whole
  ReadFailure failure = ReadFailure::None;
  std::string reason;  // the system's, for CannotOpen ("No such file or directory")

  bool Ok() const { return failure == ReadFailure::None; }
};

// Every byte of a file of at most kLargestPaletteFile bytes. A file that cannot
// be opened, or fails part-way (a folder, for one), gives nothing: never a part
// taken for the whole.
FileBytes ReadWholeFile(const std::string& path);

}  // namespace tl
