#pragma once
// Whether a screen point lies on one of the program's own windows: the main
// window, its controls, or any window it owns (dialogs, message boxes).

#include <windows.h>

#include "platform/window_root.h"

namespace tl {

bool IsOwnWindowAt(HWND mainWindow, POINT screenPoint);
// The same for a window already found at the point, asked on the thread that
// runs the program's windows (the main window's), which knows its own id.
bool IsOwnWindow(HWND mainWindow, HWND window);
// The same, asked from another thread that knows the windows' thread.
bool IsOwnWindow(HWND mainWindow, HWND window, DWORD windowsThread);

}  // namespace tl
