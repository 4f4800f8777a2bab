#include <windows.h>

#include <algorithm>

#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "platform/handles.h"

namespace tl {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool WriteAll(HANDLE file, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

UniqueFile OpenForReading(const std::string& path) {
  return UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool WriteFileReplacing(const std::string& path, const Bytes& bytes) {
  char temporary[MAX_PATH] = {};
  if (!::GetTempFileNameA(FolderOf(path).c_str(), "tl", 0, temporary)) return false;
  bool written;
  {
    const UniqueFile file(::CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    written = file && WriteAll(file.Get(), bytes) && ::FlushFileBuffers(file.Get());
  }
  if (written && ::MoveFileExA(temporary, path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  ::DeleteFileA(temporary);
  return false;
}

std::optional<std::vector<ColourValue>> ReadColourListFile(const std::string& path) {
  const UniqueFile file = OpenForReading(path);
  if (!file) return std::nullopt;
  ColourListFileDecoder decoder;
  std::vector<std::uint8_t> buffer(1 << 16);
  for (;;) {
    const DWORD want = static_cast<DWORD>(std::min(buffer.size(), decoder.BytesWanted()));
    if (want == 0) break;
    DWORD got = 0;
    // A read that fails is not the file's end: half a list taken for the whole
    // would be written back over the file at the next save.
    if (!::ReadFile(file.Get(), buffer.data(), want, &got, nullptr)) return std::nullopt;
    if (got == 0 || !decoder.Feed(buffer.data(), got)) break;
  }
  return decoder.TakeColours();
}

std::optional<Bytes> ReadWholeFile(const std::string& path) {
  const UniqueFile file = OpenForReading(path);
  if (!file) return std::nullopt;
  Bytes bytes;
  std::vector<std::uint8_t> buffer(1 << 16);
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
      return std::nullopt;
    }
    if (got == 0) return bytes;
    bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + got);
  }
}

}  // namespace tl
