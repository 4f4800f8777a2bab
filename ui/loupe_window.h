#pragma once
// The loupe at the pointer: a small top-most window that follows the pointer
// while picking or dragging, showing the magnified area with its marks, a swatch
// and the colour text. It never takes the focus or a click (clicks fall through
// to what lies below), never shows in the taskbar, and is placed beside the
// magnifier's source rectangle, never over it, so that it is never read itself.
// Where the system can leave a window out of screen captures, it is left out too.
//
// Window class `TintlensLoupe`, title `Tintlens Loupe`. Its picture, swatch and
// text are painted in one pass; the main window's colour text, an ordinary
// control, says the same for screen readers.

#include <windows.h>

#include <string>

#include "core/colour.h"
#include "core/geometry.h"
#include "platform/gdi.h"

namespace tl {

class LoupeWindow {
 public:
  LoupeWindow() = default;
  ~LoupeWindow();
  LoupeWindow(const LoupeWindow&) = delete;
  LoupeWindow& operator=(const LoupeWindow&) = delete;

  // Made hidden; `pictureSize` is the magnifier picture's, `dpi` the main window's.
  bool Create(SIZE pictureSize, UINT dpi);
  void Resize(SIZE pictureSize, UINT dpi);
  // Shows the picture (not owned), the colour and its text beside `source` (the
  // magnifier's source rectangle on the screen), within `screen`. Asks the
  // system only for what changed since the last call.
  void Show(HBITMAP picture, ColourValue colour, const std::string& text, const Rect& source,
            const Rect& screen);
  void Hide();
  // Whether the loupe, where it is, covers part of a screen rectangle; and a move
  // beside `source` alone, the picture left as it is.
  bool Covers(const Rect& area) const;
  void Place(const Rect& source, const Rect& screen);
  bool Visible() const { return m_visible; }
  HWND Handle() const { return m_window; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  void Paint();
  void Draw(HDC dc);
  SIZE WindowSize() const;

  HWND m_window = nullptr;
  HBITMAP m_picture = nullptr;
  SIZE m_pictureSize{};
  int m_stripHeight = 0;
  ColourValue m_colour = 0;
  std::string m_shownText;
  POINT m_origin{-1, -1};
  bool m_visible = false;
  MemoryDC m_pictureDC;  // the picture is selected into it while painting
};

}  // namespace tl
