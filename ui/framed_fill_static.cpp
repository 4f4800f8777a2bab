#include "ui/framed_fill_static.h"

#include "platform/gdi.h"

namespace tl {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF previous = ::SetBkColor(dc, colour);
  if (previous == CLR_INVALID) return;
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous);
}

void FramedFillStatic::Paint() {
  const PaintDC paint(Handle());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int width = client.right - client.left, height = client.bottom - client.top;

  // Compose the whole frame off screen, then copy it once: no flicker while the
  // magnifier is refreshed on every pointer move.
  const MemoryDC surface(paint.Get());
  const GdiObject<HBITMAP> canvas(CreateSurfaceBitmap(width, height));
  if (!surface || !canvas) return;
  const SelectGuard selectCanvas(surface.Get(), canvas.Get());
  ::SetViewportOrgEx(surface.Get(), -client.left, -client.top, nullptr);

  if (!useBitmap) {
    FillSolid(surface.Get(), client, fillColour);
  } else if (bitmap) {
    const MemoryDC source(surface.Get());
    const SelectGuard selectPicture(source.Get(), bitmap);
    ::BitBlt(surface.Get(), client.left, client.top, width, height, source.Get(), 0, 0, SRCCOPY);
  } else {
    FillSolid(surface.Get(), client, kNoPictureColour);
  }

  {
    const SelectGuard noFill(surface.Get(), ::GetStockObject(NULL_BRUSH));
    ::Rectangle(surface.Get(), client.left, client.top, client.right, client.bottom);
  }
  ::BitBlt(paint.Get(), client.left, client.top, width, height, surface.Get(), client.left,
           client.top, SRCCOPY);
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
