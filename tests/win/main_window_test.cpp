// The real main window, built from its template, driven by messages: start-up,
// edit keys, the list and its read-outs, display scaling, always on top and exit.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/startup.h"
#include "core/magnifier_geometry.h"
#include "platform/clipboard.h"
#include "settings/global_hotkeys.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::ClipboardText;
using testing_support::DialogCloser;
using testing_support::MainWindowTest;
using testing_support::Surface;
using testing_support::TextOf;

const ColourValue kSample = MakeColour(18, 52, 86);

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
  EXPECT_EQ(exitCode, kStartFailedExitCode);
  EXPECT_EQ(closer.Caption(), "Tintlens");
  EXPECT_NE(closer.Message().find("could not start"), std::string::npos) << closer.Message();
}

// The edit keys reach the window through its accelerator table, as the message
// loop's filter sees them; each acts on the control that has the focus.
TEST_F(MainWindowTest, EditKeysActOnTheFocusedControl) {
  const HWND box = Item(IDC_COLOUR_TEXT), list = Item(IDC_COLOUR_LIST);
  ::ShowWindow(Window(), SW_SHOW);
  ::SetForegroundWindow(Window());
  Pick(kSample);
  ::SendMessageA(list, LB_SETCURSEL, 0, 0);
  auto press = [&](HWND focus, UINT key) {
    ::SetFocus(focus);
    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    const bool translated = m_window.PreTranslateMessage(message);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    return translated;
  };
  const struct {
    HWND focus;
    UINT key;
    const char *boxBefore, *clipboardBefore, *boxAfter, *clipboardAfter;  // the box's text selected
  } cases[] = {
      {box, 'C', "copied", "", "copied", "copied"},
      {list, 'C', "kept", "", "kept", "18, 52, 86"},  // the entry's text, not the box's
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.boxAfter);
    ::SetWindowTextA(box, c.boxBefore);
    ::SendMessageA(box, EM_SETSEL, 0, -1);
    CopyTextToClipboard(Window(), c.clipboardBefore);
    EXPECT_TRUE(press(c.focus, c.key));
    EXPECT_EQ(TextOf(box), c.boxAfter);
    EXPECT_EQ(ClipboardText(), c.clipboardAfter);
  }
  // A slider's value box, shown in the advanced layout, takes its own paste.
  Command(IDC_MODE_BUTTON);
  const HWND value = Item(IDC_SLIDER_VALUE_1);
  CopyTextToClipboard(Window(), "42");
  ::SetWindowTextA(value, "");
  EXPECT_TRUE(press(value, 'V'));
  EXPECT_EQ(TextOf(value), "42");
}

// Picks go on top with their own text; choosing an entry, a notation or a
// slider's thumb changes the read-outs, and nothing else.
TEST_F(MainWindowTest, TheListAndTheReadOutsFollowEachOtherOnly) {
  const HWND list = Item(IDC_COLOUR_LIST);
  EXPECT_FALSE(m_window.ColourListModel().Modified());
  Pick(kSample);
  Pick(kWhite);
  EXPECT_TRUE(m_window.ColourListModel().Modified());
  EXPECT_EQ(ListColours(), (std::vector<ColourValue>{kWhite, 5649426}));
  EXPECT_EQ(m_window.ColourListModel().Colours(), ListColours());
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR) << "adding selects nothing";

  ::SendMessageA(list, LB_SETCURSEL, 1, 0);
  Command(IDC_COLOUR_LIST, LBN_SELCHANGE, list);
  EXPECT_EQ(m_window.CurrentColour(), kSample);
  EXPECT_EQ(::SendMessageA(Item(IDC_GREEN_SLIDER), TBM_GETPOS, 0, 0), 52);
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "18, 52, 86");
  EXPECT_EQ(TextOf(Item(IDC_RGB_LABEL)), "R: 18 G: 52 B: 86");
  char entry[32] = {};
  ::SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "18, 52, 86") << "entries keep their own text";

  // Every move of a slider edits the colour (the end of a move adds nothing),
  // and no slider is moved back under the user's hand.
  const HWND green = Item(IDC_GREEN_SLIDER);
  for (const auto& [code, edits] :
       {std::pair{TB_THUMBTRACK, true}, std::pair{TB_THUMBPOSITION, true},
        std::pair{TB_LINEUP, true}, std::pair{TB_ENDTRACK, false}}) {
    m_window.ShowColour(kSample);
    ::SendMessageA(green, TBM_SETPOS, TRUE, 200);
    ::SendMessageA(Window(), WM_HSCROLL, MAKEWPARAM(code, 200), reinterpret_cast<LPARAM>(green));
    EXPECT_EQ(m_window.CurrentColour(), edits ? MakeColour(18, 200, 86) : kSample) << code;
    EXPECT_EQ(::SendMessageA(green, TBM_GETPOS, 0, 0), 200) << code;
    EXPECT_EQ(::SendMessageA(Item(IDC_RED_SLIDER), TBM_GETPOS, 0, 0), 18) << code;
  }
  EXPECT_EQ(ListColours(), (std::vector<ColourValue>{kWhite, kSample})) << "edits add nothing";
}

TEST_F(MainWindowTest, DeletingSelectsTheNextEntryOrTheNewLastOne) {
  const struct {
    int count;
    int selected;  // -1: nothing selected
    bool byKey;    // the Delete key, else the button
    int selectionAfter;
    const char* why;
  } cases[] = {
      {5, 1, false, 1, "middle: the entry that moved up"},
      {5, 4, true, 3, "last: the new last entry"},
      {1, 0, false, -1, "the only entry"},
      {5, -1, true, -1, "nothing selected deletes nothing"},
  };
  const HWND list = Item(IDC_COLOUR_LIST);
  for (const auto& c : cases) {
    if (!ListColours().empty()) {
      DialogCloser closer(Window(), IDNO);  // the list holds unsaved colours
      Command(ID_CLEAR_ALL);
    }
    for (int i = c.count - 1; i >= 0; --i) Pick(MakeColour(10 + i, 0, 0));  // 10 on top
    m_window.ShowColour(kSample);
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
    if (c.byKey) {
      ::SendMessageA(list, WM_KEYUP, VK_DELETE, 0);
    } else {
      Command(IDC_DELETE_BUTTON, BN_CLICKED, Item(IDC_DELETE_BUTTON));
    }
    std::vector<ColourValue> expected;
    for (int i = 0; i < c.count; ++i) {
      if (i != c.selected) expected.push_back(MakeColour(10 + i, 0, 0));
    }
    EXPECT_EQ(ListColours(), expected) << c.why;
    EXPECT_EQ(m_window.ColourListModel().Colours(), expected) << c.why;
    EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), c.selectionAfter) << c.why;
    const ColourValue current =
        c.selectionAfter >= 0 ? expected[static_cast<std::size_t>(c.selectionAfter)] : kSample;
    EXPECT_EQ(m_window.CurrentColour(), current) << c.why;
    EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), NotationText(current, kNotationRgb))
        << c.why << ": the read-outs are refreshed in every case";
  }
}

int ClientHeight(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return client.bottom;
}

// A cursor's or icon's width and hot spot.
std::tuple<int, DWORD, DWORD> Shape(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return {0, 0, 0};
  BITMAP mask{};
  ::GetObjectA(info.hbmMask, sizeof mask, &mask);
  ::DeleteObject(info.hbmMask);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  return {mask.bmWidth, info.xHotspot, info.yHotspot};
}
int IconWidth(HICON icon) { return std::get<0>(Shape(icon)); }

// The width of the delete button's cross as the button draws it, made large
// enough for the largest picture (no dialog manager resizes it here); -1 where
// the picture's transparent magenta shows.
int CrossWidth(HWND button) {
  constexpr int kSize = 64;
  RECT before{};
  ::GetClientRect(button, &before);
  ::SetWindowPos(button, nullptr, 0, 0, kSize, kSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Surface surface(kSize, kSize);
  ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Get()), PRF_CLIENT);
  ::SetWindowPos(button, nullptr, 0, 0, before.right, before.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  int left = kSize, right = -1;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (surface.Pixel(x, y) == 0xFF00FF) return -1;  // the picture's transparent colour
      if (surface.Pixel(x, y) != 0x000080) continue;   // the cross's dark red
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return right - left + 1;
}

// Wine never moves a window to a monitor of another scale: a WM_DPICHANGED sent
// by hand stands in for the move, there and back again. (The test desktop is too
// low for the advanced layout at 200 %; the end-to-end tests start there.)
TEST_F(MainWindowTest, MovingToAnotherScaleRemakesPicturesFontAndHeightsForIt) {
  Pick(kSample);  // an entry to measure
  const HWND list = Item(IDC_COLOUR_LIST);
  const int entry = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  auto toggleLayout = [&] { Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON)); };
  const int simple = ClientHeight(Window());
  toggleLayout();
  const int advanced = ClientHeight(Window());
  toggleLayout();
  // What the dialog manager would do, done by the window: each control's place
  // and dialog font scaled from those at 96 DPI (the pick button stands for all).
  const auto placeOf = [&](int id) {
    RECT r{};
    ::GetWindowRect(Item(id), &r);
    ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const auto fontHeightOf = [&](int id) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(Item(id), WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    return font.lfHeight;
  };
  const RECT button96 = placeOf(IDC_PICK_BUTTON);
  ASSERT_EQ(fontHeightOf(IDC_PICK_BUTTON), -11) << "the template's 8 points at 96 DPI";
  const struct {
    UINT dpi;
    int eyedropper, cross, icon;
    LONG font;
  } scales[] = {{144, 24, 27, 24, -24}, {120, 20, 22, 20, -20}, {96, 16, 18, 16, -16}};
  for (const auto& scale : scales) {
    RECT suggested{};
    ::GetWindowRect(Window(), &suggested);
    suggested.right = suggested.left + ::MulDiv(suggested.right - suggested.left, scale.dpi, 96);
    suggested.bottom = suggested.top + ::MulDiv(suggested.bottom - suggested.top, scale.dpi, 96);
    ::SendMessageA(Window(), WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    const auto picker = ::SendMessageA(Item(IDC_PICKER_ICON), STM_GETICON, 0, 0);
    EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(picker)), scale.eyedropper) << scale.dpi;
    EXPECT_EQ(CrossWidth(Item(IDC_DELETE_BUTTON)), scale.cross) << scale.dpi;
    const auto small = reinterpret_cast<HICON>(::SendMessageA(Window(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(IconWidth(small), scale.icon) << scale.dpi;
    // A drag shows the drag cursor made for the scale, its hot spot on the tip.
    ::SendMessageA(Item(IDC_PICKER_ICON), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Shape(::GetCursor()),
              std::make_tuple(2 * scale.icon, DWORD{1}, DWORD(scale.icon - 1)))
        << scale.dpi;
    ::ReleaseCapture();  // ends the drag without keeping anything
    EXPECT_EQ(m_window.Tray().Data().hIcon, small) << scale.dpi;
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(Item(IDC_COLOUR_TEXT), WM_GETFONT, 0, 0)),
                 sizeof font, &font);
    EXPECT_EQ(font.lfHeight, scale.font) << scale.dpi;
    EXPECT_EQ(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), ::MulDiv(entry, scale.dpi, 96))
        << scale.dpi;
    EXPECT_EQ(ClientHeight(Window()), ::MulDiv(simple, scale.dpi, 96)) << scale.dpi;
    const RECT button = placeOf(IDC_PICK_BUTTON);
    const auto scaled = [&](LONG v) { return ::MulDiv(v, scale.dpi, 96); };
    EXPECT_EQ(std::make_tuple(button.left, button.top, button.right, button.bottom),
              std::make_tuple(scaled(button96.left), scaled(button96.top), scaled(button96.right),
                              scaled(button96.bottom)))
        << scale.dpi;
    // The template's 8 points at the new DPI, as a start there would make it.
    EXPECT_EQ(fontHeightOf(IDC_PICK_BUTTON), -::MulDiv(8, scale.dpi, 72)) << scale.dpi;
    // The magnifier of the new size is filled at once, not left black: its
    // crosshair's row holds the inverted arm and the screen beside it, which
    // cannot both be black.
    DIBSECTION view{};
    ASSERT_TRUE(::GetObjectA(m_window.MagnifierPicture(), sizeof view, &view)) << scale.dpi;
    const Crosshair cross =
        CrosshairFor(view.dsBm.bmWidth, view.dsBm.bmHeight, m_window.ZoomLevel());
    const auto* row = static_cast<const std::uint32_t*>(view.dsBm.bmBits) +
                      static_cast<std::size_t>(cross.horizontal.top) * view.dsBm.bmWidth;
    EXPECT_TRUE(std::any_of(row, row + view.dsBm.bmWidth, [](std::uint32_t p) { return p != 0; }))
        << scale.dpi;
    toggleLayout();
    EXPECT_EQ(ClientHeight(Window()), ::MulDiv(advanced, scale.dpi, 96)) << scale.dpi;
    toggleLayout();
  }
}

// The check mark follows the window's state, and the next start is topmost
// again. (Exit and its code are the journeys' to check, on the real process.)
// The tools of the tooltip windows a window owns, each control with its text.
struct OwnedTooltips {
  HWND owner;
  std::map<HWND, std::string> texts;
};

BOOL CALLBACK CollectTooltips(HWND window, LPARAM parameter) {
  auto* found = reinterpret_cast<OwnedTooltips*>(parameter);
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (std::string(name) != TOOLTIPS_CLASSA || ::GetWindow(window, GW_OWNER) != found->owner) {
    return TRUE;
  }
  const auto count = ::SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[128] = {};
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    ::SendMessageA(window, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = text;
    ::SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    found->texts[reinterpret_cast<HWND>(tool.uId)] = text;
  }
  return TRUE;
}

// The eyedropper and the Pick button say what they do where the pointer rests.
TEST_F(MainWindowTest, TheEyedropperAndPickSayWhatTheyDo) {
  OwnedTooltips found{Window(), {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectTooltips, reinterpret_cast<LPARAM>(&found));
  EXPECT_EQ(found.texts[Item(IDC_PICKER_ICON)], "Drag onto any pixel to keep its colour");
  EXPECT_EQ(found.texts[Item(IDC_PICK_BUTTON)], "Pick colours anywhere on the screen");
}

TEST_F(MainWindowTest, AlwaysOnTopTogglesWithItsCheckAndHoldsAtTheNextStart) {
  auto topmost = [](HWND w) { return (::GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  ::ShowWindow(Window(), SW_SHOWNOACTIVATE);  // the menu is used on a visible window
  EXPECT_FALSE(MenuChecked(m_window, ID_ALWAYS_ON_TOP));
  Command(ID_ALWAYS_ON_TOP);
  EXPECT_TRUE(topmost(Window()));
  EXPECT_TRUE(MenuChecked(m_window, ID_ALWAYS_ON_TOP));
  GlobalHotkeys::Unregister(Window());  // as its Exit does, for the next start's
  MainWindow next;                      // stored at the toggle, as the next start reads it
  ASSERT_TRUE(next.Create(m_loop));
  ::ShowWindow(next.Handle(), SW_SHOWNOACTIVATE);
  EXPECT_TRUE(topmost(next.Handle()));
  EXPECT_TRUE(MenuChecked(next, ID_ALWAYS_ON_TOP));
  ::SendMessageA(next.Handle(), WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
  EXPECT_FALSE(topmost(next.Handle()));
  EXPECT_FALSE(MenuChecked(next, ID_ALWAYS_ON_TOP));
}

}  // namespace
}  // namespace tl
