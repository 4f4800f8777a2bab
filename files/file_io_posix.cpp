#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/file_io.h"
#include "files/temporary_file.h"

namespace tl {
namespace {

bool WriteAll(int fd, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// Never follows a link or takes over a file that is there: a new file or none.
int CreateNew(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

void RemoveStaleTemporaryFiles(const std::string& folder, const std::string& targetName) {
  DIR* const listing = ::opendir(folder.c_str());
  if (!listing) return;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(listing)) names.emplace_back(entry->d_name);
  ::closedir(listing);
  for (const std::string& stale : StaleTemporaryFiles(names, targetName, ProcessIsGone)) {
    ::unlink((folder + "/" + stale).c_str());
  }
}

}  // namespace

// Beside the target, named after it and this process, so that a later write of
// the same file finds and removes what a killed one left.
bool WriteFileReplacing(const std::string& path, const Bytes& bytes, std::string* why) {
  const auto fail = [why] {
    if (why) *why = std::strerror(errno);
    return false;
  };
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  RemoveStaleTemporaryFiles(folder, name);
  const std::string temporary =
      folder + "/" + TemporaryNameFor(name, static_cast<std::uint32_t>(::getpid()));
  int fd = CreateNew(temporary);
  // Ours by its name and our id: left by an earlier write that could not remove
  // it, or by a process that had our id before.
  if (fd < 0 && errno == EEXIST && ::unlink(temporary.c_str()) == 0) fd = CreateNew(temporary);
  if (fd < 0) return fail();
  bool done = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (!done) fail();
  if (::close(fd) != 0 && done) done = fail();
  if (done && ::rename(temporary.c_str(), path.c_str()) != 0) done = fail();
  if (done) return true;
  ::unlink(temporary.c_str());
  return false;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first = {}, second = {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// kill with no signal only asks whether the process exists: ESRCH, it does not;
// EPERM, it does, as another user's.
bool ProcessIsGone(std::uint32_t processId) {
  return ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

// The size decides before any byte is read; the count while reading stops a
// file that grows, or one with no size (a pipe, a device).
FileBytes ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {{}, ReadFailure::CannotOpen, std::strerror(errno)};
  FileBytes file;
  struct stat status = {};
  if (::fstat(fd, &status) == 0 &&
      static_cast<std::uint64_t>(status.st_size) > kLargestPaletteFile) {
    file.failure = ReadFailure::TooLarge;
  } else if (status.st_size > 0) {
    file.bytes.reserve(static_cast<std::size_t>(status.st_size));
  }
  std::uint8_t buffer[1 << 16];
  while (file.Ok()) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got == 0) break;
    if (got < 0) {
      file.failure = ReadFailure::CannotOpen;
      file.reason = std::strerror(errno);
    } else if (file.bytes.size() + static_cast<std::size_t>(got) > kLargestPaletteFile) {
      file.failure = ReadFailure::TooLarge;
    } else {
      file.bytes.insert(file.bytes.end(), buffer, buffer + got);
    }
  }
  ::close(fd);
  if (!file.Ok()) file.bytes = Bytes();
  return file;
}

}  // namespace tl
