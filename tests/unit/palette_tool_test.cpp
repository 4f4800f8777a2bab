#include "palette/palette_tool.h"

#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/file_io.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"
#include "tests/unit/temp_folder.h"

namespace tl {
namespace {

class PaletteToolTest : public testing_support::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(WriteFileReplacing(In(), EncodeColourListFile(m_colours)));
  }

  static Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }
  std::string In() const { return m_folder + "/brand colours.clf"; }
  int Run(std::vector<std::string> arguments) {
    m_out.clear();
    m_err.clear();
    return RunPaletteTool(arguments, m_out, m_err);
  }
  std::vector<ColourValue> m_colours = {MakeColour(18, 52, 86), kWhite};
  std::string m_out, m_err;
};

TEST_F(PaletteToolTest, ShowPrintsEveryColourInTheChosenNotation) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"show", In()}, "18, 52, 86\n255, 255, 255\n"},
      {{"show", In(), "--format", "html"}, "#123456\n#ffffff\n"},
      {{"show", In(), "--format", "delphi"}, "$563412\n$ffffff\n"},
      {{"show", In(), "--format", "rgbfloat"}, "0.07, 0.20, 0.34\n1.00, 1.00, 1.00\n"},
      {{"show", In(), "--format", "integer"}, "5649426\n16777215\n"},
      {{"show", In(), "--format", "css-hsl"}, "hsl(210, 65%, 20%)\nhsl(0, 0%, 100%)\n"},
  };
  for (const auto& [arguments, expected] : cases) {
    EXPECT_EQ(Run(arguments), 0);
    EXPECT_EQ(m_out, expected);
  }
}

TEST_F(PaletteToolTest, ExportWritesEveryKindByItsExtensionAndShowReadsThemBack) {
  const std::pair<const char*, Bytes> cases[] = {
      {"out.ase", EncodeSwatchExchange(m_colours)},
      {"out.ACT", EncodeColourTable(m_colours)},
      {"out.aco", EncodePhotoshopSwatches(m_colours)},
      {"out.clf", EncodeColourListFile(m_colours)},
      {"out.gpl", Text("GIMP Palette\nName: brand colours\n"
                       " 18  52  86\tR=18 G=52 B=86\n255 255 255\tR=255 G=255 B=255\n")},
  };
  for (const auto& [name, expected] : cases) {
    const std::string out = m_folder + "/" + name;
    ASSERT_EQ(Run({"export", In(), out}), 0) << m_err;
    EXPECT_EQ(Contents(out), std::string(expected.begin(), expected.end())) << name;
    if (std::string(name) == "out.ACT") continue;  // a table holds 256 colours
    ASSERT_EQ(Run({"show", out, "--format", "html"}), 0) << name;
    EXPECT_EQ(m_out, "#123456\n#ffffff\n") << name;
  }
}

TEST_F(PaletteToolTest, MistakesAreExplainedAndLeaveNoOutputBehind) {
  ASSERT_TRUE(WriteFileReplacing(m_folder + "/brand colours.clf.txt", Text("GIMP palette\n1 2 3\n")));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"show", m_folder + "/missing.clf"}, "cannot read " + m_folder + "/missing.clf: cannot open"},
      {{"export", m_folder, m_folder + "/out.gpl"}, "cannot read " + m_folder + ": cannot open"},
      {{"show", m_folder + "/brand colours.clf.txt"}, "not a palette file"},
      {{"show", In(), "--format", "hsl"}, "unknown format"},
      {{"export", In(), m_folder + "/out.png"}, "unknown output type"},
      {{"export", In(), m_folder + "/no/such/folder/out.ase"}, "cannot write"},
      {{"convert", In()}, "usage:"},
      {{"export", In()}, "usage:"},
      {{}, "usage:"},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_NE(Run(arguments), 0) << message;
    EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
    EXPECT_EQ(m_out, "");
  }
  EXPECT_EQ(std::system(("test \"$(ls '" + m_folder + "' | tr '\\n' /)\" = 'brand colours.clf/brand colours.clf.txt/'").c_str()), 0);
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(m_out.find("tintlens-palette show"), std::string::npos);
}

}  // namespace
}  // namespace tl
