#pragma once
// The top of a window's family.

#include <windows.h>

namespace tl {

// Climbs to the parent while the window is a child, else to the owner, until
// there is neither.
inline HWND RootOf(HWND window) {
  for (;;) {
    const bool child = (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
    const HWND up = child ? ::GetParent(window) : ::GetWindow(window, GW_OWNER);
    if (!up) return window;
    window = up;
  }
}

}  // namespace tl
