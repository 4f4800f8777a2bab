#include "sampling/screen_sampler.h"

#include "sampling/magnifier_geometry.h"

namespace tl {
namespace {

constexpr COLORREF kStockGrey = 0x808080;  // under anything the screen copy leaves out

}  // namespace

ScreenSampler::~ScreenSampler() { ReleaseCapture(); }

void ScreenSampler::SetViewSize(int width, int height) {
  if (width == m_viewWidth && height == m_viewHeight && m_magnifier) return;
  m_viewWidth = width;
  m_viewHeight = height;
  m_magnifier.Reset(CreateSurfaceBitmap(width, height));
}

void ScreenSampler::ReleaseCapture() {
  if (m_captureDefault) ::SelectObject(m_captureDC.Get(), m_captureDefault);
  m_captureDefault = nullptr;
  m_capture.Reset();
  m_capturePixels = nullptr;
  m_captureWidth = m_captureHeight = 0;
}

// The capture surface is remade only when the source size changes (a new zoom
// level or view size), not on every sample.
bool ScreenSampler::EnsureCapture(int width, int height) {
  if (m_capture && width == m_captureWidth && height == m_captureHeight) return true;
  ReleaseCapture();
  void* bits = nullptr;
  m_capture.Reset(CreateSurfaceBitmap(width, height, &bits));
  if (!m_capture || !bits) {
    m_capture.Reset();
    return false;
  }
  m_captureDefault = ::SelectObject(m_captureDC.Get(), m_capture.Get());
  m_capturePixels = static_cast<const std::uint32_t*>(bits);
  m_captureWidth = width;
  m_captureHeight = height;
  return true;
}

ScreenSampler::Sample ScreenSampler::Take(POINT pointer, int zoomLevel) {
  Sample sample{false, 0};
  const Rect source = SourceRect(pointer.x, pointer.y, m_viewWidth, m_viewHeight, zoomLevel);
  const int width = source.right - source.left, height = source.bottom - source.top;
  if (!m_magnifier || !EnsureCapture(width, height)) return sample;

  // Grey where the screen has nothing to give (past its edges).
  const RECT whole{0, 0, width, height};
  {
    const COLORREF previous = ::SetBkColor(m_captureDC.Get(), kStockGrey);
    ::ExtTextOutA(m_captureDC.Get(), 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);
    ::SetBkColor(m_captureDC.Get(), previous);
  }
  // Only the part on the screen is copied: near an edge the source reaches past
  // it, and a copy from there may fail as a whole or come back black.
  const RECT wanted{source.left, source.top, source.right, source.bottom};
  const int screenLeft = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int screenTop = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const RECT screenArea{screenLeft, screenTop, screenLeft + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                        screenTop + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT visible{};
  if (::IntersectRect(&visible, &wanted, &screenArea)) {
    sample.read = ::BitBlt(m_captureDC.Get(), visible.left - source.left, visible.top - source.top,
                           visible.right - visible.left, visible.bottom - visible.top,
                           m_screen.Get(), visible.left, visible.top, SRCCOPY) != FALSE;
  }
  ::GdiFlush();  // the DIB's memory is read directly below
  if (sample.read) {
    const std::uint32_t bgra = m_capturePixels[(height / 2) * width + width / 2];
    sample.colour = MakeColour((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }

  const SelectGuard selectMagnifier(m_magnifierDC.Get(), m_magnifier.Get());
  ::SetStretchBltMode(m_magnifierDC.Get(), COLORONCOLOR);
  ::StretchBlt(m_magnifierDC.Get(), 0, 0, m_viewWidth, m_viewHeight, m_captureDC.Get(), 0, 0,
               width, height, SRCCOPY);
  // The memory DC's own brush is the stock white one: PATINVERT flips every bit.
  const Crosshair cross = CrosshairFor(m_viewWidth, m_viewHeight);
  for (const Rect& bar : {cross.horizontal, cross.vertical}) {
    ::PatBlt(m_magnifierDC.Get(), bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
             PATINVERT);
  }
  return sample;
}

}  // namespace tl
