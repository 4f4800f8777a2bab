// The real main window, built from its template, driven by messages.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::MainWindowTest;
using testing_support::TextOf;

std::string ClassOf(HWND window) {
  char buffer[64] = {};
  ::GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

struct ControlCase {
  int id;
  const char* className;
  const char* text;  // as initialisation leaves it; null where the first sample decides
  LONG styles;       // must all be present
  bool visible;      // in the simple layout the window opens in
};

TEST_F(MainWindowTest, EveryControlHasItsClassTextStyleAndVisibility) {
  const ControlCase cases[] = {
      {IDC_MAGNIFIER, "Static", "", SS_BLACKRECT, true},
      // WS_VSCROLL is not checked: a list box drops it while its scroll bar is hidden.
      {IDC_COLOUR_LIST, "ListBox", "",
       WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
       true},
      {IDC_FORMAT_BOX, "ComboBox", "RGB (Red,Green,Blue)", WS_TABSTOP | CBS_DROPDOWNLIST, true},
      {IDC_COLOUR_TEXT, "Edit", nullptr, WS_TABSTOP | ES_AUTOHSCROLL, true},
      {IDC_MODE_BUTTON, "Button", "Advanced >>", WS_TABSTOP, true},
      {IDC_POSITION_LABEL, "Static", nullptr, WS_GROUP, true},
      {IDC_RGB_LABEL, "Static", nullptr, WS_GROUP, true},
      {IDC_ZOOM_LABEL, "Static", "Zoom Level: 4", WS_GROUP, true},
      {IDC_SWATCH, "Static", "", SS_BLACKFRAME, true},
      {IDC_PICK_BUTTON, "Button", "Pick", WS_TABSTOP, true},
      {IDC_COPY_BUTTON, "Button", "&C", WS_TABSTOP | BS_BITMAP | BS_OWNERDRAW, true},
      {IDC_RGB_GROUP, "Button", "RGB Values", BS_GROUPBOX, false},
      {IDC_RED_SLIDER, "msctls_trackbar32", "", WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, false},
      {IDC_GREEN_SLIDER, "msctls_trackbar32", "", WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, false},
      {IDC_BLUE_SLIDER, "msctls_trackbar32", "", WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, false},
      {IDC_PICKER_ICON, "Static", nullptr, SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE, true},
      {IDC_DELETE_BUTTON, "Button", "", WS_TABSTOP | BS_BITMAP | BS_OWNERDRAW, true},
  };
  for (const ControlCase& c : cases) {
    const HWND item = Item(c.id);
    ASSERT_NE(item, nullptr) << c.id;
    EXPECT_EQ(ClassOf(item), c.className) << c.id;
    if (c.text) {
      EXPECT_EQ(TextOf(item), c.text) << c.id;
    }
    const LONG style = static_cast<LONG>(::GetWindowLongPtrA(item, GWL_STYLE));
    EXPECT_EQ(style & c.styles, c.styles) << c.id;
    EXPECT_EQ((style & WS_VISIBLE) != 0, c.visible) << c.id;
  }
  // The icon static names its picture by resource number.
  EXPECT_NE(::SendMessageA(Item(IDC_PICKER_ICON), STM_GETICON, 0, 0), 0);
}

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

struct MenuItem {
  int popup;
  int position;
  UINT id;  // 0 for a separator, -1 for a sub-menu
  const char* text;
};

std::string MenuText(HMENU menu, int position) {
  char buffer[128] = {};
  ::GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
  return buffer;
}

TEST_F(MainWindowTest, MenuBarHoldsEveryCommandInOrder) {
  const HMENU bar = ::GetMenu(Window());
  ASSERT_NE(bar, nullptr);
  const char* popups[] = {"File", "Edit", "Option", "Help"};
  ASSERT_EQ(::GetMenuItemCount(bar), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(MenuText(bar, i), popups[i]);

  const UINT kSubMenu = static_cast<UINT>(-1);
  const MenuItem items[] = {
      {0, 0, ID_FILE_NEW, "&New"},          {0, 1, ID_FILE_OPEN, "&Open..."},
      {0, 2, ID_FILE_SAVE, "&Save..."},     {0, 3, ID_FILE_SAVE_AS, "Save &As..."},
      {0, 4, 0, ""},                        {0, 5, kSubMenu, "Expo&rt To"},
      {0, 6, 0, ""},                        {0, 7, ID_APP_EXIT, "E&xit"},
      {1, 0, ID_ZOOM_IN, "Zoom In\tCtrl+Up"}, {1, 1, ID_ZOOM_OUT, "Zoom Out\tCtrl+Down"},
      {1, 2, 0, ""},                        {1, 3, ID_CLEAR_ALL, "Clear All\tCtrl+Shift+C"},
      {2, 0, ID_ALWAYS_ON_TOP, "Always on top"}, {2, 1, ID_OPTIONS, "Options..."},
      {3, 0, ID_SUPPORT, "&Support"},       {3, 1, ID_CHECK_UPDATE, "Check for update..."},
      {3, 2, 0, ""},                        {3, 3, ID_APP_ABOUT, "About"},
  };
  const int counts[] = {8, 4, 2, 4};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(bar, i)), counts[i]);
  for (const MenuItem& item : items) {
    const HMENU popup = ::GetSubMenu(bar, item.popup);
    EXPECT_EQ(::GetMenuItemID(popup, item.position), item.id) << item.text;
    EXPECT_EQ(MenuText(popup, item.position), item.text);
    if (item.id != 0) {
      EXPECT_EQ(::GetMenuState(popup, item.position, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED),
                0u)
          << item.text;
    }
  }
  const HMENU exportTo = ::GetSubMenu(::GetSubMenu(bar, 0), 5);
  EXPECT_EQ(::GetMenuItemID(exportTo, 0), static_cast<UINT>(ID_EXPORT_ASE));
  EXPECT_EQ(MenuText(exportTo, 0), "Adobe Swatch &Exchange(*.ASE)...");
  EXPECT_EQ(::GetMenuItemID(exportTo, 1), static_cast<UINT>(ID_EXPORT_ACT));
  EXPECT_EQ(MenuText(exportTo, 1), "Adobe Color &Table (*.ACT)...");
}

}  // namespace
}  // namespace tl
