#include "app/palette_tool.h"

#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "files/palette_writer.h"
#include "tests/unit/temp_folder.h"

namespace tl {
namespace {

class PaletteToolTest : public testing_support::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(WriteFileReplacing(In(), EncodeColourListFile(m_colours)));
  }
  std::string In() const { return Path("brand colours.clf"); }
  int Run(std::vector<std::string> arguments) {
    m_out.clear();
    m_err.clear();
    return RunPaletteTool(arguments, m_out, m_err);
  }
  std::vector<ColourValue> m_colours = {MakeColour(18, 52, 86), kWhite};
  std::string m_out, m_err;
};

// The kind follows the output's extension in any case, a GIMP palette is named
// after the input, and show reads every kind back in the notation asked for.
TEST_F(PaletteToolTest, ExportWritesEveryKindByItsExtensionAndShowReadsThemBack) {
  const std::tuple<const char*, FileKind, std::vector<std::string>, const char*> cases[] = {
      {"out.ase", FileKind::SwatchExchange, {}, "18, 52, 86\n255, 255, 255\n"},
      {"out.ACT", FileKind::ColourTable, {"--format", "html"}, "#123456\n#ffffff\n"},
      {"out.aco", FileKind::PhotoshopSwatches, {"--format", "delphi"}, "$563412\n$ffffff\n"},
      {"out.clf", FileKind::ColourList, {"--format", "css-hsl"}, "hsl(210, 65%, 20%)\nhsl(0, 0%, 100%)\n"},
      {"out.gpl", FileKind::GimpPalette, {"--format", "integer"}, "5649426\n16777215\n"}};
  for (const auto& [name, kind, format, shown] : cases) {
    ASSERT_EQ(Run({"export", In(), Path(name)}), 0) << m_err;
    const Bytes expected = EncodePalette(kind, m_colours, "brand colours");
    EXPECT_EQ(Contents(Path(name)), std::string(expected.begin(), expected.end())) << name;
    std::vector<std::string> show = {"show", Path(name)};
    show.insert(show.end(), format.begin(), format.end());
    ASSERT_EQ(Run(show), 0) << name;
    EXPECT_EQ(m_out, shown) << name;
  }
  EXPECT_EQ(Contents(Path("out.gpl")), "GIMP Palette\nName: brand colours\n"
                                       " 18  52  86\tR=18 G=52 B=86\n255 255 255\tR=255 G=255 B=255\n");
}

TEST_F(PaletteToolTest, MistakesAreExplainedAndLeaveNoOutputBehind) {
  ASSERT_TRUE(WriteFileReplacing(Path("notes.txt"), {'G', 'I', 'M', 'P', '\n'}));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"show", Path("missing.clf")}, "cannot read " + Path("missing.clf") + ": cannot open"},
      {{"export", m_folder, Path("out.gpl")}, "cannot read " + m_folder + ": cannot open"},
      {{"show", Path("notes.txt")}, "not a palette file"},
      {{"show", In(), "--format", "hsl"}, "unknown format"},
      {{"export", In(), Path("out.png")}, "unknown output type"},
      {{"export", In(), Path("no/such/folder/out.ase")}, "cannot write"},
      {{"convert", In()}, "usage:"},
      {{"export", In()}, "usage:"},
      {{}, "usage:"},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_NE(Run(arguments), 0) << message;
    EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
    EXPECT_EQ(m_out, "");
  }
  EXPECT_EQ(Listing(), "brand colours.clf/notes.txt/");
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(m_out.find("tintlens-palette show"), std::string::npos);
}

}  // namespace
}  // namespace tl
