// Palette files that reach the window from outside it: dropped from the Explorer,
// handed over by a second start, and chosen again from File > Recent Files, in a
// folder whose name is in two scripts.

#include <windows.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_arrival.h"
#include "files/palette_writer.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::DialogCloser;
using testing_support::MainWindowTest;
using testing_support::TextOf;

const ColourValue kA1 = MakeColour(1, 2, 3), kA2 = MakeColour(4, 5, 6), kB = MakeColour(7, 8, 9),
                  kC = MakeColour(10, 11, 12);
const std::string kNight = "\xD0\x9D\xD0\xBE\xD1\x87\xD1\x8C";  // "Ночь"

class DocumentsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_folder = std::string(temp) + "tl-files-\xD0\x92\xD0\xBE\xD1\x81 \xE5\xBE\xA9-" +
               std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_folder.c_str(), nullptr);
    ASSERT_TRUE(WritePalette(FileKind::ColourList, Path("a.clf"), {kA1, kA2}, "", {kNight}));
    ASSERT_TRUE(WritePalette(FileKind::GimpPalette, Path("b.gpl"), {kB}, "b", {"Sea"}));
    ASSERT_TRUE(WritePalette(FileKind::SwatchExchange, Path("c.ase"), {kC}, ""));
  }
  void TearDown() override {
    for (const char* name : {"a.clf", "b.gpl", "c.ase"}) ::DeleteFileA(Path(name).c_str());
    ::RemoveDirectoryA(m_folder.c_str());
  }
  std::string Path(const std::string& name) const { return m_folder + "\\" + name; }

  // What the Explorer sends: the paths in UTF-16 after a DROPFILES header.
  void Drop(const std::vector<std::string>& names) {
    std::wstring paths;
    for (const std::string& name : names) {
      const std::string path = Path(name);
      std::wstring wide(path.size(), L'\0');
      wide.resize(::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                                        static_cast<int>(wide.size())) -
                  1);
      paths += wide + L'\0';
    }
    paths += L'\0';
    const HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + paths.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(paths.begin(), paths.end(), reinterpret_cast<wchar_t*>(drop + 1));
    ::GlobalUnlock(memory);
    ::SendMessageA(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  }
  // The posted requests handled, as the loop would.
  static void Settle() {
    MSG message;
    for (int idle = 0; idle < 5; ++idle) {
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
        idle = 0;
      }
      ::Sleep(10);
    }
  }
  std::vector<std::string> RecentItems() {
    const HMENU file = ::GetSubMenu(::GetMenu(Window()), 0);
    HMENU recent = nullptr;
    for (int i = 0; i < ::GetMenuItemCount(file) && !recent; ++i) {
      const HMENU popup = ::GetSubMenu(file, i);
      if (popup && ::GetMenuItemID(popup, 0) == ID_RECENT_FILE_1) recent = popup;
    }
    std::vector<std::string> items;
    if (!recent) return items;
    ::SendMessageA(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), 0);
    for (int i = 0; i < ::GetMenuItemCount(recent); ++i) {
      char text[MAX_PATH * 3] = {};
      ::GetMenuStringA(recent, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      const bool grey =
          (::GetMenuState(recent, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
      items.push_back(std::string(grey ? "grey " : "") + text);
    }
    return items;
  }
  std::string Entry(int index) {
    char text[256] = {};
    ::SendMessageA(Item(IDC_COLOUR_LIST), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
  }

  std::string m_folder;
};

TEST_F(DocumentsTest, DroppedHandedOverAndRecentFilesOpenAsTheExplorerWould) {
  EXPECT_EQ(RecentItems(), std::vector<std::string>{"grey (Empty)"});

  // A drop: the colour list opens, the swatch files join it in the order dropped.
  Drop({"b.gpl", "a.clf", "c.ase"});
  EXPECT_EQ(ListColours(), (std::vector<ColourValue>{kA1, kA2, kB, kC}));
  EXPECT_EQ(Entry(0), kNight + " (1, 2, 3)");
  EXPECT_EQ(Entry(2), "Sea (7, 8, 9)");
  EXPECT_EQ(TextOf(Window()), "Tintlens - a.clf");
  EXPECT_TRUE(m_window.ColourListModel().Modified());

  // A second start's files: the unsaved colours are asked about first, and a
  // swatch file opens as an untitled list of its colours.
  {
    DialogCloser closer(Window(), IDNO);
    ASSERT_TRUE(HandFilesToRunningInstance({Path("b.gpl")}));
    Settle();
    EXPECT_EQ(closer.Message(), "Do you want to save the colors?");
  }
  EXPECT_EQ(ListColours(), std::vector<ColourValue>{kB});
  EXPECT_EQ(TextOf(Window()), "Tintlens");

  // While a dialog of ours is open (the window disabled under it) a hand-over
  // waits, and opens at the next idle moment after it.
  ::EnableWindow(Window(), FALSE);
  {
    DialogCloser none(Window(), IDCANCEL, 1000);  // a question over the dialog is a fault
    ASSERT_TRUE(HandFilesToRunningInstance({Path("c.ase")}));
    Settle();
    EXPECT_EQ(none.Message(), "");
  }
  EXPECT_EQ(ListColours(), std::vector<ColourValue>{kB});
  ::EnableWindow(Window(), TRUE);
  {
    DialogCloser closer(Window(), IDNO);
    m_window.OnIdle();
  }
  EXPECT_EQ(ListColours(), std::vector<ColourValue>{kC});
  EXPECT_EQ(RecentItems(), (std::vector<std::string>{"&1 " + Path("c.ase"), "&2 " + Path("b.gpl"),
                                                     "&3 " + Path("a.clf")}));

  // Kept as UTF-16 in the registry, so the folder's name survives whatever the
  // code page.
  wchar_t stored[2 * MAX_PATH] = {};
  DWORD size = sizeof stored;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Quorvane\\Tintlens", L"RecentFiles",
                           RRF_RT_REG_MULTI_SZ, nullptr, stored, &size),
            ERROR_SUCCESS);
  EXPECT_NE(std::wstring(stored).find(L"\x0412\x043E\x0441 \x5FA9"), std::wstring::npos);

  // A file gone from its place says so and leaves the menu; the next one opens.
  ::DeleteFileA(Path("c.ase").c_str());
  {
    DialogCloser closer(Window(), IDOK);
    Command(ID_RECENT_FILE_1);
    EXPECT_NE(closer.Message().find("no longer there"), std::string::npos) << closer.Message();
  }
  EXPECT_EQ(RecentItems(),
            (std::vector<std::string>{"&1 " + Path("b.gpl"), "&2 " + Path("a.clf")}));
  {
    DialogCloser closer(Window(), IDNO);
    Command(ID_RECENT_FILE_1 + 1);
  }
  EXPECT_EQ(ListColours(), (std::vector<ColourValue>{kA1, kA2}));
  EXPECT_EQ(TextOf(Window()), "Tintlens - a.clf");
  EXPECT_FALSE(m_window.ColourListModel().Modified());
}

}  // namespace
}  // namespace tl
