#include <windows.h>

#include <algorithm>
#include <string>

#include "files/file_io.h"
#include "files/temporary_file.h"
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

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Never takes over a file that is there: a new file or none.
UniqueFile CreateNew(const std::string& path) {
  return UniqueFile(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Named after the target and this process, so that a later write of the same
// file finds and removes what a killed one left; short, so that it fits wherever
// the target does (a folder's name in UTF-8 can take three bytes a character,
// more than the fixed buffer of GetTempFileName holds).
UniqueFile CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  temporary = FolderOf(path) + "\\" + TemporaryNameFor(NameOf(path), ::GetCurrentProcessId());
  UniqueFile file = CreateNew(temporary);
  // Ours by its name and our id: left by an earlier write that could not remove
  // it, or by a process that had our id before.
  if (!file && ::GetLastError() == ERROR_FILE_EXISTS && ::DeleteFileA(temporary.c_str())) {
    file = CreateNew(temporary);
  }
  return file;
}

void RemoveStaleTemporaryFiles(const std::string& path) {
  const std::string folder = FolderOf(path);
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  {
    const UniqueFind search(::FindFirstFileA((folder + "\\*.tmp").c_str(), &found));
    if (!search) return;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (::FindNextFileA(search.Get(), &found));
  }  // the search ends before its files are deleted
  for (const std::string& stale : StaleTemporaryFiles(names, NameOf(path), ProcessIsGone)) {
    ::DeleteFileA((folder + "\\" + stale).c_str());
  }
}

// The system's own words for the last error, without the full stop and line end
// its messages close with.
std::string LastErrorText() {
  const DWORD error = ::GetLastError();
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason = length ? std::string(text, length) : "error " + std::to_string(error);
  if (text) ::LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.')) {
    reason.pop_back();
  }
  return reason;
}

UniqueFile OpenForReading(const std::string& path) {
  return UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool WriteFileReplacing(const std::string& path, const Bytes& bytes, std::string* why) {
  RemoveStaleTemporaryFiles(path);
  std::string temporary;
  bool written;
  {
    const UniqueFile file = CreateTemporaryBeside(path, temporary);
    if (!file) {
      if (why) *why = LastErrorText();
      return false;
    }
    written = WriteAll(file.Get(), bytes) && ::FlushFileBuffers(file.Get());
  }
  if (written && ::MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  if (why) *why = LastErrorText();
  ::DeleteFileA(temporary.c_str());
  return false;
}

// A file's identity is its volume and its index on that volume; opened for no
// access at all, so that neither a lock nor a folder stands in the way.
bool SameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION info[2] = {};
  const std::string* paths[2] = {&a, &b};
  for (int i = 0; i < 2; ++i) {
    const UniqueFile file(
        ::CreateFileA(paths[i]->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file || !::GetFileInformationByHandle(file.Get(), &info[i])) return false;
  }
  return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
         info[0].nFileIndexHigh == info[1].nFileIndexHigh &&
         info[0].nFileIndexLow == info[1].nFileIndexLow;
}

// A process that cannot be opened for lack of rights is running; one whose id
// names nothing, or that has ended (its object kept alive by a handle somebody
// holds), is gone.
bool ProcessIsGone(std::uint32_t processId) {
  const UniqueKernelObject process(
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD exitCode = 0;
  return ::GetExitCodeProcess(process.Get(), &exitCode) && exitCode != STILL_ACTIVE;
}

// The size decides before any byte is read; the count while reading stops a
// file that grows.
FileBytes ReadWholeFile(const std::string& path) {
  const UniqueFile handle = OpenForReading(path);
  if (!handle) return {{}, ReadFailure::CannotOpen, LastErrorText()};
  FileBytes file;
  LARGE_INTEGER size = {};
  if (::GetFileSizeEx(handle.Get(), &size) &&
      static_cast<std::uint64_t>(size.QuadPart) > kLargestPaletteFile) {
    file.failure = ReadFailure::TooLarge;
  } else if (size.QuadPart > 0) {
    file.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  std::vector<std::uint8_t> buffer(1 << 16);
  while (file.Ok()) {
    DWORD got = 0;
    if (!::ReadFile(handle.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got,
                    nullptr)) {
      file.failure = ReadFailure::CannotOpen;
      file.reason = LastErrorText();
    } else if (got == 0) {
      break;
    } else if (file.bytes.size() + got > kLargestPaletteFile) {
      file.failure = ReadFailure::TooLarge;
    } else {
      file.bytes.insert(file.bytes.end(), buffer.begin(), buffer.begin() + got);
    }
  }
  if (!file.Ok()) file.bytes = Bytes();
  return file;
}

}  // namespace tl
