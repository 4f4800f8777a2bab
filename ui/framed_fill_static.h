#pragma once
// A static control that paints, without erasing and without flicker, either a
// solid colour or a picture, inside a one-pixel black frame: the magnifier view
// and the colour swatch.

#include <windows.h>

#include "core/colour.h"
#include "platform/gdi.h"
#include "platform/subclass.h"

namespace tl {

class FramedFillStatic final : public Subclass {
 public:
  // The owner sets these and then invalidates the control. In picture mode it
  // paints the picture (not owned), otherwise the fill colour.
  void SetPictureMode(bool on) { m_pictureMode = on; }
  void SetPicture(HBITMAP picture) { m_picture = picture; }
  HBITMAP Picture() const { return m_picture; }
  void SetFillColour(ColourValue colour) { m_fillColour = colour; }
  ColourValue FillColour() const { return m_fillColour; }

  // Shown in picture mode until a picture is handed over.
  static constexpr ColourValue kNoPictureColour = 0xC0C0C0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  bool m_pictureMode = false;
  HBITMAP m_picture = nullptr;
  ColourValue m_fillColour = 0;
  MemoryDC m_pictureDC{nullptr};  // the picture is selected into it while painting
};

// Fills a rectangle with a solid colour (an opaque ExtTextOut with no text).
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace tl
