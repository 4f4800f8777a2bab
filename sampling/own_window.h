#pragma once
// Whether a screen point lies on one of the program's own windows: the main
// window, its controls, or any window it owns (dialogs, message boxes).

#include <windows.h>

#include "platform/window_root.h"

namespace tl {

bool IsOwnWindowAt(HWND mainWindow, POINT screenPoint);
// The same for a window already found at the point. Called on the main window's
// thread.
bool IsOwnWindow(HWND mainWindow, HWND window);

}  // namespace tl
