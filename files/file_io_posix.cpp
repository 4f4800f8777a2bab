#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/file_io.h"

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

}  // namespace

bool WriteFileReplacing(const std::string& path, const Bytes& bytes) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

// The size decides before any byte is read; the count while reading stops a
// file that grows, or one with no size (a pipe, a device).
FileBytes ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {{}, ReadFailure::CannotOpen};
  FileBytes file;
  struct stat status = {};
  if (::fstat(fd, &status) == 0 && static_cast<std::uint64_t>(status.st_size) > kLargestPaletteFile) {
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
