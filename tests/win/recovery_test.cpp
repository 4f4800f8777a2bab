// The recovery copies on a real Windows folder: how a running instance keeps
// others off its copy, and when the main window writes it. The folder's name is in two scripts, as
// a user's profile can be.

#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "platform/recovery_folder.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::DialogCloser;
using testing_support::DialogDriver;
using testing_support::MainWindowTest;

using Copies = std::map<std::string, std::vector<ColourValue>>;

// A folder that does not exist yet, in two scripts; the tests leave it empty,
// and it goes with them.
class RecoveryFolderPath {
 public:
  RecoveryFolderPath() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_root = std::string(temp) + "tintlens-test-\xD0\x92\xD0\xBE\xD1\x81 \xE5\xBE\xA9\xE5\x85\x83-";
    m_root += std::to_string(::GetCurrentProcessId());
    path = m_root + "\\Tintlens\\Recovery";
  }
  ~RecoveryFolderPath() {
    for (const std::string& folder : {path, m_root + "\\Tintlens", m_root}) {
      ::RemoveDirectoryA(folder.c_str());
    }
  }
  // Every file in the folder: the copies with their colours, the locks empty.
  Copies Files() const {
    Copies copies;
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA((path + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return copies;
    do {
      const std::string name = found.cFileName;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const bool lock = name.size() > 5 && name.substr(name.size() - 5) == ".lock";
      const FileBytes file = ReadWholeFile(path + "\\" + name);
      copies[name] = lock        ? std::vector<ColourValue>{}
                     : file.Ok() ? DecodeColourListFile(file.bytes.data(), file.bytes.size())
                                 : std::vector<ColourValue>{0xBAD};
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return copies;
  }

  std::string path;

 private:
  std::string m_root;
};

TEST(RecoveryFolder, ARunningInstancesCopyIsReplacedWholeAndTakenByNobodyUntilItEnds) {
  RecoveryFolderPath folder;
  auto first = std::make_unique<RecoveryFolder>(folder.path);
  auto firstKeeper = std::make_unique<RecoveryKeeper>(*first, "1-1.clf");
  firstKeeper->Keep(1, true, {1, 2});
  firstKeeper->Keep(2, true, {3, 1, 2});  // over the copy it holds
  EXPECT_EQ(folder.Files(), (Copies{{"1-1.clf", {3, 1, 2}}, {"1-1.lock", {}}}));

  RecoveryFolder second(folder.path);
  RecoveryKeeper secondKeeper(second, "2-2.clf");
  EXPECT_EQ(secondKeeper.TakeOrphans(), std::vector<ColourValue>{}) << "the first is running";

  // The first instance ends without a word, as a killed process does: its
  // handles close, its copy stays for the next start (the documents journey
  // restores one), and its lock goes.
  firstKeeper.reset();
  first.reset();
  EXPECT_EQ(folder.Files(), (Copies{{"1-1.clf", {3, 1, 2}}}));
  ::DeleteFileA((folder.path + "\\1-1.clf").c_str());
}

TEST_F(MainWindowTest, TheCopyIsWrittenAtTheIdleMomentAfterAChangeAndAtOnceWhenTheSessionEnds) {
  RecoveryFolderPath folder;
  m_window.StartRecovery(folder.path);
  auto copied = [&] {
    for (const auto& [name, colours] : folder.Files()) {
      if (name.size() > 4 && name.substr(name.size() - 4) == ".clf") return colours;
    }
    return std::vector<ColourValue>{};
  };
  Pick(kWhite);
  EXPECT_EQ(copied(), std::vector<ColourValue>{}) << "not before the idle moment";
  m_window.OnIdle();
  EXPECT_EQ(copied(), std::vector<ColourValue>{kWhite});

  Pick(kBlack);
  EXPECT_EQ(::SendMessageA(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE)
      << "the log-off is never held up";
  EXPECT_EQ(copied(), (std::vector<ColourValue>{kBlack, kWhite}));
  Pick(kWhite);
  ::SendMessageA(Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(copied(), (std::vector<ColourValue>{kWhite, kBlack, kWhite}));

  {
    DialogCloser closer(Window(), IDNO);
    Command(ID_CLEAR_ALL);
    EXPECT_EQ(closer.Caption(), "Tintlens") << "Clear All asks first, as New does";
  }
  m_window.OnIdle();
  EXPECT_EQ(folder.Files(), Copies{}) << "the colours were let go: no copy, no lock";
}

// A recovered colour keeps its name: the list reads "name (r, g, b)", Ctrl+C in
// the list copies the colour as the format box writes it, never the name, and
// the copy the window keeps from then on holds the name, and a new one given.
TEST_F(MainWindowTest, ARecoveredNamedColourReadsWithItsNameAndCopiesAsItsColour) {
  RecoveryFolderPath folder;
  const std::string root = folder.path.substr(0, folder.path.rfind("\\Tintlens\\Recovery"));
  for (const std::string& made : {root, root + "\\Tintlens", folder.path})
    ::CreateDirectoryA(made.c_str(), nullptr);
  const std::string name = "Caf\xC3\xA9 \xE6\xB7\xB1";
  ASSERT_TRUE(WriteFileReplacing(folder.path + "\\1-1.clf",
                                 EncodeColourListFile({MakeColour(18, 52, 86), kWhite}, {name})));
  m_window.StartRecovery(folder.path);
  const HWND list = Item(IDC_COLOUR_LIST), box = Item(IDC_FORMAT_BOX);
  char entry[64] = {};
  ::SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(entry, name + " (18, 52, 86)");
  ::SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "255, 255, 255");

  ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(NotationRowOf(kNotationHtml)), 0);
  Command(IDC_FORMAT_BOX, CBN_SELCHANGE, box);
  ::ShowWindow(Window(), SW_SHOW);
  ::SetForegroundWindow(Window());
  ::SendMessageA(list, LB_SETCURSEL, 0, 0);
  ::SetFocus(list);
  Command(ID_EDIT_COPY);
  EXPECT_EQ(testing_support::ClipboardText(), "#123456");

  const auto copiedNames = [&] {
    m_window.OnIdle();
    for (const auto& [file, colours] : folder.Files()) {
      if (file.find(".clf") == std::string::npos) continue;
      const FileBytes copy = ReadWholeFile(folder.path + "\\" + file);
      return ReadColourListFile(copy.bytes.data(), copy.bytes.size()).names;
    }
    return std::vector<std::string>{"no copy"};
  };
  EXPECT_EQ(copiedNames(), std::vector<std::string>{name});
  // A rename is a change the copy follows.
  ::SendMessageA(list, LB_SETCURSEL, 1, 0);
  const auto typeName = [](HWND dialog) {
    ::SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"\x591c");
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  };
  EXPECT_TRUE(DialogDriver::Run(
      Window(), [&] { Command(ID_RENAME_COLOUR); }, typeName));
  EXPECT_EQ(copiedNames(), (std::vector<std::string>{name, "\xE5\xA4\x9C"}));
  DialogCloser closer(Window(), IDNO);
  Command(ID_CLEAR_ALL);
  closer.Caption();
  m_window.OnIdle();
  EXPECT_EQ(folder.Files(), Copies{});
}

}  // namespace
}  // namespace tl
