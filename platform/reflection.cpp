#include "platform/reflection.h"

namespace tl {
namespace {

// The control a notification is about, or null.
HWND SenderOf(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);  // 0 for menus and accelerators
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_PARENTNOTIFY: {
      const UINT event = LOWORD(wParam);
      if (event == WM_CREATE || event == WM_DESTROY) return reinterpret_cast<HWND>(lParam);
      return ::GetDlgItem(parent, HIWORD(wParam));
    }
    case WM_DRAWITEM:
      return wParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
      return wParam ? ::GetDlgItem(parent, reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID)
                    : nullptr;
    case WM_COMPAREITEM:
      return wParam ? ::GetDlgItem(parent, reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->CtlID)
                    : nullptr;
    case WM_DELETEITEM:
      return wParam ? ::GetDlgItem(parent, reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->CtlID)
                    : nullptr;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_VSCROLL:
      return reinterpret_cast<HWND>(lParam);
    default:
      return IsControlColourMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
  }
}

}  // namespace

bool ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) {
  const HWND control = SenderOf(parent, message, wParam, lParam);
  if (!control || !::IsWindow(control)) return false;
  result = ::SendMessageA(control, Reflected(message), wParam, lParam);
  return true;
}

}  // namespace tl
