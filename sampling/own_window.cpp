#include "sampling/own_window.h"

namespace tl {

HWND RootOf(HWND window) {
  for (;;) {
    const bool child = (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
    const HWND up = child ? ::GetParent(window) : ::GetWindow(window, GW_OWNER);
    if (!up) return window;
    window = up;
  }
}

bool IsOwnWindowAt(HWND mainWindow, POINT screenPoint) {
  const HWND under = ::WindowFromPoint(screenPoint);
  if (!under) return false;
  return under == mainWindow || RootOf(under) == mainWindow;
}

}  // namespace tl
