#include "ui/loupe_window.h"

#include <cstdlib>

#include "core/magnifier_geometry.h"
#include "platform/module.h"
#include "res/product.h"
#include "ui/framed_fill_static.h"

namespace tl {
namespace {

constexpr const char* kClassName = "TintlensLoupe";
constexpr int kStripAt96Dpi = 22;  // the swatch and the text below the picture
constexpr int kSlack = 24;         // how far the loupe may lag behind its place

// From Windows 10 (2004): a window the system leaves out of screen captures.
void ExcludeFromCapture(HWND window) {
  using SetAffinity = BOOL(WINAPI*)(HWND, DWORD);
  constexpr DWORD kExcludeFromCapture = 0x11;  // WDA_EXCLUDEFROMCAPTURE
  const HMODULE user32 = ::GetModuleHandleA("user32.dll");
  const auto set = user32 ? reinterpret_cast<SetAffinity>(reinterpret_cast<void*>(
                                ::GetProcAddress(user32, "SetWindowDisplayAffinity")))
                          : nullptr;
  if (set)
    set(window, kExcludeFromCapture);  // older systems refuse; it stays out of the source anyway
}

}  // namespace

LoupeWindow::~LoupeWindow() {
  if (::IsWindow(m_window)) ::DestroyWindow(m_window);
}

bool LoupeWindow::Create(SIZE pictureSize, UINT dpi) {
  static const ATOM registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = Module::Instance();
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExA(&windowClass);
  }();
  if (!registered) return false;
  m_pictureSize = pictureSize;
  m_stripHeight = ::MulDiv(kStripAt96Dpi, static_cast<int>(dpi), 96);
  const SIZE size = WindowSize();
  // Layered and transparent to the mouse: clicks and WindowFromPoint go through.
  m_window = ::CreateWindowExA(
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
      kClassName, TL_PROGRAM_NAME " Loupe", WS_POPUP, 0, 0, size.cx, size.cy, nullptr, nullptr,
      Module::Instance(), this);
  if (!m_window) return false;
  ::SetLayeredWindowAttributes(m_window, 0, 255, LWA_ALPHA);
  ExcludeFromCapture(m_window);
  Resize(pictureSize, dpi);
  return true;
}

SIZE LoupeWindow::WindowSize() const {
  return {m_pictureSize.cx + 2, m_pictureSize.cy + 2 + m_stripHeight};
}

void LoupeWindow::Resize(SIZE pictureSize, UINT dpi) {
  m_pictureSize = pictureSize;
  m_stripHeight = ::MulDiv(kStripAt96Dpi, static_cast<int>(dpi), 96);
  if (!m_window) return;
  const SIZE size = WindowSize();
  ::SetWindowPos(m_window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_origin = {-1, -1};
}

void LoupeWindow::Show(HBITMAP picture, ColourValue colour, const std::string& text,
                       const Rect& source, const Rect& screen) {
  if (!m_window) return;
  Place(source, screen);
  m_picture = picture;
  m_colour = colour;
  m_shownText = text;
  // Drawn at once, not through a paint message: the sample is here now, and the
  // message's round trip would cost as much as the drawing.
  const HDC dc = ::GetDC(m_window);
  Draw(dc);
  ::ReleaseDC(m_window, dc);
}

bool LoupeWindow::Covers(const Rect& area) const {
  if (!m_visible) return false;
  const SIZE size = WindowSize();
  return m_origin.x < area.right && area.left < m_origin.x + size.cx && m_origin.y < area.bottom &&
         area.top < m_origin.y + size.cy;
}

// Moving a window is costly (under Wine a trip to the X server), so the loupe
// stays put while the pointer moves a little, as long as it stays clear of the
// source rectangle and near the place it would take.
void LoupeWindow::Place(const Rect& source, const Rect& screen) {
  if (!m_window) return;
  const SIZE size = WindowSize();
  const Point origin = LoupeOrigin(source, size.cx, size.cy, screen);
  const bool nearby =
      std::abs(origin.x - m_origin.x) <= kSlack && std::abs(origin.y - m_origin.y) <= kSlack;
  if (m_visible && nearby && !Covers(source)) return;
  ::SetWindowPos(m_window, HWND_TOPMOST, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | (m_visible ? 0 : SWP_SHOWWINDOW));
  m_origin = {origin.x, origin.y};
  m_visible = true;
}

void LoupeWindow::Hide() {
  if (m_window && m_visible) ::ShowWindow(m_window, SW_HIDE);
  m_visible = false;
}

void LoupeWindow::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = ::BeginPaint(m_window, &paint);
  Draw(dc);
  ::EndPaint(m_window, &paint);
}

void LoupeWindow::Draw(HDC dc) {
  const SIZE size = WindowSize();
  const RECT frame{0, 0, size.cx, m_pictureSize.cy + 2};
  FillSolid(dc, frame, kBlack);
  if (m_picture) {
    const SelectGuard select(m_pictureDC.Get(), m_picture);
    ::BitBlt(dc, 1, 1, m_pictureSize.cx, m_pictureSize.cy, m_pictureDC.Get(), 0, 0, SRCCOPY);
  }
  const RECT strip{m_stripHeight, m_pictureSize.cy + 2, size.cx, size.cy};
  FillSolid(dc, strip, ::GetSysColor(COLOR_WINDOW));
  const RECT swatch{0, m_pictureSize.cy + 2, m_stripHeight, size.cy};
  FillSolid(dc, swatch, m_colour);
  RECT text{m_stripHeight + 4, m_pictureSize.cy + 2, size.cx - 2, size.cy};
  const SelectGuard font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::DrawTextA(dc, m_shownText.c_str(), static_cast<int>(m_shownText.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetTextColor(dc, oldColour);
  ::SetBkMode(dc, oldMode);
}

LRESULT CALLBACK LoupeWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<LoupeWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (self) {
        self->Paint();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      if (self) self->m_window = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tl
