#pragma once
// Display scaling: the DPI a window is shown at, and the system's sizes at a DPI.
// Windows 10 (1607) answers per window and per DPI; older systems have one DPI
// for every window, the screen's, and these fall back to it.

#include <windows.h>

#include <vector>

#include "platform/gdi.h"

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

// What the dialog manager does for a per-monitor dialog that leaves
// WM_DPICHANGED to it (it re-lays out each control, updates each control's font
// and the dialog's own font, and sizes the dialog): done by a dialog that
// handles the message itself, which keeps the dialog manager out. Everything is
// scaled from the places and the font measured once, so that moving there and
// back leaves no rounding behind. Sizing the dialog stays the dialog's own.
class DialogDpiLayout {
 public:
  // Records every control's place and the dialog's font as they are at `dpi`.
  void Measure(HWND dialog, UINT dpi);
  // Places every control, and gives the dialog and each control that used its
  // font a font, for `dpi`.
  void Apply(HWND dialog, UINT dpi);

 private:
  struct Control {
    HWND window;
    RECT place;  // in the dialog's client area
    bool dialogFont;
  };
  std::vector<Control> m_controls;
  UINT m_dpi = kDefaultDpi;
  HFONT m_measuredFont = nullptr;  // the dialog manager's, at m_dpi
  LOGFONTA m_fontShape{};
  GdiObject<HFONT> m_scaledFont;  // ours, at any other DPI
};

}  // namespace tl
