#include "platform/window_centring.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

HWND MakePopup(HWND owner, int x, int y, int width, int height, bool visible) {
  return ::CreateWindowExA(0, "STATIC", "", WS_POPUP | (visible ? WS_VISIBLE : 0), x, y, width,
                           height, owner, nullptr, nullptr, nullptr);
}

RECT RectOf(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

TEST(CentreWindow, OnTheOwnerUnlessItIsHiddenOrMinimised) {
  RECT area{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  struct Case {
    int ownerX, ownerY;
    bool ownerVisible;
    bool ownerMinimised;
    int expectedX, expectedY;
    const char* why;
  };
  const int workX = (area.left + area.right) / 2 - 50, workY = (area.top + area.bottom) / 2 - 40;
  const Case cases[] = {
      {100, 100, true, false, 100 + 150 - 50, 100 + 100 - 40, "centred on the owner"},
      {100, 100, false, false, workX, workY, "hidden owner: the work area"},
      {100, 100, true, true, workX, workY, "minimised owner: the work area"},
      {area.right - 60, 100, true, false, area.right - 100, 100 + 100 - 40,
       "owner at the right edge: pushed back inside"},
  };
  for (const Case& c : cases) {
    const HWND owner = MakePopup(nullptr, c.ownerX, c.ownerY, 300, 200, c.ownerVisible);
    if (c.ownerMinimised) ::ShowWindow(owner, SW_MINIMIZE);
    const HWND window = MakePopup(owner, 0, 0, 100, 80, false);
    CentreWindow(window);
    const RECT r = RectOf(window);
    EXPECT_EQ(r.left, c.expectedX) << c.why;
    EXPECT_EQ(r.top, c.expectedY) << c.why;
    EXPECT_EQ(r.right - r.left, 100) << c.why;
    ::DestroyWindow(window);
    ::DestroyWindow(owner);
  }
}

TEST(CentreWindow, ChildStaysInsideItsParentsClientArea) {
  const HWND parent = MakePopup(nullptr, 50, 50, 400, 300, true);
  const HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60,
                                       parent, nullptr, nullptr, nullptr);
  CentreWindow(child);
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 150);
  EXPECT_EQ(r.top, 120);
  ::DestroyWindow(parent);
}

}  // namespace
}  // namespace tl
