#pragma once
// Whether a screen point lies on one of the program's own windows: the main
// window, its controls, or any window it owns (dialogs, message boxes).

#include <windows.h>

namespace tl {

// The top of a window's family: climbs to the parent while the window is a
// child, else to the owner, until there is neither.
HWND RootOf(HWND window);

bool IsOwnWindowAt(HWND mainWindow, POINT screenPoint);

}  // namespace tl
