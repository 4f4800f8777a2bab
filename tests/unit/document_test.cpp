// The document flow against real files in a fresh folder.

#include "document/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <functional>

#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "files/swatch_exchange.h"
#include "tests/unit/temp_folder.h"

namespace tl {
namespace {

using List = std::vector<ColourValue>;
using Chosen = std::optional<ChosenFile>;

// A scripted host: answers and chosen files are queued; everything shown is
// logged, a path by its name inside the test's folder.
class FakeHost : public DocumentHost {
 public:
  const List& Colours() const override { return colours; }
  bool Modified() const override { return modified; }
  void SetModified(bool value) override { modified = value; }
  void ReplaceColours(const List& value) override { colours = value; }
  void AppendColours(const List& value) override {
    colours.insert(colours.end(), value.begin(), value.end());
  }
  Chosen ChooseFileToOpen() override { return Next("open-dialog "); }
  Chosen ChooseFileToSave(FileKind kind) override {
    return Next(kind == FileKind::ColourList ? "save-dialog " : "export-dialog ");
  }
  Chosen ChooseFileToImport() override { return Next("import-dialog "); }
  Answer AskToSaveColours() override {
    log += "ask ";
    if (answers.empty()) ADD_FAILURE() << "an unexpected question";
    const Answer answer = answers.empty() ? Answer::Cancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  void ShowCannotSave(const std::string& path) override { Show("cannot-save:", path); }
  void ShowCannotOpen(const std::string& path) override { Show("cannot-open:", path); }
  void ShowExportFailed() override { log += "export-failed "; }
  void ShowNoColoursFound(const std::string& path) override { Show("no-colours:", path); }
  void SetTitle(const std::string& value) override { title = value; }

  Chosen Next(const char* dialog) {
    log += dialog;
    if (chosen.empty()) ADD_FAILURE() << "an unexpected " << dialog;
    const Chosen file = chosen.empty() ? std::nullopt : chosen.front();
    if (!chosen.empty()) chosen.pop_front();
    return file;
  }
  void Show(const char* what, const std::string& path) {
    log += what + path.substr(path.rfind('/') + 1) + " ";
  }

  List colours;
  bool modified = false;
  std::string title = "Tintlens";
  std::string log;
  std::deque<Answer> answers;
  std::deque<Chosen> chosen;
};

// Files in the test's folder; "no/" is a folder that does not exist and "folder"
// one that does, so a path through or onto them cannot be written.
class DocumentTest : public testing_support::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
  }
  ChosenFile File(const std::string& name) const {
    return {Path(name), name.substr(name.rfind('/') + 1)};
  }
  void Put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(WriteFileReplacing(Path(name), Bytes(bytes.begin(), bytes.end())));
  }
  void PutList(const std::string& name, const List& colours) const {
    ASSERT_TRUE(WriteFileReplacing(Path(name), EncodeColourListFile(colours)));
  }
  std::string ListFile(const List& colours) const {
    const Bytes bytes = EncodeColourListFile(colours);
    return std::string(bytes.begin(), bytes.end());
  }

  FakeHost host;
  Document document{host};
};

TEST_F(DocumentTest, SaveAsksForAPathOnceThenWritesOnlyWhatChanged) {
  host.chosen = {File("colors.clf")};
  EXPECT_TRUE(document.Save()) << "an empty, unmodified list still goes through the dialog";
  EXPECT_EQ(host.log, "save-dialog ");
  EXPECT_EQ(Contents(Path("colors.clf")), ListFile({}));
  EXPECT_EQ(host.title, "Tintlens - colors.clf");
  EXPECT_EQ(document.CurrentPath(), Path("colors.clf"));

  std::remove(Path("colors.clf").c_str());
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(Listing(), "folder/") << "nothing changed, nothing written";

  host.colours = {1, 2};
  host.modified = true;
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(host.log, "save-dialog ");
  EXPECT_FALSE(host.modified);
  EXPECT_EQ(Contents(Path("colors.clf")), ListFile({1, 2}));
}

TEST_F(DocumentTest, AFailedSaveSaysSoAndKeepsPathTitleFlagAndTheEarlierFile) {
  host.colours = {7};
  host.modified = true;
  host.chosen = {File("no/colors.clf"), File("folder"), File("colors.clf")};
  EXPECT_FALSE(document.SaveAs());
  EXPECT_FALSE(document.SaveAs());
  EXPECT_EQ(host.log, "save-dialog cannot-save:colors.clf save-dialog cannot-save:folder ");
  EXPECT_TRUE(host.modified);
  EXPECT_EQ(host.title, "Tintlens");
  EXPECT_EQ(document.CurrentPath(), "");

  ASSERT_TRUE(document.SaveAs());
  host.colours = List(100, kWhite);
  host.modified = true;
  host.log.clear();
  {
    testing_support::FileSizeLimit limit(40);  // the write breaks off part-way
    EXPECT_FALSE(document.Save());
  }
  EXPECT_EQ(host.log, "cannot-save:colors.clf ");
  EXPECT_EQ(Contents(Path("colors.clf")), ListFile({7}));
  EXPECT_EQ(Listing(), "colors.clf/folder/") << "no partial file is left behind";
  EXPECT_TRUE(host.modified);
  EXPECT_EQ(host.title, "Tintlens - colors.clf");
  EXPECT_EQ(document.CurrentPath(), Path("colors.clf"));
}

// New and Clear All ask before dropping unsaved colours, and Yes means the
// colours must be kept: a save that is cancelled or fails stops the command.
TEST_F(DocumentTest, NewAndClearAllAskAboutUnsavedColoursAndStopWhenTheyCannotBeKept) {
  struct QuestionCase {
    bool modified;
    List colours;
    Answer answer;
    Chosen chosen;
    bool goesAhead;
    const char* log;
  };
  const QuestionCase cases[] = {
      {false, {1}, Answer::No, std::nullopt, true, ""},    // nothing unsaved
      {true, {}, Answer::No, std::nullopt, true, ""},      // modified but empty
      {true, {1}, Answer::No, std::nullopt, true, "ask "},
      {true, {1}, Answer::Cancel, std::nullopt, false, "ask "},
      {true, {1}, Answer::Yes, File("colors.clf"), true, "ask save-dialog "},
      {true, {1}, Answer::Yes, std::nullopt, false, "ask save-dialog "},
      {true, {1}, Answer::Yes, File("no/colors.clf"), false, "ask save-dialog cannot-save:colors.clf "},
  };
  for (const bool clearAll : {false, true}) {
    for (const QuestionCase& c : cases) {
      FakeHost host;
      Document document(host);
      host.modified = c.modified;
      host.colours = c.colours;
      if (std::string(c.log).find("ask") == 0) host.answers = {c.answer};
      if (c.answer == Answer::Yes) host.chosen = {c.chosen};
      host.title = "Tintlens - old.clf";
      clearAll ? document.ClearAll() : document.New();
      const std::string why = std::string(clearAll ? "Clear All: " : "New: ") + c.log;
      EXPECT_EQ(host.log, c.log) << why;
      EXPECT_EQ(host.colours, c.goesAhead ? List{} : c.colours) << why;
      if (c.chosen && c.goesAhead) {
        EXPECT_EQ(Contents(c.chosen->path), ListFile(c.colours)) << why;
      }
      if (!c.goesAhead) {
        EXPECT_EQ(host.title, "Tintlens - old.clf") << why;
        EXPECT_TRUE(host.modified) << why;
      } else if (!clearAll) {
        EXPECT_EQ(host.title, "Tintlens") << why;
        EXPECT_FALSE(host.modified) << why;
      } else if (c.answer != Answer::Yes) {  // Clear All keeps the list's file and flag
        EXPECT_EQ(host.title, "Tintlens - old.clf") << why;
        EXPECT_EQ(host.modified, c.modified) << why;
      }
    }
  }
}

TEST_F(DocumentTest, ExitAsksWheneverModifiedEvenForAnEmptyList) {
  const std::tuple<bool, List, Answer, Chosen, bool> cases[] = {
      {false, {1}, Answer::No, std::nullopt, true},
      {true, {}, Answer::No, std::nullopt, true},
      {true, {1}, Answer::Cancel, std::nullopt, false},
      {true, {1}, Answer::Yes, File("colors.clf"), true},
      {true, {1}, Answer::Yes, std::nullopt, false},
      {true, {1}, Answer::Yes, File("folder"), false},
  };
  for (const auto& [modified, colours, answer, chosen, exits] : cases) {
    FakeHost host;
    Document document(host);
    host.modified = modified;
    host.colours = colours;
    if (modified) host.answers = {answer};
    if (answer == Answer::Yes) host.chosen = {chosen};
    EXPECT_EQ(document.ConfirmExit(), exits) << host.log;
    EXPECT_EQ(host.log.rfind("ask", 0) == 0, modified) << host.log;
  }
}

TEST_F(DocumentTest, OpenReplacesTheListAsksFirstAndSaysWhenItCannot) {
  PutList("three.clf", {3, 2, 1});
  host.colours = {9};
  host.modified = true;
  host.answers = {Answer::No};
  host.chosen = {File("three.clf")};
  document.Open();
  EXPECT_EQ(host.log, "ask open-dialog ");
  EXPECT_EQ(host.colours, (List{3, 2, 1}));
  EXPECT_FALSE(host.modified);
  EXPECT_EQ(host.title, "Tintlens - three.clf");
  EXPECT_EQ(document.CurrentPath(), Path("three.clf"));

  // A folder opens but fails at the first read: no list at all, never a part.
  host.log.clear();
  host.chosen = {File("missing.clf"), File("folder")};
  document.Open();  // not modified: no question
  document.Open();
  EXPECT_EQ(host.log, "open-dialog cannot-open:missing.clf open-dialog cannot-open:folder ");
  EXPECT_EQ(host.colours, (List{3, 2, 1}));
  EXPECT_EQ(host.title, "Tintlens - three.clf");
  EXPECT_EQ(document.CurrentPath(), Path("three.clf"));

  host.modified = true;
  host.answers = {Answer::Cancel};
  host.log.clear();
  document.Open();
  EXPECT_EQ(host.log, "ask ") << "Cancel: no dialog";
  EXPECT_EQ(host.colours, (List{3, 2, 1}));
}

TEST_F(DocumentTest, ExportWritesTheChosenKindAndNeverTouchesPathTitleOrFlag) {
  host.colours = {MakeColour(18, 52, 86)};
  host.modified = true;
  host.chosen = {File("a.ase"), File("brand.gpl"), File("no/a.act"), File("folder"), std::nullopt};
  document.Export(FileKind::SwatchExchange);
  document.Export(FileKind::GimpPalette);
  document.Export(FileKind::ColourTable);
  document.Export(FileKind::ColourTable);
  document.Export(FileKind::ColourTable);
  EXPECT_EQ(host.log, "export-dialog export-dialog export-dialog export-failed export-dialog "
                      "export-failed export-dialog ");
  const Bytes ase = EncodeSwatchExchange(host.colours);
  EXPECT_EQ(Contents(Path("a.ase")), std::string(ase.begin(), ase.end()));
  EXPECT_EQ(Contents(Path("brand.gpl")), "GIMP Palette\nName: brand\n 18  52  86\tR=18 G=52 B=86\n")
      << "a GIMP palette is named after its file";
  EXPECT_EQ(Listing(), "a.ase/brand.gpl/folder/");
  EXPECT_TRUE(host.modified);
  EXPECT_EQ(host.title, "Tintlens");
  EXPECT_EQ(document.CurrentPath(), "");
}

TEST_F(DocumentTest, ImportAppendsInFileOrderAndKeepsTheListsOwnFile) {
  PutList("brand.clf", {9, 8});
  Put("brand.gpl", "GIMP Palette\n1 0 0\n2 0 0\n3 0 0\n");
  Put("empty.gpl", "GIMP Palette\nName: empty\n");
  Put("bad.aco", "not a palette");
  const std::pair<Chosen, const char*> cases[] = {
      {File("brand.gpl"), "import-dialog "},
      {File("empty.gpl"), "import-dialog no-colours:empty.gpl "},
      {File("bad.aco"), "import-dialog cannot-open:bad.aco "},
      {File("missing.gpl"), "import-dialog cannot-open:missing.gpl "},
      {std::nullopt, "import-dialog "},
  };
  for (const auto& [chosen, log] : cases) {
    FakeHost host;
    Document document(host);
    host.chosen = {File("brand.clf"), chosen};
    document.Open();
    host.log.clear();
    document.Import();
    const bool appended = chosen && chosen->title == "brand.gpl";
    EXPECT_EQ(host.log, log);
    EXPECT_EQ(host.colours, appended ? (List{9, 8, 1, 2, 3}) : (List{9, 8})) << log;
    EXPECT_EQ(host.modified, appended) << log;
    EXPECT_EQ(host.title, "Tintlens - brand.clf") << log;
    EXPECT_EQ(document.CurrentPath(), Path("brand.clf")) << log;
  }
}

TEST_F(DocumentTest, RecoveredColoursAreUnsavedAndSaySoInTheTitleUntilSavedOrCleared) {
  struct RecoveredCase {
    std::function<void(Document&)> then;
    std::deque<Answer> answers;
    std::deque<Chosen> chosen;
    List colours;
    const char* title;
  };
  Put("brand.gpl", "GIMP Palette\n4 0 0\n");
  const RecoveredCase cases[] = {
      {[](Document& d) { d.Save(); }, {}, {File("colors.clf")}, {3, 2, 1}, "Tintlens - colors.clf"},
      {[](Document& d) { d.ClearAll(); }, {Answer::No}, {}, {}, "Tintlens"},
      {[](Document& d) { d.ClearAll(); }, {Answer::Cancel}, {}, {3, 2, 1}, "Tintlens - Recovered"},
      {[](Document& d) { d.ClearAll(); }, {Answer::Yes}, {File("colors.clf")}, {}, "Tintlens - colors.clf"},
      {[](Document& d) { d.New(); }, {Answer::No}, {}, {}, "Tintlens"},
      {[](Document& d) { d.Import(); }, {}, {File("brand.gpl")}, {3, 2, 1, 4}, "Tintlens - Recovered"},
  };
  for (const RecoveredCase& c : cases) {
    FakeHost host;
    Document document(host);
    document.Recover({3, 2, 1});
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.title, "Tintlens - Recovered");
    EXPECT_EQ(document.CurrentPath(), "");
    host.answers = c.answers;
    host.chosen = c.chosen;
    c.then(document);
    EXPECT_EQ(host.colours, c.colours) << c.title;
    EXPECT_EQ(host.title, c.title) << host.log;
    EXPECT_TRUE(host.answers.empty() && host.chosen.empty()) << host.log;
  }
  EXPECT_EQ(Contents(Path("colors.clf")), ListFile({3, 2, 1}));
}

}  // namespace
}  // namespace tl
