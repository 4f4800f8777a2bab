// The document flow against real files in a fresh folder, and the recovery rules
// for unsaved colours.

#include "document/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <functional>
#include <map>
#include <set>

#include "document/recovery.h"
#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "files/palette_writer.h"
#include "files/temporary_file.h"
#include "tests/unit/temp_folder.h"

namespace tl {
namespace {

using List = std::vector<ColourValue>;
using NameList = std::vector<std::string>;
using Chosen = std::optional<ChosenFile>;

template <typename T>
T Pop(std::deque<T>& queue, const T& otherwise) {
  if (queue.empty()) return otherwise;
  const T next = queue.front();
  queue.pop_front();
  return next;
}

// A scripted host: answers and chosen files are queued (Cancel when none is); all
// it shows is logged, a path by its last name.
class FakeHost : public DocumentHost {
 public:
  const List& Colours() const override { return colours; }
  const NameList& Names() const override { return names; }
  bool Modified() const override { return modified; }
  void SetModified(bool value) override { modified = value; }
  void ReplaceColours(const List& value, const NameList& named) override {
    colours = value, names = named;
  }
  void AppendColours(const List& value, const NameList& named) override {
    if (!named.empty())
      names.resize(colours.size()), names.insert(names.end(), named.begin(), named.end());
    colours.insert(colours.end(), value.begin(), value.end());
  }
  Chosen ChooseFileToOpen() override { return Next("open-dialog "); }
  Chosen ChooseFileToSave(FileKind kind) override {
    return Next(kind == FileKind::ColourList ? "save-dialog " : "export-dialog ");
  }
  Chosen ChooseFileToImport() override { return Next("import-dialog "); }
  Answer AskToSaveColours() override {
    log += "ask ";
    return Pop(answers, Answer::Cancel);
  }
  void ShowCannotSave(const std::string& path) override { Show("cannot-save:", path); }
  void ShowCannotOpen(const std::string& path) override { Show("cannot-open:", path); }
  void ShowTooLarge(const std::string& path) override { Show("too-large:", path); }
  void ShowExportFailed() override { log += "export-failed "; }
  void ShowNoColoursFound(const std::string& path) override { Show("no-colours:", path); }
  void SetTitle(const std::string& value) override { title = value; }
  void FileUsed(const std::string& path) override { used.push_back(path); }

  Chosen Next(const char* dialog) {
    log += dialog;
    return Pop(chosen, Chosen());
  }
  void Show(const char* what, const std::string& path) {
    log += what + path.substr(path.rfind('/') + 1) + " ";
  }

  List colours;
  NameList names;
  bool modified = false;
  std::string title = "Tintlens", log;
  std::deque<Answer> answers;
  std::deque<Chosen> chosen;
  NameList used;  // what Recent Files would hold, oldest first
};

// "no/" is a folder that does not exist and "folder" one that does: a path
// through or onto them cannot be written.
class DocumentTest : public testing_support::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
  }
  ChosenFile File(const std::string& name) const {
    return {Path(name), name.substr(name.rfind('/') + 1)};
  }
  void Put(const std::string& name, const std::string& text) const {
    ASSERT_TRUE(WriteFileReplacing(Path(name), Bytes(text.begin(), text.end())));
  }
  static std::string ListFile(const List& colours) {
    const Bytes bytes = EncodeColourListFile(colours);
    return std::string(bytes.begin(), bytes.end());
  }

  FakeHost host;
  Document document{host};
};

// Once the path is known a save asks nothing, and without a change writes
// nothing; one that breaks off part-way says so and keeps the earlier file, the
// path, the title and the flag.
TEST_F(DocumentTest, ASaveThatBreaksOffPartWayKeepsTheEarlierFileWhole) {
  host.colours = List(100, kWhite);
  host.modified = true;
  host.chosen = {File("colors.clf")};
  ASSERT_TRUE(document.Save());
  std::remove(Path("colors.clf").c_str());
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(Listing(), "folder/") << "nothing changed, nothing written";
  host.modified = true;
  ASSERT_TRUE(document.Save());
  EXPECT_EQ(host.log, "save-dialog ") << "one dialog, the first time";
  host.colours = {1, 2};
  host.modified = true;
  host.log.clear();
  {
    testing_support::FileSizeLimit limit(20);
    EXPECT_FALSE(document.Save());
  }
  EXPECT_EQ(host.log, "cannot-save:colors.clf ");
  EXPECT_EQ(Contents(Path("colors.clf")), ListFile(List(100, kWhite)));
  EXPECT_EQ(Listing(), "colors.clf/folder/") << "no partial file is left behind";
  EXPECT_EQ(host.used, NameList(2, Path("colors.clf")))
      << "each save that wrote, not the failed one";
  EXPECT_EQ(std::make_tuple(host.modified, host.title, document.CurrentPath()),
            std::make_tuple(true, std::string("Tintlens - colors.clf"), Path("colors.clf")));
}

// New, Clear All, Open and Exit ask before unsaved colours are dropped, and Yes
// means they must be kept: a save that is cancelled or fails stops the command.
TEST_F(DocumentTest, EveryCommandThatDropsTheListAsksAndStopsWhenTheColoursCannotBeKept) {
  const struct {
    bool modified;
    List colours;
    Answer answer;
    Chosen chosen;
    bool goesAhead;
    const char* log;
  } cases[] = {
      {true, {}, Answer::No, std::nullopt, true, ""},  // modified but empty: Exit alone asks
      {true, {1}, Answer::Cancel, std::nullopt, false, "ask "},
      {true, {1}, Answer::Yes, File("colors.clf"), true, "ask save-dialog "},
      {true, {1}, Answer::Yes, std::nullopt, false, "ask save-dialog "},
      {true,
       {1},
       Answer::Yes,
       File("no/colors.clf"),
       false,
       "ask save-dialog cannot-save:colors.clf "},
  };
  for (const std::string command : {"New", "Clear All", "Open", "Open File", "Exit"}) {
    for (const auto& c : cases) {
      std::remove(Path("colors.clf").c_str());
      FakeHost host;
      Document document(host);
      host.modified = c.modified;
      host.colours = c.colours;
      host.answers = {c.answer};
      host.chosen = {c.chosen};
      host.title = "Tintlens - old.clf";
      const std::string why = command + ": " + c.log;
      if (command == "Exit") {
        EXPECT_EQ(document.ConfirmExit(), c.goesAhead) << why;
        EXPECT_EQ(host.log.rfind("ask", 0) == 0, c.modified) << why;
        continue;
      }
      // Open goes on to its dialog, which is cancelled.
      const bool afresh = c.goesAhead && command == "New", saved = c.goesAhead && c.chosen;
      const bool opens = command == "Open" || command == "Open File";
      if (command == "Open File") {
        EXPECT_FALSE(document.OpenFile(Path("missing.clf"))) << why;
      } else {
        command == "New" ? document.New() : opens ? document.Open() : document.ClearAll();
      }
      const char* then = command == "Open" ? "open-dialog " : "cannot-open:missing.clf ";
      EXPECT_EQ(host.log, c.log + std::string(opens && c.goesAhead ? then : "")) << why;
      EXPECT_EQ(host.colours, c.goesAhead && !opens ? List{} : c.colours) << why;
      EXPECT_EQ(Contents(Path("colors.clf")), saved ? ListFile(c.colours) : "") << why;
      // New starts afresh; Clear All keeps the list's file and leaves the flag as it was.
      EXPECT_EQ(host.title, afresh  ? "Tintlens"
                            : saved ? "Tintlens - colors.clf"
                                    : "Tintlens - old.clf")
          << why;
      EXPECT_EQ(host.modified, !afresh && !saved && c.modified) << why;
    }
  }
}

// Open reads another palette kind as Import does, into a new, untitled, unsaved
// list, so that Save never writes a colour list over it; a colour list, and any
// file the readers do not know, becomes the list and its file. A file that gives
// no colours, is too large or cannot be read whole (a folder fails at its first
// read) is explained, and neither Open nor Import changes the list, its file or
// its flag.
TEST_F(DocumentTest, OpenReadsAnotherPaletteKindIntoAnUntitledListAndAnyOtherFileAsAColourList) {
  // Named as a list, but the swatch exchange's magic tells.
  const std::pair<const char*, FileKind> others[] = {{"a.aco", FileKind::PhotoshopSwatches},
                                                     {"swatches.clf", FileKind::SwatchExchange},
                                                     {"a.gpl", FileKind::GimpPalette},
                                                     {"a.act", FileKind::ColourTable}};
  for (const auto& [name, kind] : others) {
    const Bytes bytes = EncodePalette(kind, {7}, "p");
    Put(name, std::string(bytes.begin(), bytes.end()));
  }
  Put("notes.txt", ListFile({5}).substr(9));  // nine bytes short of the count: no entries
  Put("quarter.clf", ListFile({5, 6}).replace(9, 4, std::string("\0\0\0\x40", 4)));
  Put("legacy.clf", std::string("\0\x02", 2) + ListFile({5, 6}).substr(2));  // an old list's magic
  Put("empty.gpl", "GIMP Palette\n");
  Put("bad.aco", "not a palette");
  SparseFile("huge.ase", "ASEF", kLargestPaletteFile + 1);
  const std::tuple<const char*, List, const char*> cases[] = {
      {"a.aco", {7}, nullptr},
      {"swatches.clf", {7}, nullptr},
      {"a.gpl", {7}, nullptr},
      {"a.act", {7}, nullptr},
      {"notes.txt", {}, ""},
      {"quarter.clf", {5, 6}, ""},
      {"legacy.clf", {5, 6}, ""},
      {"empty.gpl", {9}, "no-colours:empty.gpl "},
      {"bad.aco", {9}, "cannot-open:bad.aco "},
      {"huge.ase", {9}, "too-large:huge.ase "},
      {"missing.clf", {9}, "cannot-open:missing.clf "},
      {"folder", {9}, "cannot-open:folder "},
  };
  // Open and Import through their dialogs, and the same without one (a file
  // named on the command line, dropped or chosen from Recent Files).
  enum Way { kOpen, kImport, kOpenFile, kImportFile };
  for (const auto& [name, colours, log] : cases) {
    for (const Way way : {kOpen, kImport, kOpenFile, kImportFile}) {
      const bool import = way == kImport || way == kImportFile;
      if (import && (!log || !*log)) continue;
      FakeHost host;
      Document document(host);
      Put("old.clf", ListFile({9}));
      host.chosen = {File("old.clf"), File(name), std::nullopt};
      document.Open();
      host.log.clear();
      if (way == kOpenFile) {
        EXPECT_EQ(document.OpenFile(Path(name)), !log || !*log) << name;
      }
      way == kOpen         ? document.Open()
      : way == kImport     ? document.Import()
      : way == kImportFile ? document.ImportFile(Path(name))
                           : void();
      const std::string path = !log ? "" : *log ? Path("old.clf") : Path(name);
      const char* dialog = way == kOpen ? "open-dialog " : way == kImport ? "import-dialog " : "";
      EXPECT_EQ(
          std::make_tuple(host.log, host.colours, host.modified, document.CurrentPath(),
                          host.title),
          std::make_tuple(dialog + std::string(log ? log : ""), colours, !log, path,
                          log ? "Tintlens - " + path.substr(path.rfind('/') + 1) : "Tintlens"));
      // Recent Files gains what was opened, of any kind, and nothing imported.
      const bool opened = !import && (!log || !*log);
      const NameList used =
          opened ? NameList{Path("old.clf"), Path(name)} : NameList{Path("old.clf")};
      EXPECT_EQ(host.used, used) << name;
      document.Save();  // its dialog cancelled: never over the file opened
      EXPECT_EQ(host.log.find("save-dialog") != std::string::npos, !log) << name;
    }
  }
}

// What each export writes is the documents journey's.
TEST_F(DocumentTest, AFailedExportSaysSoAndNoExportTouchesPathTitleOrFlag) {
  host.colours = {MakeColour(18, 52, 86)};
  host.modified = true;
  host.chosen = {File("a.act"), File("no/a.act"), File("folder"), std::nullopt};
  for (int i = 0; i < 4; ++i) document.Export(FileKind::ColourTable);
  EXPECT_EQ(host.log,
            "export-dialog export-dialog export-failed export-dialog export-failed export-dialog ");
  EXPECT_EQ(Listing(), "a.act/folder/");
  EXPECT_EQ(std::make_tuple(host.modified, host.title, document.CurrentPath()),
            std::make_tuple(true, std::string("Tintlens"), std::string()));
}

TEST_F(DocumentTest, RecoveredColoursAreUnsavedAndSaySoInTheTitleUntilSavedOrCleared) {
  Put("brand.gpl", "GIMP Palette\n4 0 0\n");
  const struct {
    std::function<void(Document&)> then;
    Answer answer;
    Chosen chosen;
    List colours;
    const char* title;
  } cases[] = {
      {[](Document& d) { d.Save(); },
       Answer::No,
       File("colors.clf"),
       {3, 2, 1},
       "Tintlens - colors.clf"},
      {[](Document& d) { d.ClearAll(); }, Answer::No, {}, {}, "Tintlens"},
      {[](Document& d) { d.ClearAll(); }, Answer::Cancel, {}, {3, 2, 1}, "Tintlens - Recovered"},
      {[](Document& d) { d.Import(); },
       Answer::No,
       File("brand.gpl"),
       {3, 2, 1, 4},
       "Tintlens - Recovered"},
  };
  for (const auto& c : cases) {
    FakeHost host;
    Document document(host);
    document.Recover({3, 2, 1});
    EXPECT_EQ(std::make_tuple(host.modified, host.title, document.CurrentPath()),
              std::make_tuple(true, std::string("Tintlens - Recovered"), std::string()));
    host.answers = {c.answer};
    host.chosen = {c.chosen};
    c.then(document);
    EXPECT_EQ(host.colours, c.colours) << c.title;
    EXPECT_EQ(host.title, c.title) << host.log;
  }
  EXPECT_EQ(Contents(Path("colors.clf")), ListFile({3, 2, 1}));
}

// Save writes the names, Open and Import read them (Import after the list's own
// entries, unnamed or not), and an export writes them where its kind holds them.
TEST_F(DocumentTest, NamesGoThroughSaveOpenImportAndExport) {
  host.colours = {1, 2};
  host.names = {"", "two"};
  host.modified = true;
  host.chosen = {File("named.clf"), File("named.gpl"), File("named.clf"), File("named.gpl")};
  ASSERT_TRUE(document.Save());
  document.Export(FileKind::GimpPalette);
  host.names = {"gone"};
  document.Open();
  EXPECT_EQ(std::make_tuple(host.colours, host.names, host.modified),
            std::make_tuple(List{1, 2}, NameList{"", "two"}, false));
  document.Import();
  EXPECT_EQ(host.colours, (List{1, 2, 1, 2}));
  EXPECT_EQ(host.names, (NameList{"", "two", "", "two"}));
}

// --- Recovery of unsaved colours ----------------------------------------------------

// A folder in memory. Copies that running instances hold are in `heldElsewhere`;
// what this instance does is logged in order.
class FakeFolder : public RecoveryFiles {
 public:
  std::vector<RecoveryFileEntry> List() override {
    std::vector<RecoveryFileEntry> entries;
    for (const auto& [name, file] : files) entries.push_back({name, file.second});
    return entries;
  }
  bool Hold(const std::string& name) override {
    return !heldElsewhere.count(name) && held.insert(name).second;
  }
  void Release(const std::string& name) override {
    held.erase(name), log += "release:" + name + " ";
  }
  std::optional<Bytes> Read(const std::string& name) override {
    if (!held.count(name)) ADD_FAILURE() << "read without holding " << name;
    if (unreadable.count(name)) return std::nullopt;
    return files.at(name).first;
  }
  bool Write(const std::string& name, const Bytes& bytes) override {
    if (!held.count(name)) ADD_FAILURE() << "written without holding " << name;
    log += "write:" + name + " ";
    if (!failWrites) files[name] = {bytes, 100};
    return !failWrites;
  }
  bool Remove(const std::string& name) override {
    files.erase(name), held.erase(name), log += "remove:" + name + " ";
    return true;
  }
  tl::List ColoursIn(const std::string& name) const {
    return DecodeColourListFile(files.at(name).first.data(), files.at(name).first.size());
  }

  std::map<std::string, std::pair<Bytes, std::uint64_t>> files;  // bytes, time written
  std::set<std::string> heldElsewhere, unreadable, held;
  bool failWrites = false;
  std::string log;
};

Bytes Copy(const List& colours) { return EncodeColourListFile(colours); }

// At start the temporary files of killed writes go, once their process has; the
// orphans are read, newest first, and stay until our copy holds their colours.
TEST(Recovery, OrphansAreTheCopiesNoRunningInstanceHoldsNewestFirstAndGoOnceOursIsWritten) {
  FakeFolder folder;
  folder.files = {
      {"old.clf", {Copy({1}), 10}},
      {"newest.clf", {Copy({3, 3}), 30}},
      {"running.clf", {Copy({9}), 40}},     // another instance's, still running
      {"damaged.clf", {Copy({2, 5}), 20}},  // cut off inside its second entry
      {"unreadable.clf", {Copy({8}), 25}},  // locked by some other program
      {"headless.clf", {Copy({7}), 15}},    // restores nothing: its header is damaged
      {"short.clf", {Copy({}), 5}},         // or it is shorter than one
      {"own.lock", {{}, 50}},
      {"own.clf", {Copy({4}), 45}},     // this instance's own, never an orphan
      {"tl12-1.tmp", {Copy({6}), 50}},  // an earlier version's, its process gone
      {TemporaryNameFor("x.clf", 12), {Copy({6}), 50}},
      {TemporaryNameFor("x.clf", 34), {Copy({6}), 50}},  // still being written
  };
  folder.files["damaged.clf"].first.resize(kColourListHeaderSize + 6);
  folder.files["headless.clf"].first[7] = 0xFF;
  folder.files["short.clf"].first.pop_back();
  folder.heldElsewhere = {"running.clf"};
  folder.unreadable = {"unreadable.clf"};
  RecoveryKeeper keeper(folder, "own.clf", [](std::uint32_t process) { return process != 34; });
  EXPECT_EQ(keeper.TakeOrphans(), (List{3, 3, 2, 1}));
  const std::string leftForALaterStart =
      "remove:" + TemporaryNameFor("x.clf", 12) +
      " remove:tl12-1.tmp release:unreadable.clf release:headless.clf release:short.clf ";
  EXPECT_EQ(folder.log, leftForALaterStart);
  EXPECT_EQ(folder.held, (std::set<std::string>{"newest.clf", "damaged.clf", "old.clf"}));
  keeper.Keep(1, true, {3, 3, 2, 1});
  EXPECT_EQ(folder.log, leftForALaterStart +
                            "write:own.clf remove:newest.clf remove:damaged.clf remove:old.clf ");
  EXPECT_EQ(folder.ColoursIn("own.clf"), (List{3, 3, 2, 1}));
}

// A write that fails (a full disk) is tried again at the next idle moment, and
// at the session's end, until one succeeds; the orphans stay until then, or
// until the list is saved.
TEST(Recovery, AFailedWriteIsTriedAgainUntilOursIsWrittenAndTheOrphansStayTillThen) {
  for (const bool saved : {false, true}) {
    FakeFolder folder;
    folder.files = {{"orphan.clf", {Copy({1, 2}), 10}}};
    folder.failWrites = true;
    RecoveryKeeper keeper(folder, "own.clf");
    ASSERT_EQ(keeper.TakeOrphans(), (List{1, 2}));
    keeper.Keep(1, true, {1, 2});
    keeper.Keep(1, true, {1, 2});
    EXPECT_TRUE(folder.files.count("orphan.clf"));
    folder.failWrites = false;
    keeper.Keep(1, !saved, {1, 2});
    keeper.Keep(1, !saved, {1, 2});
    EXPECT_EQ(folder.log, "write:own.clf write:own.clf " +
                              std::string(saved ? "release:own.clf " : "write:own.clf ") +
                              "remove:orphan.clf ");
  }
}

TEST(Recovery, TheOwnCopyFollowsTheUnsavedListOnceEachChangeAndGoesWithTheLastWord) {
  // Generation, modified, list, what is done: nothing unsaved, nothing written; a
  // pick; an idle moment without a change; saved; nothing to remove twice; a pick
  // after the save; every colour deleted; a pick.
  const char *kWrite = "write:own.clf ", *kRemove = "remove:own.clf ";
  const std::tuple<std::uint64_t, bool, List, const char*> steps[] = {
      {1, false, {}, ""},          {2, true, {5}, kWrite}, {2, true, {5}, ""},
      {3, false, {6, 5}, kRemove}, {3, false, {6, 5}, ""}, {4, true, {7, 6, 5}, kWrite},
      {5, true, {}, kRemove},      {6, true, {8}, kWrite}};
  FakeFolder folder;
  RecoveryKeeper keeper(folder, "own.clf");
  for (const auto& [generation, modified, colours, log] : steps) {
    folder.log.clear();
    keeper.Keep(generation, modified, colours);
    EXPECT_EQ(folder.log, log) << generation;
    if (folder.files.count("own.clf")) {
      EXPECT_EQ(folder.ColoursIn("own.clf"), colours) << generation;
    }
  }
  folder.log.clear();
  keeper.Discard();  // Exit, after the save question
  keeper.Keep(7, true, {9, 8});
  EXPECT_EQ(folder.log, "remove:own.clf ") << "nothing is written after the last word";
}

// Names go into the own copy and come back from the orphans, each with its
// colour, the copies one after another.
TEST(Recovery, NamesGoIntoTheCopyAndComeBackWithTheirColours) {
  FakeFolder folder;
  folder.files = {{"newer.clf", {EncodeColourListFile({1, 2}, {"", "two"}), 20}},
                  {"older.clf", {EncodeColourListFile({3, 4}, {"three"}), 10}}};
  RecoveryKeeper keeper(folder, "own.clf");
  NameList names = {"stale"};
  EXPECT_EQ(keeper.TakeOrphans(&names), (List{1, 2, 3, 4}));
  EXPECT_EQ(names, (NameList{"", "two", "three"}));
  keeper.Keep(1, true, {1, 2, 3, 4}, names);
  EXPECT_EQ(folder.files.at("own.clf").first, EncodeColourListFile({1, 2, 3, 4}, names));
  // A copy whose names block is damaged keeps its colours.
  Bytes damaged = EncodeColourListFile({1, 2}, {"one"});
  damaged.pop_back();
  EXPECT_EQ(ColoursOfRecoveryCopy(damaged, &names), (List{1, 2}));
  EXPECT_EQ(names, NameList{});
}

TEST(Recovery, ADamagedCopyGivesEveryWholeEntryItHolds) {
  Bytes cutShort = Copy({1, 2, 3}), notAList = Copy({1, 2}), noCount = Copy({1, 2, 3});
  Bytes bigCount = noCount;
  cutShort.pop_back();
  notAList[0] = 'X';
  std::fill(noCount.begin() + 9, noCount.begin() + 13, 0);
  bigCount[10] = 0x10;  // 4,099 entries claimed
  const std::pair<Bytes, List> cases[] = {
      {Copy({1, 2, 3}), {1, 2, 3}},
      {cutShort, {1, 2}},
      {noCount, {1, 2, 3}},
      {bigCount, {1, 2, 3}},
      {Bytes(cutShort.begin(), cutShort.begin() + 12), {}},
      {notAList, {}},
      {{}, {}},
  };
  for (const auto& [bytes, colours] : cases) {
    EXPECT_EQ(ColoursOfRecoveryCopy(bytes), colours) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace tl
