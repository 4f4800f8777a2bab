#pragma once
// The format box: the built-in notations, then the custom formats. Its list is
// as wide as its longest entry, and the closed box as wide as its chosen entry
// needs, taken from the colour text box to its right, which keeps room for the
// widest RGB text ("255, 255, 255") in its own font.

#include <windows.h>

#include <string>

#include "core/custom_formats.h"

namespace tl {

class FormatBox {
 public:
  void Attach(HWND box, HWND textBox) {
    m_box = box;
    m_textBox = textBox;
  }
  HWND Handle() const { return m_box; }

  // The two boxes' places as the template made them, at the window's DPI.
  void Measure(UINT dpi);
  void Fill(const FormatList& formats, int chosenId);
  // The chosen row's id, or -1.
  int ChosenId(const FormatList& formats) const;
  // Sizes the list and the closed box for the entries and the DPI now shown.
  void Fit(UINT dpi);

 private:
  int TextWidth(HWND window, const std::string& text) const;

  HWND m_box = nullptr;
  HWND m_textBox = nullptr;
  RECT m_boxPlace{};  // at m_measuredDpi, in the window's client area
  RECT m_textPlace{};
  UINT m_measuredDpi = 0;
};

}  // namespace tl
