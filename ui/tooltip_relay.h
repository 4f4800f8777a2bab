#pragma once
// A tooltip learns where the mouse is only from its tool's window, which passes
// on every mouse message it gets.

#include <windows.h>
#include <commctrl.h>

namespace tl {

inline void RelayToTooltip(HWND tooltip, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < WM_MOUSEFIRST || message > WM_MOUSEWHEEL || !::IsWindow(tooltip)) return;
  MSG relayed{window, message, wParam, lParam, 0, {0, 0}};
  ::SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace tl
