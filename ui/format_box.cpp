#include "ui/format_box.h"

#include <algorithm>

#include "platform/dpi.h"
#include "platform/gdi.h"

namespace tl {
namespace {

RECT PlaceIn(HWND window) {
  RECT place{};
  ::GetWindowRect(window, &place);
  ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

int Width(const RECT& r) { return r.right - r.left; }

}  // namespace

void FormatBox::Measure(UINT dpi) {
  m_boxPlace = PlaceIn(m_box);
  m_textPlace = PlaceIn(m_textBox);
  m_measuredDpi = dpi;
}

void FormatBox::Fill(const FormatList& formats, int chosenId) {
  ::SendMessageA(m_box, CB_RESETCONTENT, 0, 0);
  for (std::size_t row = 0; row < formats.Count(); ++row) {
    ::SendMessageA(m_box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(formats.NameAt(row).c_str()));
  }
  ::SendMessageA(m_box, CB_SETCURSEL, static_cast<WPARAM>(std::max(formats.RowOf(chosenId), 0)), 0);
}

int FormatBox::ChosenId(const FormatList& formats) const {
  const LRESULT row = ::SendMessageA(m_box, CB_GETCURSEL, 0, 0);
  return row < 0 ? -1 : formats.IdAt(static_cast<std::size_t>(row));
}

int FormatBox::TextWidth(HWND window, const std::string& text) const {
  const WindowDC dc(window);
  const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0));
  const HGDIOBJ old = font ? ::SelectObject(dc.Get(), font) : nullptr;
  SIZE size{};
  ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  if (old) ::SelectObject(dc.Get(), old);
  return size.cx;
}

void FormatBox::Fit(UINT dpi) {
  if (!m_measuredDpi) return;
  const auto scaled = [&](LONG v) {
    return ::MulDiv(v, static_cast<int>(dpi), static_cast<int>(m_measuredDpi));
  };
  const RECT box{scaled(m_boxPlace.left), scaled(m_boxPlace.top), scaled(m_boxPlace.right),
                 scaled(m_boxPlace.bottom)};
  const RECT text{scaled(m_textPlace.left), scaled(m_textPlace.top), scaled(m_textPlace.right),
                  scaled(m_textPlace.bottom)};
  const int gap = text.left - box.right;

  // What the box draws around its text: the arrow button, the borders, a margin.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  RECT now{};
  ::GetWindowRect(m_box, &now);
  const int around =
      ::GetComboBoxInfo(m_box, &info)
          ? Width(now) - Width(info.rcItem) + ::MulDiv(2, static_cast<int>(dpi), 96)
          : SystemMetricForDpi(SM_CXVSCROLL, dpi) + ::MulDiv(10, static_cast<int>(dpi), 96);
  int widest = 0;
  const int rows = static_cast<int>(::SendMessageA(m_box, CB_GETCOUNT, 0, 0));
  std::string chosen;
  const LRESULT chosenRow = ::SendMessageA(m_box, CB_GETCURSEL, 0, 0);
  for (int row = 0; row < rows; ++row) {
    char name[256] = {};
    if (::SendMessageA(m_box, CB_GETLBTEXTLEN, row, 0) >= LRESULT{sizeof name}) continue;
    ::SendMessageA(m_box, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(name));
    widest = std::max(widest, TextWidth(m_box, name));
    if (row == chosenRow) chosen = name;
  }
  // The list has a scroll bar when it is longer than it may drop.
  ::SendMessageA(
      m_box, CB_SETDROPPEDWIDTH,
      widest + SystemMetricForDpi(SM_CXVSCROLL, dpi) + ::MulDiv(12, static_cast<int>(dpi), 96), 0);

  RECT textNow{}, textClient{};
  ::GetWindowRect(m_textBox, &textNow);
  ::GetClientRect(m_textBox, &textClient);
  const LRESULT margins = ::SendMessageA(m_textBox, EM_GETMARGINS, 0, 0);
  const int textRoom = TextWidth(m_textBox, "255, 255, 255") + LOWORD(margins) + HIWORD(margins) +
                       Width(textNow) - textClient.right;
  const int most = Width(box) + std::max(0, Width(text) - textRoom);
  const int width =
      std::clamp(TextWidth(m_box, chosen) + around, static_cast<int>(Width(box)), most);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  // A combo box's height is that of the box with its list dropped.
  RECT dropped{};
  ::SendMessageA(m_box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const int height = std::max(dropped.bottom - dropped.top, now.bottom - now.top);
  ::SetWindowPos(m_box, nullptr, box.left, box.top, width, height, flags);
  const int textLeft = box.left + width + gap;
  ::SetWindowPos(m_textBox, nullptr, textLeft, text.top, text.right - textLeft,
                 text.bottom - text.top, flags);
}

}  // namespace tl
