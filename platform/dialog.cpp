#include "platform/dialog.h"

#include "platform/module.h"

namespace tl {
namespace {

// Messages whose answer is the dialog procedure's return value itself rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:  // a control asking for its colours
      return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
  }
}

}  // namespace

Dialog::~Dialog() {
  if (m_window) {
    // The object dies first: make sure no message finds it any more.
    ::SetWindowLongPtrA(m_window, DWLP_USER, 0);
    ::DestroyWindow(m_window);
  }
}

HWND Dialog::CreateModeless(int templateId, HWND owner) {
  return ::CreateDialogParamA(Module::Instance(), MAKEINTRESOURCEA(templateId), owner,
                              &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(int templateId, HWND owner) {
  return ::DialogBoxParamA(Module::Instance(), MAKEINTRESOURCEA(templateId), owner,
                           &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  Dialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->m_window = window;
    ::SetWindowLongPtrA(window, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!self) return FALSE;  // before WM_INITDIALOG, or after the object let go

  LRESULT result = 0;
  const bool handled = self->OnMessage(message, wParam, lParam, result);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, DWLP_USER, 0);
    self->m_window = nullptr;
  }
  if (!handled) return FALSE;
  if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
  // Writing a window's data can cost a trip to the window server (under Wine it
  // does); most answers are the same as the last one, so look before writing.
  if (::GetWindowLongPtrA(window, DWLP_MSGRESULT) != result) {
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  }
  return TRUE;
}

}  // namespace tl
