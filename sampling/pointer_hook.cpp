#include "sampling/pointer_hook.h"

#include <atomic>
#include <utility>

#include "core/pointer_hold.h"
#include "platform/handles.h"
#include "sampling/own_window.h"

namespace tl {
namespace {

// What the hook's thread and the window's share. Each side holds the lock only
// to copy a few words, so the hook never waits behind the window's work.
class SharedState {
 public:
  class Guard {
   public:
    explicit Guard(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
    ~Guard() { ::ReleaseSRWLockExclusive(&m_lock); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

   private:
    SRWLOCK& m_lock;
  };
  Guard Lock() { return Guard(m_lock); }

  POINT m_latest{};
  bool m_hasLatest = false;
  bool m_requestPending = false;
  PointerHold m_hold;

 private:
  SRWLOCK m_lock = SRWLOCK_INIT;
};

// Process-wide because the hook procedure is called without any context. Set
// before the hook's thread starts and not changed while it runs.
HWND g_target = nullptr;
DWORD g_targetThread = 0;
int g_pickButtonId = 0;
SharedState g_shared;
// Changed by the window's thread at any time.
std::atomic<HWND> g_view{nullptr};
std::atomic<bool> g_clickKeeps{false};
// Only the hook's thread touches this: the release of a click it kept.
bool g_swallowRelease = false;

// Only the window's thread touches these.
UniqueKernelObject g_thread;
DWORD g_threadId = 0;

void OnMove(POINT point) {
  bool post = false;
  {
    const auto guard = g_shared.Lock();
    if (!g_shared.m_hold.Accept(point.x, point.y, ::GetTickCount)) return;  // an older place
    g_shared.m_latest = point;
    g_shared.m_hasLatest = true;
    post = !g_shared.m_requestPending;
    g_shared.m_requestPending = true;
  }
  // Posted outside the lock: the window may take the request at once.
  if (post && !::PostMessageA(g_target, kSampleRequest, 0, 0)) {
    const auto guard = g_shared.Lock();
    g_shared.m_requestPending = false;
  }
}

// True when the press is taken: a click that keeps a colour never reaches the
// window below, which neither activates nor acts.
bool OnLeftPress(POINT point) {
  const HWND under = ::WindowFromPoint(point);
  if (under && IsOwnWindow(g_target, under, g_targetThread)) {
    const bool onPickButton = under == ::GetDlgItem(g_target, g_pickButtonId);
    ::PostMessageA(g_target, kOwnWindowPress, onPickButton, 0);
    return false;
  }
  if (!g_clickKeeps.load()) return false;
  {
    const auto guard = g_shared.Lock();
    g_shared.m_latest = point;
    g_shared.m_hasLatest = true;
  }
  ::PostMessageA(g_target, kKeepRequest, 0, 0);
  g_swallowRelease = true;
  return true;
}

// True when the notch is taken: Ctrl (and Shift) anywhere, or any over the view.
bool OnWheel(const MSLLHOOKSTRUCT& event) {
  const bool up = static_cast<short>(HIWORD(event.mouseData)) > 0;
  if (::GetAsyncKeyState(VK_CONTROL) < 0) {
    const bool shift = ::GetAsyncKeyState(VK_SHIFT) < 0;
    ::PostMessageA(g_target, shift ? kSampleSizeRequest : kZoomRequest, up, 0);
    return true;
  }
  const HWND view = g_view.load();
  if (view && ::WindowFromPoint(event.pt) == view) {
    ::PostMessageA(g_target, kZoomRequest, up, 0);
    return true;
  }
  return false;
}

LRESULT CALLBACK PointerHookProcedure(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION) {
    const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    bool taken = false;
    switch (message) {
      case WM_MOUSEMOVE:
        OnMove(event->pt);
        break;
      case WM_LBUTTONDOWN:
        taken = OnLeftPress(event->pt);
        break;
      case WM_LBUTTONUP:
        taken = std::exchange(g_swallowRelease, false);
        break;
      case WM_MOUSEWHEEL:
        taken = OnWheel(*event);
        break;
      default:
        break;
    }
    if (taken) return 1;
  }
  return ::CallNextHookEx(nullptr, code, message, data);
}

struct ThreadStart {
  HOOKPROC outer;
  UniqueKernelObject ready;
  bool installed = false;
};

DWORD WINAPI HookThread(void* parameter) {
  auto* start = static_cast<ThreadStart*>(parameter);
  MSG message;
  // The thread's queue exists before Install returns, so Remove's quit arrives.
  ::PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  const HINSTANCE module = ::GetModuleHandleA(nullptr);
  const UniqueHook hook(::SetWindowsHookExA(WH_MOUSE_LL, PointerHookProcedure, module, 0));
  UniqueHook outer;
  if (hook && start->outer) outer.Reset(::SetWindowsHookExA(WH_MOUSE_LL, start->outer, module, 0));
  start->installed = static_cast<bool>(hook);
  ::SetEvent(start->ready.Get());  // `start` belongs to the caller from here on
  if (!hook) return 1;
  // The system calls the hook from within GetMessage.
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  return 0;
}

}  // namespace

bool PointerHook::Install(HWND target, int pickButtonId, HOOKPROC outer) {
  Remove();
  g_target = target;
  g_targetThread = ::GetWindowThreadProcessId(target, nullptr);
  g_pickButtonId = pickButtonId;
  g_swallowRelease = false;
  ThreadStart start{outer, UniqueKernelObject(::CreateEventA(nullptr, TRUE, FALSE, nullptr))};
  if (!start.ready) return false;
  g_thread.Reset(::CreateThread(nullptr, 0, HookThread, &start, 0, &g_threadId));
  if (!g_thread) return false;
  ::WaitForSingleObject(start.ready.Get(), INFINITE);
  if (!start.installed) {
    ::WaitForSingleObject(g_thread.Get(), INFINITE);
    g_thread.Reset();
  }
  return start.installed;
}

void PointerHook::Remove() {
  if (g_thread) {
    ::PostThreadMessageA(g_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(g_thread.Get(), INFINITE);
    g_thread.Reset();
  }
  // Without the hook nothing keeps these current; a request still queued finds
  // no point and asks the system.
  const auto guard = g_shared.Lock();
  g_shared.m_hasLatest = false;
  g_shared.m_requestPending = false;
  g_shared.m_hold.Release();
}

bool PointerHook::Installed() { return static_cast<bool>(g_thread); }

void PointerHook::SetView(HWND view) { g_view = view; }

void PointerHook::SetClickKeeps(bool clickKeeps) { g_clickKeeps = clickKeeps; }

bool PointerHook::LatestPosition(POINT& position) {
  const auto guard = g_shared.Lock();
  if (!g_shared.m_hasLatest) return false;
  position = g_shared.m_latest;
  return true;
}

void PointerHook::MovedTo(POINT from, POINT to) {
  if (!g_thread) return;
  const auto guard = g_shared.Lock();
  g_shared.m_hold.Left(from.x, from.y, ::GetTickCount());
  g_shared.m_latest = to;
  g_shared.m_hasLatest = true;
}

bool PointerHook::RequestPending() {
  const auto guard = g_shared.Lock();
  return g_shared.m_requestPending;
}

void PointerHook::RequestTaken() {
  const auto guard = g_shared.Lock();
  g_shared.m_requestPending = false;
}

}  // namespace tl
