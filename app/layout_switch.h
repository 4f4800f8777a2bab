#pragma once
// The main window's two layouts: the advanced one (the template's size, with the
// sliders' group) and the simple one, that less the group's height. The window
// keeps its position and width either way.

#include <windows.h>

#include <vector>

namespace tl {

class LayoutSwitch {
 public:
  // At start, with the template's layout shown, at the window's DPI.
  void Measure(HWND window, UINT dpi);
  void Set(bool advanced);
  bool Advanced() const;
  // The window's height for its layout at a new DPI.
  void Fit(UINT dpi);

 private:
  int Height(bool advanced) const;
  void FitHeight(bool advanced);

  HWND m_window = nullptr;
  // The client area's height in each layout, measured at m_measuredDpi.
  int m_advancedHeight = 0;
  int m_simpleHeight = 0;
  UINT m_measuredDpi = 0;
  UINT m_dpi = 0;
  std::vector<HWND> m_advancedControls;  // the group and what lies in it
};

}  // namespace tl
