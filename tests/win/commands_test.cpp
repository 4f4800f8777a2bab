// Every command of the main window, sent as its menus, keys and controls send it,
// each checked by what it does.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "res/maker.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::ClipboardText;
using testing_support::DialogCloser;
using testing_support::MainWindowTest;
using testing_support::TextOf;
using testing_support::WasOpened;

constexpr ColourValue kFirst = 0x00563412;
constexpr ColourValue kSecond = 0x00ABCDEF;

struct CommandCase {
  int id;
  int code;            // notification code, sent with the control's handle when not 0
  const char* dialog;  // caption of the dialog the command opens
  int answer;          // the button that closes it
  std::function<void()> before;
  std::function<void()> check;
};

TEST_F(MainWindowTest, EveryCommandReachesItsHandler) {
  const HWND list = Item(IDC_COLOUR_LIST);
  auto count = [&] { return ::SendMessageA(list, LB_GETCOUNT, 0, 0); };
  auto twoPicks = [&] {
    Pick(kFirst);
    Pick(kSecond);  // on top
  };
  int zoom = 0;
  std::string shown;
  const CommandCase cases[] = {
      {ID_OPEN_MAIN_WINDOW, 0, nullptr, 0, [&] { ::ShowWindow(Window(), SW_HIDE); },
       [&] { EXPECT_TRUE(::IsWindowVisible(Window())); }},
      {ID_APP_ABOUT, 0, "About", IDCANCEL, nullptr, nullptr},
      {IDOK, 0, nullptr, 0, twoPicks, [&] {
         EXPECT_TRUE(::IsWindowVisible(Window()));
         EXPECT_EQ(count(), 2);
       }},
      {IDCANCEL, 0, nullptr, 0, nullptr, [&] {
         EXPECT_FALSE(::IsWindowVisible(Window()));
         EXPECT_TRUE(::IsWindow(Window()));
       }},
      {ID_ALWAYS_ON_TOP, 0, nullptr, 0, nullptr,
       [&] { EXPECT_TRUE(::GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST); }},
      {ID_ZOOM_IN, 0, nullptr, 0, [&] { zoom = m_window.ZoomLevel(); },
       [&] { EXPECT_EQ(m_window.ZoomLevel(), zoom + 1); }},
      {ID_ZOOM_OUT, 0, nullptr, 0, [&] { zoom = m_window.ZoomLevel(); },
       [&] { EXPECT_EQ(m_window.ZoomLevel(), zoom - 1); }},
      {IDC_PICK_BUTTON, BN_CLICKED, nullptr, 0, nullptr, [&] {
         EXPECT_TRUE(m_window.Picking());
         EXPECT_EQ(TextOf(Item(IDC_PICK_BUTTON)), "Stop");
         Command(IDC_PICK_BUTTON, BN_CLICKED, Item(IDC_PICK_BUTTON));
         EXPECT_FALSE(m_window.Picking());
       }},
      {IDC_FORMAT_BOX, CBN_SELCHANGE, nullptr, 0,
       [&] { ::SendMessageA(Item(IDC_FORMAT_BOX), CB_SETCURSEL, 0, 0); },
       [&] { EXPECT_EQ(m_window.CurrentNotation(), kNotationTable[0].id); }},
      // Whatever the box holds is copied, typed over or not, and stays selected.
      {IDC_COPY_BUTTON, BN_CLICKED, nullptr, 0,
       [&] { ::SetWindowTextA(Item(IDC_COLOUR_TEXT), "typed by the user"); }, [&] {
         EXPECT_EQ(ClipboardText(), "typed by the user");
         DWORD start = 0, end = 0;
         ::SendMessageA(Item(IDC_COLOUR_TEXT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
         EXPECT_EQ(end - start, 17u);
       }},
      {IDC_MODE_BUTTON, BN_CLICKED, nullptr, 0, nullptr,
       [&] { EXPECT_TRUE(m_window.IsAdvancedLayout()); }},
      {IDC_COLOUR_LIST, LBN_SELCHANGE, nullptr, 0,
       [&] { ::SendMessageA(list, LB_SETCURSEL, 1, 0); },
       [&] {
         EXPECT_EQ(m_window.CurrentColour(), kFirst);
         EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), NotationText(kFirst, m_window.CurrentNotation()));
         EXPECT_EQ(::SendMessageA(Item(IDC_GREEN_SLIDER), TBM_GETPOS, 0, 0), GreenOf(kFirst));
       }},
      {ID_OPTIONS, 0, "Options", IDCANCEL, nullptr, nullptr},
      {ID_FILE_OPEN, 0, "Tintlens", IDCANCEL, nullptr, nullptr},  // asks to save first
      {ID_FILE_SAVE, 0, "Save As", IDCANCEL, nullptr, nullptr},    // never saved: asks for a name
      {ID_FILE_SAVE_AS, 0, "Save As", IDCANCEL, nullptr, nullptr},
      {ID_EXPORT_ASE, 0, "Save As", IDCANCEL, nullptr, nullptr},
      {ID_EXPORT_ACT, 0, "Save As", IDCANCEL, nullptr, nullptr},
      {ID_EXPORT_ACO, 0, "Save As", IDCANCEL, nullptr, nullptr},
      {ID_EXPORT_GPL, 0, "Save As", IDCANCEL, nullptr, nullptr},
      {ID_FILE_IMPORT, 0, "Open", IDCANCEL, nullptr, [&] { EXPECT_EQ(count(), 2); }},
      {IDC_DELETE_BUTTON, BN_CLICKED, nullptr, 0, [&] { ::SendMessageA(list, LB_SETCURSEL, 0, 0); },
       [&] {
         EXPECT_EQ(count(), 1);
         EXPECT_EQ(m_window.ColourListModel().ColourAt(0), kFirst);
       }},
      {ID_SUPPORT, 0, nullptr, 0, nullptr, [&] { EXPECT_TRUE(WasOpened(TL_MAKER_SUPPORT)); }},
      {ID_CHECK_UPDATE, 0, nullptr, 0, nullptr, [&] { EXPECT_TRUE(WasOpened(TL_MAKER_UPDATE)); }},
      // Asks about the unsaved colours; No: only the list goes, the read-outs and
      // the modified flag stay as they are.
      {ID_CLEAR_ALL, 0, "Tintlens", IDNO, [&] { shown = TextOf(Item(IDC_COLOUR_TEXT)); }, [&] {
         EXPECT_EQ(count(), 0);
         EXPECT_TRUE(m_window.ColourListModel().Modified());
         EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), shown);
       }},
      {ID_FILE_NEW, 0, "Tintlens", IDNO, [&] { Pick(kFirst); }, [&] { EXPECT_EQ(count(), 0); }},
      {ID_APP_EXIT, 0, "Tintlens", IDNO, [&] { Pick(kFirst); }, [&] {
         EXPECT_TRUE(m_window.IsExiting());
         EXPECT_EQ(m_loop.Run(), 0);
         EXPECT_FALSE(::IsWindow(Window()));
       }},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.id);
    if (c.before) c.before();
    const HWND control = c.code ? Item(c.id) : nullptr;
    if (c.dialog) {
      DialogCloser closer(Window(), c.answer);
      Command(c.id, c.code, control);
      EXPECT_EQ(closer.Caption(), c.dialog);
    } else {
      Command(c.id, c.code, control);
    }
    if (c.check) c.check();
  }
}

}  // namespace
}  // namespace tl
