#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/colour_list_file.h"
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

std::optional<std::vector<ColourValue>> ReadColourListFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  ColourListFileDecoder decoder;
  std::vector<std::uint8_t> buffer(1 << 16);
  for (;;) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), decoder.BytesWanted()));
    if (want == 0) break;
    const ssize_t got = ::read(fd, buffer.data(), want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      // Not the file's end (a folder, for one): never half a list for the whole.
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0 || !decoder.Feed(buffer.data(), static_cast<std::size_t>(got))) break;
  }
  ::close(fd);
  return decoder.TakeColours();
}

std::optional<Bytes> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  Bytes bytes;
  std::uint8_t buffer[1 << 16];
  bool failed = false;
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      failed = got < 0;  // a folder, for one
      break;
    }
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  ::close(fd);
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace tl
