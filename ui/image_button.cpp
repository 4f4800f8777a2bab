#include "ui/image_button.h"

#include "platform/gdi.h"
#include "platform/module.h"
#include "ui/tooltip_relay.h"

namespace tl {

void ImageButton::OnAttached() {
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
  if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
    ::SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
  }
  // No owner: a topmost tooltip owned by the dialog keeps the dialog itself from
  // becoming topmost under Wine. The button relays its own mouse messages and
  // destroys the tooltip with itself, so nothing needs the ownership.
  m_tooltip.Reset(::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                                    0, nullptr, nullptr, Module::Instance(), nullptr));
}

void ImageButton::SetTooltipText(const char* text) {
  m_tooltipText = text ? text : "";
  if (!::IsWindow(m_tooltip.Get())) return;
  ::SendMessageA(m_tooltip.Get(), TTM_ACTIVATE, TRUE, 0);
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = ::GetParent(Handle());
  tool.uId = reinterpret_cast<UINT_PTR>(Handle());
  tool.hinst = Module::Instance();
  tool.lpszText = m_tooltipText.data();
  ::SendMessageA(m_tooltip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ImageButton::SetImageList(HIMAGELIST list) {
  m_imageList = list;
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ImageButton::RepaintNow() {
  ::InvalidateRect(Handle(), nullptr, TRUE);
  ::UpdateWindow(Handle());
}

void ImageButton::SetPressed(bool value) {
  if (m_pressed == value) return;
  m_pressed = value;
  RepaintNow();
}

void ImageButton::Paint(HDC dc) {
  const int offset = m_pressed ? 1 : 0;
  if (m_imageList) ImageList_Draw(m_imageList, 0, dc, offset, offset, ILD_NORMAL);
  RECT rect{};
  ::GetClientRect(Handle(), &rect);
  ::DrawEdge(dc, &rect, m_pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (m_hasFocus) {
    const int dx = 2 * ::GetSystemMetrics(SM_CXEDGE), dy = 2 * ::GetSystemMetrics(SM_CYEDGE);
    ::InflateRect(&rect, -dx, -dy);
    ::DrawFocusRect(dc, &rect);
  }
}

LRESULT ImageButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  RelayToTooltip(m_tooltip.Get(), Handle(), message, wParam, lParam);
  switch (message) {
    case WM_DESTROY:
      m_tooltip.Reset();
      break;
    case WM_SETFOCUS:
      m_hasFocus = true;
      RepaintNow();
      break;
    case WM_KILLFOCUS:
      m_hasFocus = false;
      RepaintNow();
      break;
    case WM_ENABLE:
      RepaintNow();
      break;
    case WM_CAPTURECHANGED:
      SetPressed(false);
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (wParam) {
        Paint(reinterpret_cast<HDC>(wParam));
      } else {
        const PaintDC paint(Handle());
        Paint(paint.Get());
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers what matters; erasing would only flicker
    case WM_LBUTTONDOWN: {
      const LRESULT result = CallPrevious(message, wParam, lParam);
      if (HoldsCapture()) SetPressed(true);
      return result;
    }
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = CallPrevious(message, wParam, lParam);
      if (!HoldsCapture()) ::SetCapture(Handle());
      SetPressed(true);
      return result;
    }
    case WM_LBUTTONUP: {
      const LRESULT result = CallPrevious(message, wParam, lParam);
      if (HoldsCapture()) ::ReleaseCapture();
      return result;
    }
    case WM_MOUSEMOVE:
      if (HoldsCapture()) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ClientToScreen(Handle(), &point);
        RECT window{};
        ::GetWindowRect(Handle(), &window);
        SetPressed(::PtInRect(&window, point) != FALSE);
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) SetPressed(true);
      break;
    case WM_KEYUP:
      if (wParam == VK_SPACE) SetPressed(false);
      break;
    case WM_UPDATEUISTATE:
      return 0;  // keep the standard button's keyboard cues out of our picture
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}

}  // namespace tl
