// What the main window does with its controls in detail: formats, sliders, the list,
// layouts, always on top, and notifications passed back to controls.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/reflection.h"
#include "platform/subclass.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::DialogCloser;
using testing_support::MainWindowTest;
using testing_support::TextOf;

const ColourValue kSample = MakeColour(18, 52, 86);

TEST_F(MainWindowTest, ChoosingANotationChangesOnlyTheColourText) {
  Pick(kSample);
  const HWND box = Item(IDC_FORMAT_BOX);
  for (int row = 0; row < 8; ++row) {
    ::SendMessageA(box, CB_SETCURSEL, row, 0);
    Command(IDC_FORMAT_BOX, CBN_SELCHANGE, box);
    EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), NotationText(kSample, kNotationTable[row].id)) << row;
    EXPECT_EQ(m_window.CurrentNotation(), kNotationTable[row].id);
    EXPECT_EQ(TextOf(Item(IDC_RGB_LABEL)), "R: 18 G: 52 B: 86");
    EXPECT_EQ(m_window.CurrentColour(), kSample);
  }
  char entry[32] = {};
  ::SendMessageA(Item(IDC_COLOUR_LIST), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "18, 52, 86") << "entries keep their own text";
}

TEST_F(MainWindowTest, OnlyADraggedThumbEditsTheColourAndNoSliderMovesBack) {
  struct Case {
    int code;
    bool edits;
  };
  const Case cases[] = {{TB_THUMBTRACK, true}, {TB_THUMBPOSITION, true}, {TB_LINEUP, false},
                        {TB_LINEDOWN, false},  {TB_PAGEUP, false},       {TB_PAGEDOWN, false},
                        {TB_ENDTRACK, false},  {TB_TOP, false},          {TB_BOTTOM, false}};
  const HWND red = Item(IDC_RED_SLIDER), green = Item(IDC_GREEN_SLIDER);
  for (const Case& c : cases) {
    m_window.SetCurrentColour(kSample);
    m_window.RefreshColour(false, false);
    ::SendMessageA(green, TBM_SETPOS, TRUE, 200);  // where the user's hand left it
    ::SendMessageA(Window(), WM_HSCROLL, MAKEWPARAM(c.code, 200), reinterpret_cast<LPARAM>(green));
    EXPECT_EQ(m_window.CurrentColour(), c.edits ? MakeColour(18, 200, 86) : kSample) << c.code;
    EXPECT_EQ(::SendMessageA(green, TBM_GETPOS, 0, 0), 200) << c.code;
    EXPECT_EQ(::SendMessageA(red, TBM_GETPOS, 0, 0), 18) << c.code;
  }
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "18, 52, 86");
  ::SendMessageA(Window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 7), reinterpret_cast<LPARAM>(red));
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "7, 52, 86");
  EXPECT_EQ(::SendMessageA(Item(IDC_BLUE_SLIDER), TBM_GETRANGEMAX, 0, 0), 255);
}

std::vector<ColourValue> ListBoxColours(HWND list) {
  std::vector<ColourValue> colours;
  const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    colours.push_back(static_cast<ColourValue>(::SendMessageA(list, LB_GETITEMDATA, i, 0)));
  }
  return colours;
}

TEST_F(MainWindowTest, PicksGoOnTopWithTheirTextAndMarkTheListModified) {
  const HWND list = Item(IDC_COLOUR_LIST);
  EXPECT_FALSE(m_window.ColourListModel().Modified());
  Pick(kSample);
  Pick(kWhite);
  Pick(kWhite);
  EXPECT_TRUE(m_window.ColourListModel().Modified());
  EXPECT_EQ(ListBoxColours(list), (std::vector<ColourValue>{kWhite, kWhite, 5649426}));
  EXPECT_EQ(m_window.ColourListModel().Colours(), ListBoxColours(list));
  char text[32] = {};
  ::SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "18, 52, 86");
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR) << "adding selects nothing";
  // Every entry is as high as the screen font.
  const WindowDC screen;
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(screen.Get(), &metrics);
  EXPECT_EQ(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), metrics.tmHeight);
}

enum class DeleteBy { Button, ListEditMessage, DeleteKey };

struct DeleteCase {
  int count;
  int selected;  // -1: nothing selected
  DeleteBy how;
  int selectionAfter;
  const char* why;
};

TEST_F(MainWindowTest, DeletingSelectsTheNextEntryOrTheNewLastOne) {
  const DeleteCase cases[] = {
      {5, 1, DeleteBy::Button, 1, "middle: the entry that moved up"},
      {5, 0, DeleteBy::ListEditMessage, 0, "first"},
      {5, 4, DeleteBy::DeleteKey, 3, "last: the new last entry"},
      {1, 0, DeleteBy::Button, -1, "the only entry"},
      {5, -1, DeleteBy::Button, -1, "nothing selected deletes nothing"},
      {5, -1, DeleteBy::DeleteKey, -1, "Delete key with nothing selected"},
  };
  const HWND list = Item(IDC_COLOUR_LIST);
  for (const DeleteCase& c : cases) {
    if (::SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) {
      DialogCloser closer(Window(), IDNO);  // the list holds unsaved colours
      Command(ID_CLEAR_ALL);
    }
    for (int i = c.count - 1; i >= 0; --i) Pick(MakeColour(10 + i, 0, 0));  // 10 on top
    m_window.SetCurrentColour(kSample);
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
    switch (c.how) {
      case DeleteBy::Button: Command(IDC_DELETE_BUTTON, BN_CLICKED, Item(IDC_DELETE_BUTTON)); break;
      case DeleteBy::ListEditMessage: ::SendMessageA(Window(), kListEditMessage, c.selected, 0); break;
      case DeleteBy::DeleteKey: ::SendMessageA(list, WM_KEYUP, VK_DELETE, 0); break;
    }
    std::vector<ColourValue> expected;
    for (int i = 0; i < c.count; ++i) {
      if (i != c.selected) expected.push_back(MakeColour(10 + i, 0, 0));
    }
    EXPECT_EQ(ListBoxColours(list), expected) << c.why;
    EXPECT_EQ(m_window.ColourListModel().Colours(), expected) << c.why;
    EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), c.selectionAfter) << c.why;
    const ColourValue current =
        c.selectionAfter >= 0 ? expected[static_cast<std::size_t>(c.selectionAfter)] : kSample;
    EXPECT_EQ(m_window.CurrentColour(), current) << c.why;
    EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), NotationText(current, kNotationRgb))
        << c.why << ": the read-outs are refreshed in every case";
  }
}

TEST_F(MainWindowTest, ModeButtonSwitchesLayoutsByTheGroupsHeightKeepingThePosition) {
  RECT group{};
  ::GetWindowRect(Item(IDC_RGB_GROUP), &group);
  const int groupHeight = group.bottom - group.top;
  ::SetWindowPos(Window(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const RECT simple = WindowRect();
  Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));
  const RECT advanced = WindowRect();
  EXPECT_TRUE(m_window.IsAdvancedLayout());
  EXPECT_EQ(TextOf(Item(IDC_MODE_BUTTON)), "Simple <<");
  EXPECT_EQ(advanced.left, 40);
  EXPECT_EQ(advanced.top, 30);
  EXPECT_EQ(advanced.right - advanced.left, simple.right - simple.left);
  EXPECT_EQ(advanced.bottom - advanced.top, simple.bottom - simple.top + groupHeight);
  for (int id : {IDC_RGB_GROUP, IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER}) {
    EXPECT_TRUE(::GetWindowLongPtrA(Item(id), GWL_STYLE) & WS_VISIBLE) << id;
  }
  Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));
  const RECT back = WindowRect();
  EXPECT_FALSE(m_window.IsAdvancedLayout());
  EXPECT_EQ(TextOf(Item(IDC_MODE_BUTTON)), "Advanced >>");
  EXPECT_EQ(back.bottom - back.top, simple.bottom - simple.top);
  EXPECT_EQ(back.top, 30);
}

int ClientHeight(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return client.bottom;
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return 0;
  BITMAP mask{};
  ::GetObjectA(info.hbmMask, sizeof mask, &mask);
  ::DeleteObject(info.hbmMask);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  return mask.bmWidth;
}

// The width of the delete button's cross as the button draws it, made large
// enough for the largest picture: no dialog manager resizes it here.
int CrossWidth(HWND button) {
  constexpr int kSize = 64;
  RECT before{};
  ::GetClientRect(button, &before);
  ::SetWindowPos(button, nullptr, 0, 0, kSize, kSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing_support::Surface surface(kSize, kSize);
  ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Get()), PRF_CLIENT);
  ::SetWindowPos(button, nullptr, 0, 0, before.right, before.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  int left = kSize, right = -1;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (surface.Pixel(x, y) != 0x000080) continue;  // the cross's dark red
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
  const int simple = ClientHeight(Window());
  Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));
  const int advanced = ClientHeight(Window());
  Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));
  const struct {
    UINT dpi;
    int eyedropper, cross, icon;
    LONG font;
  } scales[] = {{144, 24, 27, 24, -24}, {120, 20, 22, 20, -20}, {96, 16, 18, 16, -16}};
  for (const auto& scale : scales) {
    RECT suggested = WindowRect();
    suggested.right = suggested.left + ::MulDiv(suggested.right - suggested.left, scale.dpi, 96);
    suggested.bottom = suggested.top + ::MulDiv(suggested.bottom - suggested.top, scale.dpi, 96);
    ::SendMessageA(Window(), WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    const auto picker = ::SendMessageA(Item(IDC_PICKER_ICON), STM_GETICON, 0, 0);
    EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(picker)), scale.eyedropper) << scale.dpi;
    EXPECT_EQ(CrossWidth(Item(IDC_DELETE_BUTTON)), scale.cross) << scale.dpi;
    const auto small = reinterpret_cast<HICON>(::SendMessageA(Window(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(IconWidth(small), scale.icon) << scale.dpi;
    EXPECT_EQ(m_window.Tray().Data().hIcon, small) << scale.dpi;
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(Item(IDC_COLOUR_TEXT), WM_GETFONT, 0, 0)),
                 sizeof font, &font);
    EXPECT_EQ(font.lfHeight, scale.font) << scale.dpi;
    EXPECT_EQ(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), ::MulDiv(entry, scale.dpi, 96))
        << scale.dpi;
    EXPECT_EQ(ClientHeight(Window()), ::MulDiv(simple, scale.dpi, 96)) << scale.dpi;
    Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));
    EXPECT_EQ(ClientHeight(Window()), ::MulDiv(advanced, scale.dpi, 96)) << scale.dpi;
    Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));
  }
}

TEST_F(MainWindowTest, AlwaysOnTopTogglesAndItsCheckAppearsAtTheNextIdleMoment) {
  const HMENU menu = ::GetMenu(Window());
  auto checked = [&] { return (::GetMenuState(menu, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED) != 0; };
  auto topmost = [&] { return (::GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  ::ShowWindow(Window(), SW_SHOWNOACTIVATE);  // the menu is used on a visible window
  m_window.OnIdle();
  EXPECT_FALSE(checked());
  Command(ID_ALWAYS_ON_TOP);
  EXPECT_TRUE(topmost());
  EXPECT_FALSE(checked()) << "not before the idle moment";
  m_window.OnIdle();
  EXPECT_TRUE(checked());
  Command(ID_ALWAYS_ON_TOP);
  m_window.OnIdle();
  EXPECT_FALSE(topmost());
  EXPECT_FALSE(checked());
}

TEST_F(MainWindowTest, OpenMainWindowLeavesAMinimisedWindowMinimised) {
  ::ShowWindow(Window(), SW_MINIMIZE);
  Command(ID_OPEN_MAIN_WINDOW);
  EXPECT_TRUE(::IsIconic(Window()));
}

// Records the reflected messages that reach a control.
class Recorder final : public Subclass {
 public:
  std::vector<UINT> received;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= kReflectedBase && message < kReflectedBase + 0x200) received.push_back(message);
    return CallPrevious(message, wParam, lParam);
  }
};

TEST_F(MainWindowTest, UnhandledNotificationsGoBackToTheirControl) {
  const HWND box = Item(IDC_FORMAT_BOX), slider = Item(IDC_RED_SLIDER);
  const HWND label = Item(IDC_RGB_LABEL), list = Item(IDC_COLOUR_LIST);
  Recorder boxRecorder, sliderRecorder, labelRecorder, listRecorder;
  ASSERT_TRUE(boxRecorder.Attach(box));
  ASSERT_TRUE(sliderRecorder.Attach(slider));
  ASSERT_TRUE(labelRecorder.Attach(label));
  ASSERT_TRUE(listRecorder.Attach(list));

  Command(IDC_FORMAT_BOX, CBN_DROPDOWN, box);         // not the selection change
  Command(IDC_COLOUR_LIST, LBN_DBLCLK, list);         // not the selection change
  NMHDR header{slider, IDC_RED_SLIDER, NM_CUSTOMDRAW};
  ::SendMessageA(Window(), WM_NOTIFY, IDC_RED_SLIDER, reinterpret_cast<LPARAM>(&header));
  const testing_support::Surface surface(4, 4);
  ::SendMessageA(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(surface.Get()),
                 reinterpret_cast<LPARAM>(label));
  Command(ID_ZOOM_IN);  // a menu command names no control: nothing goes back
  DRAWITEMSTRUCT menuItem{};
  menuItem.CtlType = ODT_MENU;
  menuItem.hwndItem = list;
  ::SendMessageA(Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem));

  EXPECT_EQ(boxRecorder.received, std::vector<UINT>{Reflected(WM_COMMAND)});
  EXPECT_EQ(listRecorder.received, std::vector<UINT>{Reflected(WM_COMMAND)});
  EXPECT_EQ(sliderRecorder.received, std::vector<UINT>{Reflected(WM_NOTIFY)});
  EXPECT_EQ(labelRecorder.received, std::vector<UINT>{Reflected(WM_CTLCOLORSTATIC)});
}

}  // namespace
}  // namespace tl
