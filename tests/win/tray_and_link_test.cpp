// The notification-area icon and the link labels of the About box.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/win/win_test_support.h"
#include "ui/hyperlink.h"
#include "ui/tray_icon.h"

namespace tl {
namespace {

using testing_support::ControlHost;
using testing_support::MainWindowTest;
using testing_support::WasOpened;

TEST_F(MainWindowTest, TrayIconShowsKeepcaseAndItsMenuOpensTheMainWindowByDefault) {
  const TrayIcon& tray = m_window.Tray();
  ASSERT_TRUE(tray.Added());
  const NOTIFYICONDATAA& data = tray.Data();
  EXPECT_EQ(data.hWnd, Window());
  EXPECT_EQ(data.uID, static_cast<UINT>(IDR_TRAYMENU));
  EXPECT_EQ(data.uCallbackMessage, kTrayMessage);
  EXPECT_STREQ(data.szTip, "Keepcase");
  ICONINFO icon{};
  ASSERT_TRUE(::GetIconInfo(data.hIcon, &icon));
  BITMAP mask{};
  ::GetObjectA(icon.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 16);
  ::DeleteObject(icon.hbmMask);
  if (icon.hbmColor) ::DeleteObject(icon.hbmColor);

  const HMENU popup = tray.Popup();
  EXPECT_EQ(::GetMenuItemCount(popup), 4);
  EXPECT_EQ(::GetMenuDefaultItem(popup, FALSE, 0), static_cast<UINT>(ID_OPEN_MAIN_WINDOW));

  // Only a double-click on our own icon does anything.
  const struct {
    WPARAM icon;
    LPARAM mouse;
    bool shown;
  } notes[] = {{IDR_TRAYMENU + 1, WM_LBUTTONDBLCLK, false},
               {IDR_TRAYMENU, WM_LBUTTONUP, false},
               {IDR_TRAYMENU, WM_RBUTTONDOWN, false},
               {IDR_TRAYMENU, WM_LBUTTONDBLCLK, true}};
  for (const auto& n : notes) {
    ::ShowWindow(Window(), SW_HIDE);
    EXPECT_EQ(::SendMessageA(Window(), kTrayMessage, n.icon, n.mouse), 0);
    EXPECT_EQ(::IsWindowVisible(Window()) != FALSE, n.shown) << n.icon << " " << n.mouse;
  }
}

// When the first placing fails and a new taskbar's broadcast places the icon
// after all, the icon still goes away with its window instead of lingering.
TEST(TrayIcon, AnIconPlacedOnlyAfterTheTaskbarReturnsIsStillRemoved) {
  const HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, nullptr, nullptr);
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

class LinkTest : public ControlHost {
 protected:
  HWND AddLink(const char* text = "https://example.com/") {
    return AddControl("STATIC", SS_LEFT, 1025, 180, 16, text);
  }
  // Pixels of the link's colour inside its text.
  int PixelsOf(HWND control, const Hyperlink& link, COLORREF colour) {
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const RECT r = link.LinkRect();
    POINT origin{0, 0};
    ::ClientToScreen(control, &origin);
    const WindowDC screen;
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        count += ::GetPixel(screen.Get(), origin.x + x, origin.y + y) == colour;
      }
    }
    return count;
  }
  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
};

TEST_F(LinkTest, OnlyAPressAndReleaseOnTheTextOpensItAndTurnsItPurple) {
  const HWND control = AddLink();
  Hyperlink link;
  ASSERT_TRUE(link.Attach(control));
  ASSERT_TRUE(link.SetTarget("https://example.com/clicked"));
  EXPECT_EQ(link.Label(), "https://example.com/");
  // One tool, showing the target set after attaching, not the label's.
  EXPECT_EQ(::SendMessageA(link.Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
  char tip[80] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = control;
  tool.uId = 1;
  tool.lpszText = tip;
  ::SendMessageA(link.Tooltip(), TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(tip, "https://example.com/clicked");
  EXPECT_TRUE(::GetWindowLongPtrA(control, GWL_STYLE) & SS_NOTIFY);
  const RECT r = link.LinkRect();
  EXPECT_EQ(r.left, 0);
  EXPECT_GT(r.right, 40);
  EXPECT_LT(r.right, 170) << "as wide as the text, not the control";
  const int inside = r.right / 2, beyond = r.right + 5;
  EXPECT_GT(PixelsOf(control, link, 0x00FF0000), 10) << "unvisited links are blue";

  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, At(beyond, 5));
  EXPECT_NE(::GetCapture(), control) << "beside the text is not the link";
  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, At(inside, 5));
  EXPECT_EQ(::GetCapture(), control);
  EXPECT_EQ(::GetFocus(), control);
  ::SendMessageA(control, WM_LBUTTONUP, 0, At(beyond, 5));  // moved off before releasing
  EXPECT_NE(::GetCapture(), control);
  EXPECT_FALSE(link.Visited());

  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, At(inside, 5));
  ::SendMessageA(control, WM_LBUTTONUP, 0, At(inside, 5));
  EXPECT_TRUE(link.Visited());
  EXPECT_TRUE(WasOpened("https://example.com/clicked"));
  EXPECT_GT(PixelsOf(control, link, 0x00800080), 10) << "visited links are purple";
  EXPECT_EQ(PixelsOf(control, link, 0x00FF0000), 0);
}

TEST_F(LinkTest, SpaceOpensTheHandShowsOverTheTextAndStoredColoursApply) {
  const char* key = "Software\\Microsoft\\Internet Explorer\\Settings";
  ::RegSetKeyValueA(HKEY_CURRENT_USER, key, "Anchor Color", REG_SZ, "255,0,0", 8);
  ::RegSetKeyValueA(HKEY_CURRENT_USER, key, "Anchor Color Visited", REG_SZ, "255,0", 6);
  const HWND control = AddLink("https://example.com/space");
  Hyperlink link;
  ASSERT_TRUE(link.Attach(control));
  ::RegDeleteKeyValueA(HKEY_CURRENT_USER, key, "Anchor Color");
  ::RegDeleteKeyValueA(HKEY_CURRENT_USER, key, "Anchor Color Visited");
  EXPECT_EQ(link.Target(), "https://example.com/space") << "the label until set";
  EXPECT_EQ(link.LinkColour(), 0x000000FFu);
  EXPECT_EQ(link.VisitedColour(), 0x00800080u) << "two parts keep the default";

  const HCURSOR arrow = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  ::SetCursor(arrow);
  ::SendMessageA(control, WM_MOUSEMOVE, 0, At(link.LinkRect().right + 5, 5));
  EXPECT_EQ(::GetCursor(), arrow);
  ::SendMessageA(control, WM_MOUSEMOVE, 0, At(2, 5));
  ICONINFO hand{};
  ASSERT_TRUE(::GetIconInfo(::GetCursor(), &hand));
  EXPECT_EQ(hand.xHotspot, 5u);
  EXPECT_EQ(hand.yHotspot, 0u);
  ::DeleteObject(hand.hbmMask);
  if (hand.hbmColor) ::DeleteObject(hand.hbmColor);

  EXPECT_EQ(::SendMessageA(control, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
  ::SendMessageA(control, WM_CHAR, 'x', 0);
  EXPECT_FALSE(link.Visited());
  ::SendMessageA(control, WM_CHAR, ' ', 0);
  EXPECT_TRUE(link.Visited());
  EXPECT_TRUE(WasOpened("https://example.com/space"));
}

}  // namespace
}  // namespace tl
