#include "ui/framed_fill_static.h"

#include "platform/gdi.h"

namespace tl {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF previous = ::SetBkColor(dc, colour);
  if (previous == CLR_INVALID) return;
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous);
}

// The frame and what is inside it are drawn side by side, never over each other,
// so nothing flickers without a back buffer; one made for every paint cost more
// than the paint itself, and the magnifier repaints on every pointer move.
void FramedFillStatic::Paint() {
  const PaintDC paint(Handle());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  RECT inside = client;
  ::InflateRect(&inside, -1, -1);

  if (!m_pictureMode) {
    FillSolid(paint.Get(), inside, m_fillColour);
  } else if (m_picture) {
    const SelectGuard selectPicture(m_pictureDC.Get(), m_picture);
    ::BitBlt(paint.Get(), inside.left, inside.top, inside.right - inside.left,
             inside.bottom - inside.top, m_pictureDC.Get(), inside.left, inside.top, SRCCOPY);
  } else {
    FillSolid(paint.Get(), inside, kNoPictureColour);
  }
  const SelectGuard noFill(paint.Get(), ::GetStockObject(NULL_BRUSH));
  ::Rectangle(paint.Get(), client.left, client.top, client.right, client.bottom);
}

LRESULT FramedFillStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 0;
    default:
      return CallPrevious(message, wParam, lParam);
  }
}

}  // namespace tl
