#include "ui/picker_icon_static.h"

#include <windowsx.h>

#include "platform/gdi.h"
#include "ui/framed_fill_static.h"

namespace tl {

void PickerIconStatic::Paint() {
  const PaintDC paint(Handle());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (m_dragging) {
    // A one-pixel sunken frame: grey top and left, white right and bottom.
    FillSolid(paint.Get(), {client.left, client.top, client.left + width - 1, client.top + 1},
              0x808080);
    FillSolid(paint.Get(), {client.left, client.top, client.left + 1, client.top + height - 1},
              0x808080);
    FillSolid(paint.Get(), {client.right - 1, client.top, client.right, client.bottom}, kWhite);
    FillSolid(paint.Get(), {client.left, client.bottom - 1, client.right, client.bottom}, kWhite);
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

void PickerIconStatic::SetDragCursor(HCURSOR cursor) {
  m_dragCursor = cursor;
  if (m_dragging) ::SetCursor(cursor);
}

// The sunken frame is painted inside the control while dragging (the static
// edge style says so too); once it ends, the dialog paints its own background
// back over the frame's pixels before the icon draws itself again.
void PickerIconStatic::ShowPressed(bool pressed) {
  const LONG_PTR exStyle = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
  const LONG_PTR wanted = pressed ? exStyle | WS_EX_STATICEDGE : exStyle & ~WS_EX_STATICEDGE;
  if (wanted != exStyle) ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, wanted);
  if (pressed) {
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return;
  }
  const HWND parent = ::GetParent(Handle());
  RECT icon{};
  ::GetWindowRect(Handle(), &icon);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&icon), 2);
  ::RedrawWindow(parent, &icon, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void PickerIconStatic::BeginDrag() {
  m_dragging = true;
  m_savedCursor = ::SetCursor(m_dragCursor);
  ShowPressed(true);
  ::SetCapture(Handle());
  if (onDragging) onDragging(true);
}

void PickerIconStatic::EndDrag() {
  m_dragging = false;  // first: releasing the capture must not end the drag twice
  ::ReleaseCapture();
  if (m_savedCursor) ::SetCursor(m_savedCursor);
  ShowPressed(false);
  if (onDragging) onDragging(false);
}

POINT PickerIconStatic::ScreenPointOf(LPARAM position) const {
  POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ::ClientToScreen(Handle(), &point);
  return point;
}

LRESULT PickerIconStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_NCHITTEST:
      // A static lets presses through to its parent; this one takes them.
      return HTCLIENT;
    case WM_LBUTTONDOWN:
      BeginDrag();
      return 0;
    case WM_MOUSEMOVE:
      if (m_dragging && onDragMove) onDragMove(ScreenPointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (m_dragging) {
        EndDrag();
        if (onDragRelease) onDragRelease(ScreenPointOf(lParam));
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (m_dragging) EndDrag();
      return 0;
    default:
      return CallPrevious(message, wParam, lParam);
  }
}

}  // namespace tl
