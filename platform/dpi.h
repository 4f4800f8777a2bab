#pragma once
// Display scaling: the DPI a window is shown at, and the system's sizes at a DPI.
// Windows 10 (1607) answers per window and per DPI; older systems have one DPI
// for every window, the screen's, and these fall back to it.

#include <windows.h>

namespace tl {

constexpr UINT kDefaultDpi = 96;  // 100 %

// The screen's DPI: the one every window had when the program started.
UINT ScreenDpi();
UINT WindowDpi(HWND window);
// GetSystemMetrics as the system would answer a window at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);

// From Windows 10 (1703) the dialog manager rescales a dialog by itself when it
// moves to a monitor of another scale. These keep it from undoing what a dialog
// does itself: sizing the window, and giving a control a font of its own.
void KeepDialogSizeOnDpiChange(HWND dialog);
void KeepControlFontOnDpiChange(HWND control);

}  // namespace tl
