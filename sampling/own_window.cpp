#include "sampling/own_window.h"

namespace tl {

namespace {

// The last window found not to be ours. While the pointer stays over one window,
// as it does for most moves, the answer cannot have changed: a window never
// changes threads, and a handle carries a reuse count, so a closed window's
// handle does not come back as one of ours.
HWND g_lastForeign = nullptr;

}  // namespace

bool IsOwnWindowAt(HWND mainWindow, POINT screenPoint) {
  const HWND under = ::WindowFromPoint(screenPoint);
  if (!under || under == g_lastForeign) return false;
  if (IsOwnWindow(mainWindow, under)) return true;
  g_lastForeign = under;
  return false;
}

// While picking the window under the pointer is nearly always another
// program's. Its thread settles the question in one call; climbing its family
// would ask the system about each of its ancestors on every pointer move. The
// samples run on the main window's own thread, which knows its id without
// asking; the pointer hook's thread is told it once.
bool IsOwnWindow(HWND mainWindow, HWND window) {
  return IsOwnWindow(mainWindow, window, ::GetCurrentThreadId());
}

bool IsOwnWindow(HWND mainWindow, HWND window, DWORD windowsThread) {
  if (window == mainWindow) return true;
  if (::GetWindowThreadProcessId(window, nullptr) != windowsThread) return false;
  return RootOf(window) == mainWindow;
}

}  // namespace tl
