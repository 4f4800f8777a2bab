#pragma once
// Control notifications that the parent does not handle go back to the control
// that sent them, as message + kReflectedBase, so owner-drawn controls can draw
// and measure themselves.

#include <windows.h>

namespace tl {

constexpr UINT kReflectedBase = 0x2000;  // OCM__BASE

// The reflected number of a parent notification (WM_DRAWITEM -> 0x202B, ...).
constexpr UINT Reflected(UINT message) { return message + kReflectedBase; }

// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: a control asking its parent for colours.
constexpr bool IsControlColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Sends the notification back to its control. False (and nothing sent) when the
// message is no control notification or names no control.
bool ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result);

}  // namespace tl
