#include "sampling/pointer_hook.h"

#include "sampling/own_window.h"
#include "core/pointer_hold.h"

namespace tl {
namespace {

// Process-wide because the hook procedure is called without any context. The
// hook runs on the thread that installed it, the target window's, so nothing
// here is shared between threads.
HHOOK g_hook = nullptr;
HWND g_target = nullptr;
PickingSession* g_session = nullptr;
int g_pickButtonId = 0;
POINT g_latest{};
bool g_hasLatest = false;
bool g_requestPending = false;
PointerHold g_hold;

LRESULT CALLBACK PointerHookProcedure(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION) {
    const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    if (message == WM_MOUSEMOVE) {
      if (!g_hold.Accept(event->pt.x, event->pt.y, ::GetTickCount)) {
        return ::CallNextHookEx(g_hook, code, message, data);  // an older place
      }
      g_latest = event->pt;
      g_hasLatest = true;
      if (!g_requestPending) {
        g_requestPending = ::PostMessageA(g_target, kSampleRequest, 0, 0) != FALSE;
      }
    } else if (message == WM_LBUTTONDOWN) {
      const HWND under = ::WindowFromPoint(event->pt);
      if (under && IsOwnWindow(g_target, under)) {
        if (g_session) {
          g_session->PressOnOwnWindow(under == ::GetDlgItem(g_target, g_pickButtonId));
        }
        ::SendMessageA(g_target, WM_COMMAND, kPickCommandFromProgram, 0);
      }
    }
  }
  // The hook may already be gone (the press above ended the session); the
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
  // Without the hook nothing keeps these current; a request still queued finds
  // no point and asks the system.
  g_hasLatest = false;
  g_requestPending = false;
  g_hold.Release();
}

bool PointerHook::Installed() { return g_hook != nullptr; }

bool PointerHook::LatestPosition(POINT& position) {
  if (!g_hasLatest) return false;
  position = g_latest;
  return true;
}

void PointerHook::MovedTo(POINT from, POINT to) {
  if (!g_hook) return;
  g_hold.Left(from.x, from.y, ::GetTickCount());
  g_latest = to;
  g_hasLatest = true;
}

bool PointerHook::RequestPending() { return g_requestPending; }

void PointerHook::RequestTaken() { g_requestPending = false; }

}  // namespace tl
