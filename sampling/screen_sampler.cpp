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
// column x * width / viewWidth, and likewise for rows (ViewSpanOf gives the same
// mapping the other way round, for the marks). Done in memory rather than by
// StretchBlt, which cost more than the screen copy; a view row whose source row is
// the one above's is copied whole. The source is a rectangle of the capture.
void ScreenSampler::Magnify(int sourceLeft, int sourceTop, int width, int height) {
  if (m_columnSources.size() != static_cast<std::size_t>(m_viewWidth) || m_columnsFor != width) {
    m_columnSources.resize(static_cast<std::size_t>(m_viewWidth));
    for (int x = 0; x < m_viewWidth; ++x) {
      m_columnSources[static_cast<std::size_t>(x)] = x * width / m_viewWidth;
    }
    m_columnsFor = width;
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
    const std::uint32_t* source = m_capturePixels +
                                  static_cast<std::size_t>(sourceTop + sourceRow) * m_captureWidth +
                                  sourceLeft;
    if (width == m_viewWidth) {
      std::memcpy(row, source, rowBytes);  // zoom 1: one to one
    } else {
      for (int x = 0; x < m_viewWidth; ++x) {
        row[x] = source[m_columnSources[static_cast<std::size_t>(x)]];
      }
    }
    previousSource = sourceRow;
  }
}

// A two-tone ring round a view rectangle, black inside and white outside, so that
// it shows on any colour.
void ScreenSampler::Outline(const Rect& block) {
  const auto ring = [&](int grow, std::uint32_t colour) {
    const int left = block.left - grow, top = block.top - grow;
    const int right = block.right + grow - 1, bottom = block.bottom + grow - 1;
    for (int y = std::max(top, 0); y <= std::min(bottom, m_viewHeight - 1); ++y) {
      std::uint32_t* row = m_magnifierPixels + static_cast<std::size_t>(y) * m_viewWidth;
      if (y == top || y == bottom) {
        for (int x = std::max(left, 0); x <= std::min(right, m_viewWidth - 1); ++x) row[x] = colour;
      } else {
        if (left >= 0 && left < m_viewWidth) row[left] = colour;
        if (right >= 0 && right < m_viewWidth) row[right] = colour;
      }
    }
  };
  ring(1, 0x000000);
  ring(2, 0xFFFFFF);
}

// The grid, the outlines, then the crosshair over them all, inverting what it
// crosses as it always has.
void ScreenSampler::DrawMarks(int zoomLevel, const Options& options) {
  if (options.grid && zoomLevel >= kGridFromZoom) {
    // A line on the first view pixel of every source pixel but the first.
    for (int y = 0; y < m_viewHeight; ++y) {
      std::uint32_t* row = m_magnifierPixels + static_cast<std::size_t>(y) * m_viewWidth;
      const bool lineRow =
          y > 0 && (y * m_captureRows / m_viewHeight) != ((y - 1) * m_captureRows / m_viewHeight);
      for (int x = 0; x < m_viewWidth; ++x) {
        const std::size_t column = static_cast<std::size_t>(x);
        if (lineRow || (x > 0 && m_columnSources[column] != m_columnSources[column - 1])) {
          row[x] = GridShade(row[x]);
        }
      }
    }
  }
  if (zoomLevel >= kOutlineFromZoom) Outline(ViewBlock(m_viewWidth, m_viewHeight, zoomLevel));
  if (options.sampleSize > 1) {
    Outline(ViewBlock(m_viewWidth, m_viewHeight, zoomLevel, (options.sampleSize - 1) / 2));
  }
  // The crosshair inverts its two bars; the pixel where they cross keeps its colour.
  const Crosshair cross = CrosshairFor(m_viewWidth, m_viewHeight, zoomLevel);
  for (const Rect& bar : {cross.horizontal, cross.vertical}) {
    for (int y = std::max(bar.top, 0); y < std::min(bar.bottom, m_viewHeight); ++y) {
      for (int x = std::max(bar.left, 0); x < std::min(bar.right, m_viewWidth); ++x) {
        m_magnifierPixels[static_cast<std::size_t>(y) * m_viewWidth + x] ^= 0x00FFFFFF;
      }
    }
  }
}

// The mean of the n x n pixels centred on the pointer that lie on the screen.
ColourValue ScreenSampler::MeanAround(const RECT& onScreen, POINT pointer, int sampleSize) const {
  const int radius = (sampleSize - 1) / 2;
  ChannelMean mean;
  for (LONG y = pointer.y - radius; y <= pointer.y + radius; ++y) {
    for (LONG x = pointer.x - radius; x <= pointer.x + radius; ++x) {
      if (x < onScreen.left || x >= onScreen.right || y < onScreen.top || y >= onScreen.bottom) {
        continue;
      }
      const std::uint32_t bgra =
          m_capturePixels[static_cast<std::size_t>(y - m_captured.top) * m_captureWidth +
                          (x - m_captured.left)];
      mean.Add(MakeColour((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
  }
  return mean.Mean();
}

ScreenSampler::Sample ScreenSampler::Take(POINT pointer, int zoomLevel, Options options) {
  Sample sample{false, 0};
  ::GdiFlush();  // the view's last paint may still be reading the magnifier's pixels
  const Rect source = SourceRect(pointer.x, pointer.y, m_viewWidth, m_viewHeight, zoomLevel);
  const int width = source.right - source.left, height = source.bottom - source.top;
  // One copy holds both what the view shows and the square a mean is taken over,
  // which at the deepest zoom levels is the larger.
  const int size = options.sampleSize > 1 ? options.sampleSize : 1;
  const int captureWidth = std::max(width, size), captureHeight = std::max(height, size);
  const RECT captured{pointer.x - captureWidth / 2, pointer.y - captureHeight / 2,
                      pointer.x - captureWidth / 2 + captureWidth,
                      pointer.y - captureHeight / 2 + captureHeight};
  if (!m_magnifierPixels || !EnsureCapture(captureWidth, captureHeight)) return sample;
  m_captured = captured;
  m_captureRows = height;

  // Only the part on the screen is copied: near an edge the source reaches past
  // it, and a copy from there may fail as a whole or come back black. The rest is
  // grey, painted only when there is a rest.
  if (!m_screenAreaKnown) ReadScreenArea();
  RECT visible{};
  const bool onScreen = ::IntersectRect(&visible, &captured, &m_screenArea) != FALSE;
  if (!onScreen || !::EqualRect(&visible, &captured)) {
    const RECT whole{0, 0, captureWidth, captureHeight};
    const COLORREF previous = ::SetBkColor(m_captureDC.Get(), kStockGrey);
    ::ExtTextOutA(m_captureDC.Get(), 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);
    ::SetBkColor(m_captureDC.Get(), previous);
  }
  // Off the screen there is no pixel under the pointer, however much of the
  // screen lies beside it (a pointer confined elsewhere, a monitor just gone):
  // the view shows what it can, the read fails.
  const bool pointerOnScreen = ::PtInRect(&m_screenArea, pointer) != FALSE;
  if (onScreen) {
    sample.read =
        ::BitBlt(m_captureDC.Get(), visible.left - captured.left, visible.top - captured.top,
                 visible.right - visible.left, visible.bottom - visible.top, m_screen.Get(),
                 visible.left, visible.top, SRCCOPY) != FALSE;
  }
  ::GdiFlush();  // the DIB's memory is read directly below
  sample.read = sample.read && pointerOnScreen;
  if (sample.read) {
    if (size > 1) {
      sample.colour = MeanAround(visible, pointer, size);
    } else {
      const std::uint32_t bgra =
          m_capturePixels[static_cast<std::size_t>(pointer.y - captured.top) * captureWidth +
                          (pointer.x - captured.left)];
      sample.colour = MakeColour((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
  }

  Magnify(source.left - captured.left, source.top - captured.top, width, height);
  DrawMarks(zoomLevel, options);
  return sample;
}

}  // namespace tl
