#include "ui/colour_list_box.h"

#include <algorithm>

#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/handles.h"
#include "platform/module.h"
#include "res/resource_ids.h"
#include "ui/rename_dialog.h"

namespace tl {

void ColourListBox::OnAttached() {
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
  const LONG_PTR needed = LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  if ((style & needed) != needed) ::SetWindowLongPtrA(Handle(), GWL_STYLE, style | needed);
}

void ColourListBox::Insert(int index, ColourValue colour, const std::string& text) {
  const LRESULT at = ::SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.c_str()));
  if (at >= 0) ::SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(at), colour);
}

void ColourListBox::AddColour(ColourValue colour) {
  m_model.AddColour(colour);
  Insert(0, colour, ColourListEntryText(colour));
}

void ColourListBox::Append(const std::vector<ColourValue>& colours) { Append(colours, {}); }

void ColourListBox::Append(const std::vector<ColourValue>& colours,
                           const std::vector<std::string>& names) {
  const std::size_t first = m_model.Count();
  m_model.Append(colours, names);
  // One repaint for the whole batch, and storage reserved up front.
  ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(Handle(), LB_INITSTORAGE, colours.size(), colours.size() * 16);
  for (std::size_t i = first; i < m_model.Count(); ++i) {
    Insert(-1, m_model.ColourAt(i), m_model.EntryText(i));
  }
  ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

bool ColourListBox::SetName(int index, const std::string& name) {
  if (index < 0 || !m_model.SetName(static_cast<std::size_t>(index), name)) return false;
  const auto at = static_cast<std::size_t>(index);
  const bool selected = Selection() == index;
  ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  Insert(index, m_model.ColourAt(at), m_model.EntryText(at));
  if (selected) ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  return true;
}

void ColourListBox::Clear() {
  m_model.Clear();
  ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

namespace {

// The screen font's character height, scaled from the screen's DPI to `dpi`. The
// screen font does not grow evenly with the DPI (Windows keeps it at 20 pixels
// past 120 DPI, Wine at 16 up to 144), so an entry is also never lower than six
// fifths of the list's own font, which the entries are written in: at 100 % the
// screen font's 16 pixels hold the list's 13-pixel text in just that way.
int EntryHeight(HWND list, UINT dpi) {
  const WindowDC screen;
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(screen.Get(), &metrics);
  const int screenDpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  int height = static_cast<int>(metrics.tmHeight);
  if (screenDpi > 0) height = ::MulDiv(height, static_cast<int>(dpi), screenDpi);
  if (const auto font = reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0))) {
    const SelectGuard select(screen.Get(), font);
    ::GetTextMetricsA(screen.Get(), &metrics);
    height = std::max(height, ::MulDiv(static_cast<int>(metrics.tmHeight), 6, 5));
  }
  return height;
}

}  // namespace

void ColourListBox::MeasureItems(UINT dpi) {
  m_itemHeight = EntryHeight(Handle(), dpi);
  const LRESULT count = ::SendMessageA(Handle(), LB_GETCOUNT, 0, 0);
  if (count <= 0) return;
  ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  for (LRESULT i = 0; i < count; ++i) {
    ::SendMessageA(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(i), m_itemHeight);
  }
  ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
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

  // A name makes the text as long as the user likes.
  std::string text;
  const LRESULT length = ::SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    const LRESULT got = ::SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID,
                                       reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 && got <= length ? static_cast<std::size_t>(got) : 0);
  }

  const COLORREF oldText = ::SetTextColor(dc, TextColourFor(colour));
  const COLORREF oldBack = ::SetBkColor(dc, colour);
  RECT rect = item.rcItem;
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  if (item.itemState & ODS_FOCUS) {
    const GdiObject<HBRUSH> frame(::CreateSolidBrush(kWhite - colour));
    ::FrameRect(dc, &rect, frame.Get());
  }
  ::DrawTextA(dc, text.c_str(), -1, &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetBkColor(dc, oldBack);
  ::SetTextColor(dc, oldText);
}

// The same for every entry, and measured once, as a file of many thousand
// entries would ask for every one.
void ColourListBox::Measure(MEASUREITEMSTRUCT& measure) {
  if (m_itemHeight == 0) m_itemHeight = EntryHeight(Handle(), ScreenDpi());
  measure.itemHeight = static_cast<UINT>(m_itemHeight);
}

// At the pointer for a right-click, which selects the entry under it; below the
// selected entry for the menu key. Off the entries, only what concerns the
// whole list can be chosen.
void ColourListBox::ShowContextMenu(LPARAM where) {
  POINT point{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  int entry = Selection();
  RECT item{};
  if (point.x == -1 && point.y == -1) {  // the menu key
    point = {0, 0};
    if (entry >= 0 && ::SendMessageA(Handle(), LB_GETITEMRECT, entry,
                                     reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
      point = {item.left, item.bottom};
    }
    ::ClientToScreen(Handle(), &point);
  } else {
    POINT client = point;
    ::ScreenToClient(Handle(), &client);
    const LRESULT hit =
        ::SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    entry = static_cast<int>(LOWORD(hit));
    const bool onEntry = HIWORD(hit) == 0 &&
                         ::SendMessageA(Handle(), LB_GETITEMRECT, entry,
                                        reinterpret_cast<LPARAM>(&item)) != LB_ERR &&
                         ::PtInRect(&item, client);
    if (!onEntry) {
      entry = -1;
    } else if (entry != Selection()) {
      ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
      ::SendMessageA(::GetParent(Handle()), WM_COMMAND,
                     MAKEWPARAM(::GetDlgCtrlID(Handle()), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Handle()));
    }
  }
  const UniqueMenu menu(::LoadMenuA(Module::Instance(), MAKEINTRESOURCEA(IDR_LISTMENU)));
  const HMENU popup = menu ? ::GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) return;
  if (entry < 0) {
    ::EnableMenuItem(popup, ID_LIST_DELETE, MF_BYCOMMAND | MF_GRAYED);
    ::EnableMenuItem(popup, ID_USE_AS_BACKGROUND, MF_BYCOMMAND | MF_GRAYED);
    ::EnableMenuItem(popup, ID_RENAME_COLOUR, MF_BYCOMMAND | MF_GRAYED);
  }
  ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, point.x, point.y, 0, ::GetParent(Handle()), nullptr);
}

LRESULT ColourListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CONTEXTMENU:
      ShowContextMenu(lParam);
      return 0;
    case WM_KEYUP:
      if (wParam != VK_DELETE) break;
      ::SendMessageA(::GetParent(Handle()), kListEditMessage, static_cast<WPARAM>(Selection()), 0);
      return 0;
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}

// The list, its text and the recovery copy follow the model; the copy is
// written at the next idle moment, as after a pick.
void ColourListBox::RenameSelected(HWND owner) {
  const int index = Selection();
  if (index < 0 || static_cast<std::size_t>(index) >= Model().Count()) return;
  const auto at = static_cast<std::size_t>(index);
  RenameDialog dialog(Model().ColourAt(at), Model().NameAt(at));
  if (dialog.Run(owner) == IDOK) SetName(index, dialog.Name());
}

}  // namespace tl
