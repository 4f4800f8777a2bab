#include "platform/recovery_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "core/number_text.h"
#include "files/file_io.h"
#include "platform/code_page.h"
#include "platform/handles.h"
#include "res/product.h"

namespace tl {
namespace {

std::string LockNameOf(const std::string& copyName) {
  return copyName.substr(0, copyName.find_last_of('.')) + ".lock";
}

// The folder and any of its parents that are missing.
bool MakeFolder(const std::string& path) {
  if (::CreateDirectoryA(path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS) {
    return true;
  }
  if (::GetLastError() != ERROR_PATH_NOT_FOUND) return false;
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos || slash == 0 || !MakeFolder(path.substr(0, slash))) return false;
  return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

}  // namespace

struct RecoveryFolder::Lock {
  UniqueFile file;
};

std::optional<std::string> RecoveryFolder::Standard() {
  wchar_t wide[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_DONT_VERIFY, nullptr,
                                SHGFP_TYPE_CURRENT, wide))) {
    return std::nullopt;
  }
  // The file calls take the code page's bytes. Where that is not UTF-8 (Windows
  // before 10 1903) a user name outside it has no such name: no recovery then,
  // rather than copies written somewhere else.
  const std::optional<std::string> path =
      CodePageOfWide(std::u16string(reinterpret_cast<const char16_t*>(wide)));
  if (!path || path->empty()) return std::nullopt;
  return *path + "\\" TL_PROGRAM_NAME "\\Recovery";
}

std::string RecoveryFolder::NameForThisInstance() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  std::string name;
  const std::uint64_t started = (std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  AppendDecimal(name, static_cast<long long>(started));
  name += '-';
  AppendDecimal(name, ::GetCurrentProcessId());
  return name + ".clf";
}

RecoveryFolder::RecoveryFolder(std::string path) : m_path(std::move(path)) {}

RecoveryFolder::~RecoveryFolder() = default;

std::vector<RecoveryFileEntry> RecoveryFolder::List() {
  std::vector<RecoveryFileEntry> entries;
  WIN32_FIND_DATAA found{};
  const UniqueFind search(::FindFirstFileA(PathOf("*").c_str(), &found));
  if (!search) return entries;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const FILETIME& written = found.ftLastWriteTime;
    entries.push_back(
        {found.cFileName, (std::uint64_t(written.dwHighDateTime) << 32) | written.dwLowDateTime});
  } while (::FindNextFileA(search.Get(), &found));
  return entries;
}

// The lock is opened shared with nobody: while one instance has it, every other
// open fails with a sharing violation. It is deleted when its last handle
// closes, which the system does for a process that is killed, too.
bool RecoveryFolder::Hold(const std::string& name) {
  if (FindLock(name) != m_locks.end()) return true;
  if (!MakeFolder(m_path)) return false;
  UniqueFile file(::CreateFileA(PathOf(LockNameOf(name)).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!file) return false;
  m_locks.emplace_back(name, std::make_unique<Lock>(Lock{std::move(file)}));
  return true;
}

void RecoveryFolder::Release(const std::string& name) {
  const auto held = FindLock(name);
  if (held != m_locks.end()) m_locks.erase(held);
}

RecoveryFolder::Locks::iterator RecoveryFolder::FindLock(const std::string& name) {
  return std::find_if(m_locks.begin(), m_locks.end(),
                      [&name](const auto& held) { return held.first == name; });
}

std::optional<Bytes> RecoveryFolder::Read(const std::string& name) {
  FileBytes file = ReadWholeFile(PathOf(name));
  if (!file.Ok()) return std::nullopt;
  return std::move(file.bytes);
}

bool RecoveryFolder::Write(const std::string& name, const Bytes& bytes) {
  return WriteFileReplacing(PathOf(name), bytes);
}

// The copy goes first: a copy without its lock would be anybody's to take.
bool RecoveryFolder::Remove(const std::string& name) {
  const bool removed =
      ::DeleteFileA(PathOf(name).c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
  Release(name);
  return removed;
}

}  // namespace tl
