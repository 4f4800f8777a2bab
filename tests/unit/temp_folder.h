#pragma once
// A fresh folder under /tmp for one test, removed with everything in it afterwards,
// and a file size limit that makes writes fail part-way, like a full disk.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tl::testing_support {

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tintlens-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_folder = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + m_folder + "'").c_str()); }

  std::string Path(const std::string& name) const { return m_folder + "/" + name; }
  std::string Contents(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // A file of `size` bytes that costs no disk: the text, then a hole of zeros.
  std::string SparseFile(const std::string& name, const std::string& text, off_t size) const {
    const int fd = ::open(Path(name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    EXPECT_TRUE(fd >= 0 && ::write(fd, text.data(), text.size()) == ssize_t(text.size()) &&
                ::ftruncate(fd, size) == 0 && ::close(fd) == 0)
        << name;
    return Path(name);
  }
  // The names in the folder, sorted, each followed by a '/'.
  std::string Listing() const {
    std::string names;
    FILE* ls = ::popen(("ls '" + m_folder + "' | tr '\\n' /").c_str(), "r");
    for (int c; ls && (c = std::fgetc(ls)) != EOF;) names += static_cast<char>(c);
    if (ls) ::pclose(ls);
    return names;
  }

  std::string m_folder;
};

// While it lives, no file grows past `bytes`: even root's writes fail there.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit tight = m_old;
    tight.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &tight);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_handler);
  }

 private:
  rlimit m_old{};
  void (*m_handler)(int);
};

}  // namespace tl::testing_support
