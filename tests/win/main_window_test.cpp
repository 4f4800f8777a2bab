// The real main window, built from its template, driven by messages.

#include <windows.h>
#include <gtest/gtest.h>

#include "tests/win/win_test_support.h"

namespace tl {
namespace {

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

}  // namespace
}  // namespace tl
