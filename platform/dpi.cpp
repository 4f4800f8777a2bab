#include "platform/dpi.h"

#include "platform/gdi.h"

namespace tl {
namespace {

// A user32 function that older systems lack, or null.
template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = ::GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Function>(
                      reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                : nullptr;
}

// Both of the dialog manager's setters take a window, a mask and the bits under it.
void SetDpiChangeBehaviour(const char* setterName, HWND window, int bits) {
  using Setter = BOOL(WINAPI*)(HWND, int, int);
  if (const auto setter = User32Function<Setter>(setterName)) setter(window, bits, bits);
}

}  // namespace

UINT ScreenDpi() {
  const WindowDC screen;
  const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  const UINT dpi = forWindow ? forWindow(window) : 0;
  return dpi != 0 ? dpi : ScreenDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto forDpi =
      User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
}

void KeepDialogSizeOnDpiChange(HWND dialog) {
  constexpr int kDisableResize = 0x0002;  // DDC_DISABLE_RESIZE
  SetDpiChangeBehaviour("SetDialogDpiChangeBehavior", dialog, kDisableResize);
}

void KeepControlFontOnDpiChange(HWND control) {
  constexpr int kDisableFontUpdate = 0x0001;  // DCDC_DISABLE_FONTUPDATE
  SetDpiChangeBehaviour("SetDialogControlDpiChangeBehavior", control, kDisableFontUpdate);
}

}  // namespace tl
