#include "platform/dpi.h"

#include "platform/gdi.h"

#include <cstdlib>

namespace tl {
namespace {

// A user32 function that older systems lack, or null.
template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = ::GetModuleHandleA("user32.dll");
  return user32
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
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

void DialogDpiLayout::Measure(HWND dialog, UINT dpi) {
  m_dpi = dpi;
  m_measuredFont = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (!m_measuredFont || !::GetObjectA(m_measuredFont, sizeof m_fontShape, &m_fontShape)) {
    m_measuredFont = nullptr;
  }
  m_controls.clear();
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    Control control{child, {}, false};
    ::GetWindowRect(child, &control.place);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control.place), 2);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0));
    control.dialogFont = m_measuredFont && font == m_measuredFont;
    m_controls.push_back(control);
  }
}

void DialogDpiLayout::Apply(HWND dialog, UINT dpi) {
  const auto scale = [&](LONG value) {
    return ::MulDiv(value, static_cast<int>(dpi), static_cast<int>(m_dpi));
  };
  GdiObject<HFONT> font;
  HFONT use = m_measuredFont;
  if (m_measuredFont && dpi != m_dpi) {
    // From the template's point size, as the dialog manager makes a dialog's
    // font at start: scaling the pixel height would round twice.
    LOGFONTA shape = m_fontShape;
    const int points =
        ::MulDiv(std::abs(static_cast<int>(shape.lfHeight)), 72, static_cast<int>(m_dpi));
    shape.lfHeight = -::MulDiv(points, static_cast<int>(dpi), 72);
    font.Reset(::CreateFontIndirectA(&shape));
    if (font) use = font.Get();
  }
  if (use) ::SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(use), FALSE);
  HDWP places = ::BeginDeferWindowPos(static_cast<int>(m_controls.size()));
  for (const Control& control : m_controls) {
    if (!::IsWindow(control.window)) continue;
    if (control.dialogFont && use) {
      ::SendMessageA(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(use), FALSE);
    }
    const RECT& p = control.place;
    const int left = scale(p.left), top = scale(p.top);
    if (places) {
      places = ::DeferWindowPos(places, control.window, nullptr, left, top, scale(p.right) - left,
                                scale(p.bottom) - top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (places) ::EndDeferWindowPos(places);
  m_scaledFont = std::move(font);  // the font before goes once nothing uses it
}

}  // namespace tl
