#include "platform/subclass.h"

#include <commctrl.h>

namespace tl {

// The common controls' subclass chain keeps every previous procedure in order,
// so several objects may attach to one window and leave it in any order.
bool Subclass::Attach(HWND window) {
  if (m_window) return true;
  if (!window || !::SetWindowSubclass(window, &Subclass::Procedure,
                                      reinterpret_cast<UINT_PTR>(this),
                                      reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  m_window = window;
  OnAttached();
  return true;
}

void Subclass::Detach() {
  if (!m_window) return;
  ::RemoveWindowSubclass(m_window, &Subclass::Procedure, reinterpret_cast<UINT_PTR>(this));
  m_window = nullptr;
}

LRESULT Subclass::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(m_window, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR object) noexcept {
  auto* self = reinterpret_cast<Subclass*>(object);
  if (message == WM_NCDESTROY) {
    const LRESULT result = self->OnMessage(message, wParam, lParam);
    if (self->m_window == window) self->Detach();
    return result;
  }
  return self->OnMessage(message, wParam, lParam);
}

}  // namespace tl
