#include "sampling/own_window.h"

namespace tl {

bool IsOwnWindowAt(HWND mainWindow, POINT screenPoint) {
  const HWND under = ::WindowFromPoint(screenPoint);
  if (!under) return false;
  return under == mainWindow || RootOf(under) == mainWindow;
}

}  // namespace tl
