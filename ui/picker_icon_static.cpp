#include "ui/picker_icon_static.h"

#include "platform/gdi.h"
#include "ui/framed_fill_static.h"

namespace tl {

void PickerIconStatic::Paint() {
  const PaintDC paint(Handle());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (dragFrame) {
    // A one-pixel sunken frame: grey top and left, white right and bottom.
    FillSolid(paint.Get(), {client.left, client.top, client.left + width - 1, client.top + 1},
              0x808080);
    FillSolid(paint.Get(), {client.left, client.top, client.left + 1, client.top + height - 1},
              0x808080);
    FillSolid(paint.Get(), {client.right - 1, client.top, client.right, client.bottom}, kWhite);
    FillSolid(paint.Get(), {client.left, client.bottom - 1, client.right, client.bottom},
              kWhite);
  }
  // Half its own size in from the corner, at every scale.
  const auto icon = reinterpret_cast<HICON>(::SendMessageA(Handle(), STM_GETICON, 0, 0));
  const int inset = m_iconSize / 2;
  if (icon) {
    ::DrawIconEx(paint.Get(), inset, inset, icon, m_iconSize, m_iconSize, 1, nullptr, DI_NORMAL);
  }
}

void PickerIconStatic::SetIcon(HICON icon, int size) {
  m_iconSize = size;
  ::SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT PickerIconStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return CallPrevious(message, wParam, lParam);
}

}  // namespace tl
