#pragma once
// Scoped owners for GDI objects and device contexts. All move-only, so no object
// is ever deleted twice, and every DC owner knows how it must give its DC back.

#include <windows.h>

#include <utility>

namespace tl {

template <typename T>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(T object) : m_object(object) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_object, nullptr));
    return *this;
  }
  ~GdiObject() { Reset(); }

  T Get() const { return m_object; }
  explicit operator bool() const { return m_object != nullptr; }
  void Reset(T object = nullptr) {
    T old = std::exchange(m_object, object);
    if (old) ::DeleteObject(old);
  }

 private:
  T m_object = nullptr;
};

// GetDC/ReleaseDC of one window; no window means the whole screen.
class WindowDC {
 public:
  explicit WindowDC(HWND window = nullptr) : m_window(window), m_dc(::GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (m_dc) ::ReleaseDC(m_window, m_dc);
  }
  HDC Get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  HWND m_window;
  HDC m_dc;
};

// A memory DC compatible with another one (or with the screen).
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr) : m_dc(::CreateCompatibleDC(compatibleWith)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  MemoryDC(MemoryDC&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
  ~MemoryDC() {
    if (m_dc) ::DeleteDC(m_dc);
  }
  HDC Get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  HDC m_dc;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : m_window(window) { m_dc = ::BeginPaint(window, &m_paint); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { ::EndPaint(m_window, &m_paint); }
  HDC Get() const { return m_dc; }
  const PAINTSTRUCT& Paint() const { return m_paint; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc = nullptr;
};

// Selects an object into a DC and puts the previous one back at scope end.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (m_previous && m_previous != HGDI_ERROR) ::SelectObject(m_dc, m_previous);
  }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// A top-down 32-bit DIB section: looks like a bitmap compatible with the screen,
// but selecting it into a DC is cheap (a compatible bitmap costs the display
// driver a conversion each time), and its pixels can be read in place.
inline HBITMAP CreateSurfaceBitmap(int width, int height, void** pixels = nullptr) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (pixels) *pixels = bitmap ? bits : nullptr;
  return bitmap;
}

}  // namespace tl
