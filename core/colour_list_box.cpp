#include "core/colour_list_box.h"

#include "platform/gdi.h"
#include "platform/reflection.h"

namespace tl {

void ColourListBox::OnAttached() {
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
  const LONG_PTR needed = LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  if ((style & needed) != needed) ::SetWindowLongPtrA(Handle(), GWL_STYLE, style | needed);
}

void ColourListBox::Insert(int index, ColourValue colour) {
  const std::string text = ColourListEntryText(colour);
  const LRESULT at = ::SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.c_str()));
  if (at >= 0) ::SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(at), colour);
}

void ColourListBox::AddColour(ColourValue colour) {
  m_model.AddColour(colour);
  Insert(0, colour);
}

void ColourListBox::Append(const std::vector<ColourValue>& colours) {
  m_model.Append(colours);
  // One repaint for the whole batch, and storage reserved up front.
  ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(Handle(), LB_INITSTORAGE, colours.size(), colours.size() * 16);
  for (ColourValue colour : colours) Insert(-1, colour);
  ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ColourListBox::Clear() {
  m_model.Clear();
  ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int ColourListBox::Selection() const {
  return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

ColourList::DeleteResult ColourListBox::DeleteAt(int index) {
  const ColourList::DeleteResult result = m_model.DeleteAt(index);
  if (result.deleted) {
    ::SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(result.selection), 0);
  }
  return result;
}

void ColourListBox::DrawEntry(const DRAWITEMSTRUCT& item) {
  if (static_cast<int>(item.itemID) < 0) return;  // an empty list getting the focus
  const HDC dc = item.hDC;
  const auto colour = static_cast<ColourValue>(item.itemData);

  char text[64] = {};
  const LRESULT length = ::SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  if (length > 0 && length < static_cast<LRESULT>(sizeof text)) {
    ::SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
  }

  const COLORREF oldText = ::SetTextColor(dc, TextColourFor(colour));
  const COLORREF oldBack = ::SetBkColor(dc, colour);
  RECT rect = item.rcItem;
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  if (item.itemState & ODS_FOCUS) {
    const GdiObject<HBRUSH> frame(::CreateSolidBrush(kWhite - colour));
    ::FrameRect(dc, &rect, frame.Get());
  }
  ::DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SetBkColor(dc, oldBack);
  ::SetTextColor(dc, oldText);
}

LRESULT ColourListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYUP:
      if (wParam != VK_DELETE) break;
      ::SendMessageA(::GetParent(Handle()), kListEditMessage, static_cast<WPARAM>(Selection()), 0);
      return 0;
    case Reflected(WM_MEASUREITEM): {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType == ODT_MENU) {
        measure->itemHeight = static_cast<UINT>(::GetSystemMetrics(SM_CYMENU));
      } else {
        // The screen font's character height, the same for every entry; asked
        // once, as a file of many thousand entries would ask for every one.
        if (m_itemHeight == 0) {
          const WindowDC screen;
          TEXTMETRICA metrics{};
          ::GetTextMetricsA(screen.Get(), &metrics);
          m_itemHeight = static_cast<int>(metrics.tmHeight);
        }
        measure->itemHeight = static_cast<UINT>(m_itemHeight);
      }
      return TRUE;
    }
    case Reflected(WM_DRAWITEM):
      DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case Reflected(WM_COMPAREITEM):
      return 0;  // never sorted: all entries compare equal
    case Reflected(WM_DELETEITEM):
      return TRUE;  // the item data is a plain value
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}

}  // namespace tl
