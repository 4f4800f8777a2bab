#include "ui/text_sample_static.h"

#include "platform/gdi.h"

namespace tl {

void TextSampleStatic::SetColours(ColourValue text, ColourValue background) {
  if (text == m_text && background == m_background) return;
  m_text = text;
  m_background = background;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TextSampleStatic::SetFont(HFONT font) {
  m_font = font;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

// The fill and the text go down in one pass, inside the frame, so nothing is
// erased first and nothing flickers.
void TextSampleStatic::Paint() {
  const PaintDC paint(Handle());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  char text[128] = {};
  ::GetWindowTextA(Handle(), text, sizeof text);
  const HFONT font =
      m_font ? m_font : reinterpret_cast<HFONT>(::SendMessageA(Handle(), WM_GETFONT, 0, 0));
  const SelectGuard selectFont(paint.Get(), font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  RECT inside = client;
  ::InflateRect(&inside, -1, -1);
  const COLORREF oldText = ::SetTextColor(paint.Get(), m_text);
  const COLORREF oldBack = ::SetBkColor(paint.Get(), m_background);
  ::ExtTextOutA(paint.Get(), 0, 0, ETO_OPAQUE, &inside, nullptr, 0, nullptr);
  ::DrawTextA(paint.Get(), text, -1, &inside,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetBkColor(paint.Get(), oldBack);
  ::SetTextColor(paint.Get(), oldText);
  const SelectGuard noFill(paint.Get(), ::GetStockObject(NULL_BRUSH));
  ::Rectangle(paint.Get(), client.left, client.top, client.right, client.bottom);
}

LRESULT TextSampleStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
