#include "sampling/screen_sampler.h"

#include <algorithm>
#include <cstring>

#include "core/magnifier_geometry.h"

namespace tl {
namespace {

constexpr COLORREF kStockGrey = 0x808080;  // under anything the screen copy leaves out

}  // namespace

ScreenSampler::~ScreenSampler() { ReleaseCapture(); }

void ScreenSampler::SetViewSize(int width, int height) {
  if (width == m_viewWidth && height == m_viewHeight && m_magnifier) return;
  m_viewWidth = width;
  m_viewHeight = height;
  void* bits = nullptr;
  m_magnifier.Reset(CreateSurfaceBitmap(width, height, &bits));
  m_magnifierPixels = m_magnifier ? static_cast<std::uint32_t*>(bits) : nullptr;
  m_columnSources.clear();  // made again for the new width
}

void ScreenSampler::ReadScreenArea() {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  m_screenArea = {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                  top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  m_screenAreaKnown = true;
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
  m_columnSources.clear();
  return true;
}

// Nearest-neighbour, as COLORONCOLOR stretching does: view column x shows source
// column x * width / viewWidth, and likewise for rows. Done in memory rather than
// by StretchBlt, which cost more than the screen copy; a view row whose source
// row is the one above's is copied whole.
void ScreenSampler::Magnify() {
  const int width = m_captureWidth, height = m_captureHeight;
  if (m_columnSources.size() != static_cast<std::size_t>(m_viewWidth)) {
    m_columnSources.resize(static_cast<std::size_t>(m_viewWidth));
    for (int x = 0; x < m_viewWidth; ++x) {
      m_columnSources[static_cast<std::size_t>(x)] = x * width / m_viewWidth;
    }
  }
  const std::size_t rowBytes = static_cast<std::size_t>(m_viewWidth) * sizeof(std::uint32_t);
  int previousSource = -1;
  for (int y = 0; y < m_viewHeight; ++y) {
    std::uint32_t* row = m_magnifierPixels + static_cast<std::size_t>(y) * m_viewWidth;
    const int sourceRow = y * height / m_viewHeight;
    if (sourceRow == previousSource) {
      std::memcpy(row, row - m_viewWidth, rowBytes);
      continue;
    }
    const std::uint32_t* source = m_capturePixels + static_cast<std::size_t>(sourceRow) * width;
    if (width == m_viewWidth) {
      std::memcpy(row, source, rowBytes);  // zoom 1: one to one
    } else {
      for (int x = 0; x < m_viewWidth; ++x) {
        row[x] = source[m_columnSources[static_cast<std::size_t>(x)]];
      }
    }
    previousSource = sourceRow;
  }
  // The crosshair inverts its two bars; the centre pixel, in both, keeps its colour.
  const Crosshair cross = CrosshairFor(m_viewWidth, m_viewHeight);
  for (const Rect& bar : {cross.horizontal, cross.vertical}) {
    for (int y = std::max(bar.top, 0); y < std::min(bar.bottom, m_viewHeight); ++y) {
      for (int x = std::max(bar.left, 0); x < std::min(bar.right, m_viewWidth); ++x) {
        m_magnifierPixels[static_cast<std::size_t>(y) * m_viewWidth + x] ^= 0x00FFFFFF;
      }
    }
  }
}

ScreenSampler::Sample ScreenSampler::Take(POINT pointer, int zoomLevel) {
  Sample sample{false, 0};
  ::GdiFlush();  // the view's last paint may still be reading the magnifier's pixels
  const Rect source = SourceRect(pointer.x, pointer.y, m_viewWidth, m_viewHeight, zoomLevel);
  const int width = source.right - source.left, height = source.bottom - source.top;
  if (!m_magnifierPixels || !EnsureCapture(width, height)) return sample;

  // Only the part on the screen is copied: near an edge the source reaches past
  // it, and a copy from there may fail as a whole or come back black. The rest is
  // grey, painted only when there is a rest.
  if (!m_screenAreaKnown) ReadScreenArea();
  const RECT wanted{source.left, source.top, source.right, source.bottom};
  RECT visible{};
  const bool onScreen = ::IntersectRect(&visible, &wanted, &m_screenArea) != FALSE;
  if (!onScreen || !::EqualRect(&visible, &wanted)) {
    const RECT whole{0, 0, width, height};
    const COLORREF previous = ::SetBkColor(m_captureDC.Get(), kStockGrey);
    ::ExtTextOutA(m_captureDC.Get(), 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);
    ::SetBkColor(m_captureDC.Get(), previous);
  }
  // Off the screen there is no pixel under the pointer, however much of the
  // screen lies beside it (a pointer confined elsewhere, a monitor just gone):
  // the view shows what it can, the read fails.
  const bool pointerOnScreen = ::PtInRect(&m_screenArea, pointer) != FALSE;
  if (onScreen) {
    sample.read = ::BitBlt(m_captureDC.Get(), visible.left - source.left, visible.top - source.top,
                           visible.right - visible.left, visible.bottom - visible.top,
                           m_screen.Get(), visible.left, visible.top, SRCCOPY) != FALSE;
  }
  ::GdiFlush();  // the DIB's memory is read directly below
  sample.read = sample.read && pointerOnScreen;
  if (sample.read) {
    const std::uint32_t bgra = m_capturePixels[(height / 2) * width + width / 2];
    sample.colour = MakeColour((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }

  Magnify();
  return sample;
}

}  // namespace tl
