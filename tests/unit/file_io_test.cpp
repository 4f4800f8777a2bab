#include "files/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "files/colour_list_file.h"
#include "files/palette_writer.h"
#include "tests/unit/temp_folder.h"

namespace tl {
namespace {

class FileIoTest : public testing_support::TempFolderTest {
 protected:
  Bytes Contents(const std::string& path) const {
    const std::string text = TempFolderTest::Contents(path);
    return Bytes(text.begin(), text.end());
  }
};

TEST_F(FileIoTest, ColourListRoundTripsThroughAFile) {
  const std::string path = m_folder + "/colors.clf";
  std::vector<ColourValue> colours(100000);
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<ColourValue>(i);
  ASSERT_TRUE(WriteFileReplacing(path, EncodeColourListFile(colours)));
  EXPECT_EQ(ReadColourListFile(path), colours);
  EXPECT_EQ(ReadColourListFile(m_folder + "/missing.clf"), std::nullopt);
  EXPECT_EQ(ReadColourListFile(m_folder), std::nullopt) << "a read that fails is no empty list";
}

TEST_F(FileIoTest, AWriteThatFailsHalfwayLeavesTheEarlierFileAsItWas) {
  const std::string path = m_folder + "/colors.clf";
  ASSERT_TRUE(WriteFileReplacing(path, {1, 2, 3}));
  // A file size limit makes the write fail partway, like a full disk, even as root.
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = old;
  tight.rlim_cur = 8;
  ::setrlimit(RLIMIT_FSIZE, &tight);
  const bool written = WriteFileReplacing(path, Bytes(100, 9));
  const bool exported = WritePalette(FileKind::SwatchExchange, m_folder + "/new.ase", {kWhite, kBlack}, "");
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_FALSE(exported);
  EXPECT_EQ(Contents(path), (Bytes{1, 2, 3}));
  EXPECT_EQ(std::system(("test -z \"$(ls '" + m_folder + "' | grep -v '^colors.clf$')\"").c_str()), 0)
      << "no temporary or partial file is left behind";
}

TEST_F(FileIoTest, ExportersWriteWhatTheirEncodersMake) {
  const std::vector<ColourValue> colours = {MakeColour(18, 52, 86), kWhite};
  const std::string ase = m_folder + "/a.ase", act = m_folder + "/a.act";
  ASSERT_TRUE(WritePalette(FileKind::SwatchExchange, ase, colours, ""));
  ASSERT_TRUE(WritePalette(FileKind::ColourTable, act, colours, ""));
  EXPECT_EQ(Contents(ase).size(), 12u + 56u + 62u);
  EXPECT_EQ(Contents(act).size(), 772u);
  EXPECT_FALSE(WritePalette(FileKind::ColourTable, m_folder + "/no/such/folder/a.act", colours, ""));
}

}  // namespace
}  // namespace tl
