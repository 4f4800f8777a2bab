#include "platform/subclass.h"

#include <unordered_map>

namespace tl {
namespace {

// The newest object of each subclassed window, and each window's own procedure.
// Only the UI thread touches them.
std::unordered_map<HWND, Subclass*>& Newest() {
  static std::unordered_map<HWND, Subclass*> table;
  return table;
}

std::unordered_map<HWND, WNDPROC>& Original() {
  static std::unordered_map<HWND, WNDPROC> table;
  return table;
}

}  // namespace

bool Subclass::Attach(HWND window) {
  if (m_window) return true;
  if (!window) return false;
  auto& newest = Newest();
  const auto found = newest.find(window);
  if (found != newest.end()) {
    m_inner = found->second;
    m_inner->m_outer = this;
  } else {
    const auto previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass::Procedure)));
    if (!previous) return false;
    m_previous = previous;
    Original()[window] = previous;
  }
  newest[window] = this;
  m_window = window;
  OnAttached();
  return true;
}

void Subclass::Detach() {
  if (!m_window) return;
  auto& newest = Newest();
  if (m_outer) {
    m_outer->m_inner = m_inner;
    if (m_previous) m_outer->m_previous = m_previous;  // it is the first object now
  } else if (m_inner) {
    newest[m_window] = m_inner;
  } else {
    newest.erase(m_window);
    const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_window, GWLP_WNDPROC));
    if (current == &Subclass::Procedure) {
      ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
      Original().erase(m_window);
    }
  }
  if (m_inner) m_inner->m_outer = m_outer;
  m_window = nullptr;
  m_previous = nullptr;
  m_inner = m_outer = nullptr;
}

LRESULT Subclass::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_inner) return m_inner->OnMessage(message, wParam, lParam);
  return ::CallWindowProcA(m_previous, m_window, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
  const auto found = Newest().find(window);
  if (found == Newest().end()) {
    // Someone replaced the procedure after us and we have let go since.
    const auto original = Original().find(window);
    return original == Original().end()
               ? ::DefWindowProcA(window, message, wParam, lParam)
               : ::CallWindowProcA(original->second, window, message, wParam, lParam);
  }
  const LRESULT result = found->second->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window is going: every object lets go, newest first.
    for (auto it = Newest().find(window); it != Newest().end(); it = Newest().find(window)) {
      it->second->Detach();
    }
    Original().erase(window);
  }
  return result;
}

}  // namespace tl
