#pragma once
// Centres a window on a reference window (or on the work area) and keeps it
// inside the work area, or inside its parent for a child window.

#include <windows.h>

namespace tl {

// Without a reference: the parent of a child window, else the owner. A hidden or
// minimised reference is ignored for top-level windows. Size, z-order and
// activation stay as they are.
void CentreWindow(HWND window, HWND reference = nullptr);

}  // namespace tl
