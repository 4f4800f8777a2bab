#include "document/document.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

namespace tl {
namespace {

// A scripted host: answers and chosen files are queued; files live in a map;
// everything shown is logged.
class FakeHost : public DocumentHost {
 public:
  const std::vector<ColourValue>& Colours() const override { return colours; }
  bool Modified() const override { return modified; }
  void SetModified(bool value) override { modified = value; }
  void ReplaceColours(const std::vector<ColourValue>& value) override { colours = value; }
  void AppendColours(const std::vector<ColourValue>& value) override {
    colours.insert(colours.end(), value.begin(), value.end());
  }

  std::optional<ChosenFile> ChooseFileToOpen() override { return Next(); }
  std::optional<ChosenFile> ChooseFileToSave(FileKind kind) override {
    log += kind == FileKind::ColourList ? "save-dialog " : "export-dialog ";
    return Next();
  }
  std::optional<ChosenFile> ChooseFileToImport() override {
    log += "import-dialog ";
    return Next();
  }
  Answer AskToSaveColours() override {
    log += "ask ";
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowCannotSave(const std::string& path) override { log += "cannot-save:" + path + " "; }
  void ShowCannotOpen(const std::string& path) override { log += "cannot-open:" + path + " "; }
  void ShowExportFailed() override { log += "export-failed "; }
  void ShowNoColoursFound(const std::string& path) override { log += "no-colours:" + path + " "; }
  void SetTitle(const std::string& value) override { title = value; }

  bool WriteColourList(const std::string& path, const std::vector<ColourValue>& value) override {
    if (path.rfind("/readonly/", 0) == 0) return false;
    files[path] = value;
    log += "write:" + path + " ";
    return true;
  }
  std::optional<std::vector<ColourValue>> ReadColourList(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::vector<ColourValue>> ReadPalette(const std::string& path) override {
    return ReadColourList(path);  // one store for every kind
  }
  bool WriteExport(FileKind, const std::string& path, const std::vector<ColourValue>&) override {
    log += "export:" + path + " ";
    return path.rfind("/readonly/", 0) != 0;
  }

  std::optional<ChosenFile> Next() {
    std::optional<ChosenFile> file = chosen.front();
    chosen.pop_front();
    return file;
  }

  std::vector<ColourValue> colours;
  bool modified = false;
  std::string title = "Tintlens";
  std::string log;
  std::deque<Answer> answers;
  std::deque<std::optional<ChosenFile>> chosen;
  std::map<std::string, std::vector<ColourValue>> files;
};

const ChosenFile kColours{"/home/colors.clf", "colors.clf"};
const ChosenFile kReadOnly{"/readonly/colors.clf", "colors.clf"};

TEST(Document, SaveAskForAPathOnceThenWritesOnlyWhatChanged) {
  FakeHost host;
  Document document(host);
  host.chosen = {kColours};
  EXPECT_TRUE(document.Save()) << "an empty, unmodified list still goes through the dialog";
  EXPECT_EQ(host.log, "save-dialog write:/home/colors.clf ");
  EXPECT_EQ(host.title, "Tintlens - colors.clf");
  EXPECT_EQ(document.CurrentPath(), "/home/colors.clf");

  host.log.clear();
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(host.log, "") << "nothing changed, nothing written";

  host.colours = {1, 2};
  host.modified = true;
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(host.log, "write:/home/colors.clf ");
  EXPECT_FALSE(host.modified);
  EXPECT_EQ(host.files["/home/colors.clf"], (std::vector<ColourValue>{1, 2}));
}

TEST(Document, AFailedSaveSaysSoAndKeepsPathTitleAndFlag) {
  FakeHost host;
  Document document(host);
  host.colours = {7};
  host.modified = true;
  host.chosen = {kReadOnly};
  EXPECT_FALSE(document.SaveAs());
  EXPECT_EQ(host.log, "save-dialog cannot-save:/readonly/colors.clf ");
  EXPECT_TRUE(host.modified);
  EXPECT_EQ(host.title, "Tintlens");
  EXPECT_EQ(document.CurrentPath(), "");
}

struct QuestionCase {
  bool modified;
  std::vector<ColourValue> colours;
  std::deque<Answer> answers;
  std::deque<std::optional<ChosenFile>> chosen;
  bool cleared;  // New went ahead
  const char* log;
  const char* why;
};

TEST(Document, NewAsksAboutUnsavedColoursAndStopsWhenTheyCannotBeKept) {
  const QuestionCase cases[] = {
      {false, {1}, {}, {}, true, "", "nothing unsaved: no question"},
      {true, {}, {}, {}, true, "", "modified but empty: no question"},
      {true, {1}, {Answer::No}, {}, true, "ask ", "No drops the colours"},
      {true, {1}, {Answer::Cancel}, {}, false, "ask ", "Cancel keeps everything"},
      {true, {1}, {Answer::Yes}, {kColours}, true, "ask save-dialog write:/home/colors.clf ",
       "Yes saves first"},
      {true, {1}, {Answer::Yes}, {std::nullopt}, false, "ask save-dialog ",
       "Yes, then Cancel in the dialog: nothing is lost"},
      {true, {1}, {Answer::Yes}, {kReadOnly}, false, "ask save-dialog cannot-save:/readonly/colors.clf ",
       "Yes, then a failed save: nothing is lost"},
  };
  for (const QuestionCase& c : cases) {
    FakeHost host;
    Document document(host);
    host.modified = c.modified;
    host.colours = c.colours;
    host.answers = c.answers;
    host.chosen = c.chosen;
    host.title = "Tintlens - old.clf";
    document.New();
    EXPECT_EQ(host.log, c.log) << c.why;
    EXPECT_EQ(host.colours.empty(), c.cleared || c.colours.empty()) << c.why;
    EXPECT_EQ(host.title, c.cleared ? "Tintlens" : "Tintlens - old.clf") << c.why;
    if (c.cleared) {
      EXPECT_FALSE(host.modified) << c.why;
    }
  }
}

TEST(Document, ExitAsksWheneverModifiedEvenForAnEmptyList) {
  const std::tuple<bool, std::vector<ColourValue>, Answer, std::optional<ChosenFile>, bool> cases[] = {
      {false, {1}, Answer::No, std::nullopt, true},
      {true, {}, Answer::No, std::nullopt, true},
      {true, {1}, Answer::Cancel, std::nullopt, false},
      {true, {1}, Answer::Yes, kColours, true},
      {true, {1}, Answer::Yes, std::nullopt, false},
  };
  for (const auto& [modified, colours, answer, chosen, exits] : cases) {
    FakeHost host;
    Document document(host);
    host.modified = modified;
    host.colours = colours;
    host.answers = {answer};
    host.chosen = {chosen};
    EXPECT_EQ(document.ConfirmExit(), exits);
    EXPECT_EQ(host.log.rfind("ask", 0) == 0, modified);
  }
}

TEST(Document, OpenReplacesTheListAsksFirstAndSaysWhenItCannot) {
  FakeHost host;
  Document document(host);
  host.files["/home/three.clf"] = {3, 2, 1};
  host.colours = {9};
  host.modified = true;
  host.answers = {Answer::No};
  host.chosen = {ChosenFile{"/home/three.clf", "three.clf"}};
  document.Open();
  EXPECT_EQ(host.log, "ask ");
  EXPECT_EQ(host.colours, (std::vector<ColourValue>{3, 2, 1}));
  EXPECT_FALSE(host.modified);
  EXPECT_EQ(host.title, "Tintlens - three.clf");
  EXPECT_EQ(document.CurrentPath(), "/home/three.clf");

  host.log.clear();
  host.chosen = {ChosenFile{"/home/missing.clf", "missing.clf"}};
  document.Open();  // not modified: no question
  EXPECT_EQ(host.log, "cannot-open:/home/missing.clf ");
  EXPECT_EQ(host.colours, (std::vector<ColourValue>{3, 2, 1}));
  EXPECT_EQ(document.CurrentPath(), "/home/three.clf");

  host.modified = true;
  host.answers = {Answer::Cancel};
  document.Open();
  EXPECT_EQ(host.colours, (std::vector<ColourValue>{3, 2, 1})) << "Cancel: no dialog, no change";
}

TEST(Document, ExportNeverTouchesPathTitleOrFlag) {
  FakeHost host;
  Document document(host);
  host.modified = true;
  host.chosen = {ChosenFile{"/home/a.ase", "a.ase"}, ChosenFile{"/readonly/a.act", "a.act"},
                 std::nullopt};
  document.Export(FileKind::SwatchExchange);
  document.Export(FileKind::ColourTable);
  document.Export(FileKind::ColourTable);
  EXPECT_EQ(host.log,
            "export-dialog export:/home/a.ase export-dialog export:/readonly/a.act export-failed "
            "export-dialog ");
  EXPECT_TRUE(host.modified);
  EXPECT_EQ(host.title, "Tintlens");
  EXPECT_EQ(document.CurrentPath(), "");
}

TEST(Document, ImportAppendsInFileOrderAndKeepsTheListsOwnFile) {
  struct ImportCase {
    std::optional<ChosenFile> chosen;
    std::vector<ColourValue> colours;  // the list afterwards
    bool modified;
    const char* log;
  };
  const ImportCase cases[] = {
      {ChosenFile{"/home/brand.gpl", "brand.gpl"}, {9, 8, 1, 2, 3}, true, "import-dialog "},
      {ChosenFile{"/home/empty.ase", "empty.ase"}, {9, 8}, false,
       "import-dialog no-colours:/home/empty.ase "},
      {ChosenFile{"/home/bad.aco", "bad.aco"}, {9, 8}, false,
       "import-dialog cannot-open:/home/bad.aco "},
      {std::nullopt, {9, 8}, false, "import-dialog "},
  };
  for (const ImportCase& c : cases) {
    FakeHost host;
    Document document(host);
    host.files = {{"/home/brand.clf", {9, 8}}, {"/home/brand.gpl", {1, 2, 3}}, {"/home/empty.ase", {}}};
    host.chosen = {ChosenFile{"/home/brand.clf", "brand.clf"}, c.chosen};
    document.Open();
    document.Import();
    EXPECT_EQ(host.log, c.log);
    EXPECT_EQ(host.colours, c.colours) << c.log;
    EXPECT_EQ(host.modified, c.modified) << c.log;
    EXPECT_EQ(host.title, "Tintlens - brand.clf") << c.log;
    EXPECT_EQ(document.CurrentPath(), "/home/brand.clf") << c.log;
  }
}

TEST(Document, RecoveredColoursAreUnsavedAndSaySoInTheTitleUntilSavedOrCleared) {
  struct RecoveredCase {
    std::function<void(Document&)> then;
    std::deque<Answer> answers;
    std::deque<std::optional<ChosenFile>> chosen;
    std::vector<ColourValue> colours;
    const char* title;
    const char* log;
  };
  const ChosenFile kPalette{"/home/brand.gpl", "brand.gpl"};
  const RecoveredCase cases[] = {
      {[](Document& d) { d.Save(); }, {}, {kColours}, {3, 2, 1}, "Tintlens - colors.clf",
       "save-dialog write:/home/colors.clf "},
      {[](Document& d) { d.ClearAll(); }, {Answer::No}, {}, {}, "Tintlens", "ask "},
      {[](Document& d) { d.ClearAll(); }, {Answer::Cancel}, {}, {3, 2, 1}, "Tintlens - Recovered",
       "ask "},
      {[](Document& d) { d.ClearAll(); }, {Answer::Yes}, {kColours}, {}, "Tintlens - colors.clf",
       "ask save-dialog write:/home/colors.clf "},
      {[](Document& d) { d.New(); }, {Answer::No}, {}, {}, "Tintlens", "ask "},
      {[](Document& d) { d.Import(); }, {}, {kPalette}, {3, 2, 1, 4}, "Tintlens - Recovered",
       "import-dialog "},
  };
  for (const RecoveredCase& c : cases) {
    FakeHost host;
    Document document(host);
    host.files["/home/brand.gpl"] = {4};
    document.Recover({3, 2, 1});
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.title, "Tintlens - Recovered");
    EXPECT_EQ(document.CurrentPath(), "");
    host.answers = c.answers;
    host.chosen = c.chosen;
    c.then(document);
    EXPECT_EQ(host.log, c.log);
    EXPECT_EQ(host.colours, c.colours) << c.log;
    EXPECT_EQ(host.title, c.title) << c.log;
  }
}

}  // namespace
}  // namespace tl
