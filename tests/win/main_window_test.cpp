// The real main window, built from its template, driven by messages.

#include <windows.h>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "platform/clipboard.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::ClipboardText;
using testing_support::DialogCloser;
using testing_support::MainWindowTest;
using testing_support::TextOf;

TEST_F(MainWindowTest, IsAnUnownedCaptionedDialogWithoutMaximiseBox) {
  EXPECT_EQ(TextOf(Window()), "Tintlens");
  const LONG_PTR style = ::GetWindowLongPtrA(Window(), GWL_STYLE);
  EXPECT_FALSE(style & WS_VISIBLE) << "shown only by the start-up code";
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & (WS_POPUP | WS_CHILD));
  EXPECT_EQ(::GetWindow(Window(), GW_OWNER), nullptr);
  EXPECT_NE(::SendMessageA(Window(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(::SendMessageA(Window(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowTest, OpensCentredOnTheWorkAreaThenShortenedToTheSimpleLayout) {
  RECT area{}, group{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  ::GetWindowRect(Item(IDC_RGB_GROUP), &group);
  const RECT rect = WindowRect();
  const int width = rect.right - rect.left;
  const int fullHeight = rect.bottom - rect.top + (group.bottom - group.top);
  EXPECT_EQ(rect.left, (area.left + area.right) / 2 - width / 2);
  EXPECT_EQ(rect.top, (area.top + area.bottom) / 2 - fullHeight / 2);
  EXPECT_FALSE(m_window.IsAdvancedLayout());
}

// The edit keys reach the window through its accelerator table, as the message
// loop's filter sees them; each acts on the control that has the focus.
TEST_F(MainWindowTest, EditKeysActOnTheFocusedControl) {
  const HWND box = Item(IDC_COLOUR_TEXT), list = Item(IDC_COLOUR_LIST);
  ::ShowWindow(Window(), SW_SHOW);
  ::SetForegroundWindow(Window());
  Pick(MakeColour(18, 52, 86));
  auto press = [&](HWND focus, UINT key, BYTE modifier) {
    ::SetFocus(focus);
    BYTE keys[256] = {};
    keys[modifier] = 0x80;
    ::SetKeyboardState(keys);
    const bool alt = modifier == VK_MENU;
    MSG message{focus, alt ? UINT{WM_SYSKEYDOWN} : UINT{WM_KEYDOWN}, key,
                alt ? LPARAM{1} << 29 : LPARAM{0}, 0, {}};
    const bool translated = m_window.PreTranslateMessage(message);
    keys[modifier] = 0;
    ::SetKeyboardState(keys);
    return translated;
  };
  struct Case {
    HWND focus;
    UINT key;
    BYTE modifier;
    const char* boxBefore;  // the box's whole text is selected first
    const char* clipboardBefore;
    const char* boxAfter;
    const char* clipboardAfter;
  };
  const Case cases[] = {
      {box, 'C', VK_CONTROL, "copied", "", "copied", "copied"},
      {box, VK_INSERT, VK_CONTROL, "copied too", "", "copied too", "copied too"},
      {box, 'X', VK_CONTROL, "cut", "", "", "cut"},
      {box, 'V', VK_CONTROL, "old", "pasted", "pasted", "pasted"},
      {box, VK_INSERT, VK_SHIFT, "old", "pasted too", "pasted too", "pasted too"},
      {list, 'C', VK_CONTROL, "kept", "", "kept", "18, 52, 86"},  // the entry's text
  };
  ::SendMessageA(list, LB_SETCURSEL, 0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boxAfter);
    ::SetWindowTextA(box, c.boxBefore);
    ::SendMessageA(box, EM_SETSEL, 0, -1);
    CopyTextToClipboard(Window(), c.clipboardBefore);
    EXPECT_TRUE(press(c.focus, c.key, c.modifier));
    EXPECT_EQ(TextOf(box), c.boxAfter);
    EXPECT_EQ(ClipboardText(), c.clipboardAfter);
  }
  // Undo (Ctrl+Z, and Alt+Backspace) takes back the last edit in the box.
  ::SetWindowTextA(box, "before");
  ::SendMessageA(box, EM_SETSEL, 0, -1);
  ::SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("after"));
  EXPECT_TRUE(press(box, 'Z', VK_CONTROL));
  EXPECT_EQ(TextOf(box), "before");
  EXPECT_TRUE(press(box, VK_BACK, VK_MENU));
  EXPECT_EQ(TextOf(box), "after");
}

// A start whose main window cannot be made tells the user and exits non-zero. A
// computer-based-training hook refuses the first window the program creates.
bool g_refusedAWindow = false;

LRESULT CALLBACK RefuseTheFirstWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && !g_refusedAWindow) {
    g_refusedAWindow = true;
    return 1;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Startup, AMainWindowThatCannotBeCreatedIsReportedWithANonZeroExitCode) {
  const HHOOK hook =
      ::SetWindowsHookExA(WH_CBT, RefuseTheFirstWindow, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  DialogCloser closer(nullptr, IDOK);
  const int exitCode = RunProgram(SW_SHOWNOACTIVATE);
  ::UnhookWindowsHookEx(hook);
  EXPECT_TRUE(g_refusedAWindow);
  EXPECT_EQ(exitCode, kStartFailedExitCode);
  EXPECT_EQ(closer.Caption(), "Tintlens");
  EXPECT_NE(closer.Message().find("could not start"), std::string::npos) << closer.Message();
}

}  // namespace
}  // namespace tl
