#include "sampling/pointer_hook.h"

#include "sampling/own_window.h"

namespace tl {
namespace {

// Process-wide because the hook procedure is called without any context.
HHOOK g_hook = nullptr;
HWND g_target = nullptr;
PickingSession* g_session = nullptr;
int g_pickButtonId = 0;
const POINT* g_pendingPosition = nullptr;  // set only while a move is being reported

LRESULT CALLBACK PointerHookProcedure(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION && ::IsWindow(g_target)) {
    const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    if (message == WM_MOUSEMOVE) {
      g_pendingPosition = &event->pt;
      ::SendMessageA(g_target, kSampleRequest, 0,
                     MAKELPARAM(static_cast<WORD>(event->pt.x), static_cast<WORD>(event->pt.y)));
      g_pendingPosition = nullptr;
    } else if (message == WM_LBUTTONDOWN) {
      const HWND under = ::WindowFromPoint(event->pt);
      if (under && RootOf(under) == g_target) {
        if (g_session) {
          g_session->PressOnOwnWindow(under == ::GetDlgItem(g_target, g_pickButtonId));
        }
        ::SendMessageA(g_target, WM_COMMAND, kPickCommandFromProgram, 0);
      }
    }
  }
  // The handle may already be gone (the press above ended the session); the
  // event goes on all the same.
  return ::CallNextHookEx(g_hook, code, message, data);
}

}  // namespace

bool PointerHook::Install(HWND target, PickingSession* session, int pickButtonId) {
  Remove();
  g_target = target;
  g_session = session;
  g_pickButtonId = pickButtonId;
  g_hook = ::SetWindowsHookExA(WH_MOUSE_LL, PointerHookProcedure, ::GetModuleHandleA(nullptr), 0);
  return g_hook != nullptr;
}

void PointerHook::Remove() {
  if (g_hook) ::UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
}

bool PointerHook::Installed() { return g_hook != nullptr; }

bool PointerHook::PendingPosition(POINT& position) {
  if (!g_pendingPosition) return false;
  position = *g_pendingPosition;
  return true;
}

}  // namespace tl
