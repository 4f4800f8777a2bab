// What the program's own controls paint and do, on the main window under test:
// list entries and a link; and the notification-area icon.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include "tests/win/win_test_support.h"
#include "ui/hyperlink.h"
#include "ui/tray_icon.h"

namespace tl {
namespace {

using testing_support::MainWindowTest;
using testing_support::Surface;
using testing_support::WasOpened;

// Drawn through the main window, as the list box's own request arrives: a bar in
// the entry's colour, text in black or white, and while focused a frame in the
// complementary colour.
TEST_F(MainWindowTest, ListEntriesAreBarsInTheirColourWithReadableTextAndAFocusFrame) {
  const int width = 120, height = 16;
  for (const auto& [colour, text] : {std::pair{MakeColour(128, 128, 128), kBlack},
                                     std::pair{MakeColour(117, 117, 117), kWhite}}) {
    Pick(colour);
    for (bool focused : {false, true}) {
      Surface surface(width, height);
      DRAWITEMSTRUCT item{ODT_LISTBOX,
                          IDC_COLOUR_LIST,
                          0,
                          ODA_DRAWENTIRE,
                          focused ? UINT{ODS_FOCUS | ODS_SELECTED} : 0u,
                          Item(IDC_COLOUR_LIST),
                          surface.Get(),
                          {0, 0, width, height},
                          colour};
      ::SendMessageA(Window(), WM_DRAWITEM, IDC_COLOUR_LIST, reinterpret_cast<LPARAM>(&item));
      const ColourValue edge = focused ? kWhite - colour : colour;
      EXPECT_EQ(surface.Pixel(1, 1), colour) << std::hex << colour;
      EXPECT_EQ(surface.Pixel(0, 0), edge) << std::hex << colour;
      int textPixels = 0;
      for (int y = 1; y < height - 1; ++y) {
        for (int x = 1; x < width - 1; ++x) textPixels += surface.Pixel(x, y) == text;
      }
      EXPECT_GT(textPixels, 10) << "text in " << std::hex << text;
    }
  }
}

// The link's colours (blue, then purple once visited) are read from the screen by
// the About box's journey; here, what counts as a click on it.
TEST_F(MainWindowTest, ALinkOpensOnlyOnPressAndReleaseOverItsText) {
  Show();
  const HWND control = ::CreateWindowExA(0, "STATIC", "https://example.com/", WS_CHILD | WS_VISIBLE,
                                         10, 10, 180, 16, Window(), nullptr, nullptr, nullptr);
  ::SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Hyperlink link;
  ASSERT_TRUE(link.Attach(control));
  ASSERT_TRUE(link.SetTarget("https://example.com/clicked"));
  const RECT r = link.LinkRect();
  EXPECT_GT(r.right, 40);
  EXPECT_LT(r.right, 170) << "as wide as the text, not the control";
  const LPARAM inside = MAKELPARAM(r.right / 2, 5), beyond = MAKELPARAM(r.right + 5, 5);

  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, beyond);
  EXPECT_NE(::GetCapture(), control) << "beside the text is not the link";
  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  EXPECT_EQ(::GetCapture(), control);
  ::SendMessageA(control, WM_LBUTTONUP, 0, beyond);  // moved off before releasing
  EXPECT_NE(::GetCapture(), control);
  EXPECT_FALSE(link.Visited());

  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  ::SendMessageA(control, WM_LBUTTONUP, 0, inside);
  EXPECT_TRUE(link.Visited());
  EXPECT_TRUE(WasOpened("https://example.com/clicked"));
}

// When the first placing fails and a new taskbar's broadcast places the icon
// after all, the icon still goes away with its window instead of lingering.
TEST(TrayIcon, AnIconPlacedOnlyAfterTheTaskbarReturnsIsStillRemoved) {
  const HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  NOTIFYICONDATAA squatter{};
  squatter.cbSize = NOTIFYICONDATAA_V2_SIZE;
  squatter.hWnd = window;
  squatter.uID = IDR_TRAYMENU;
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_ADD, &squatter));  // the same icon, already there

  const HICON icon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  TrayIcon tray;
  EXPECT_FALSE(tray.Create(window, IDR_TRAYMENU, "Keepcase", icon, kTrayMessage));
  EXPECT_FALSE(tray.Added());
  ::SendMessageA(window, TrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(tray.Added());
  EXPECT_TRUE(::Shell_NotifyIconA(NIM_MODIFY, &squatter)) << "the icon is in place";

  ::DestroyWindow(window);
  EXPECT_FALSE(tray.Added());
  EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &squatter)) << "the icon is gone";
}

}  // namespace
}  // namespace tl
