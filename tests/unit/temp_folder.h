#pragma once
// A fresh folder under /tmp for one test, removed with everything in it afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

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

  std::string Contents(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::string m_folder;
};

}  // namespace tl::testing_support
