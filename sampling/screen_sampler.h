#pragma once
// Reads the pixel under the pointer and draws the magnified area around it with
// a crosshair into the magnifier bitmap.
//
// One screen read per sample: the source rectangle is copied from the screen
// once into a surface of our own, the pointer's colour is taken from that copy
// and the magnified picture is drawn from it in memory. Every surface lives from one
// sample to the next; only the magnifier bitmap is handed to the view.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/colour.h"
#include "core/magnifier_geometry.h"
#include "platform/gdi.h"

namespace tl {

class ScreenSampler {
 public:
  ScreenSampler() = default;
  ScreenSampler(const ScreenSampler&) = delete;
  ScreenSampler& operator=(const ScreenSampler&) = delete;
  ~ScreenSampler();

  // Makes the magnifier bitmap as large as the view's window rectangle; again
  // whenever the view's size changes (a move to a monitor of another scale).
  void SetViewSize(int width, int height);
  HBITMAP Bitmap() const { return m_magnifier.Get(); }
  SIZE ViewSize() const { return {m_viewWidth, m_viewHeight}; }

  // The virtual screen's rectangle is read once and kept: asking for it on every
  // pointer move costs more than the copy itself on some systems. Read it again
  // when the displays change.
  void ReadScreenArea();
  RECT ScreenArea() {
    if (!m_screenAreaKnown) ReadScreenArea();
    return m_screenArea;
  }

  struct Sample {
    bool read;           // false: the screen could not be read
    ColourValue colour;  // the pixel under the pointer, or the mean around it; top byte 0
  };
  // What a sample reads and draws besides the pixel under the pointer.
  struct Options {
    int sampleSize = 1;  // the colour is the mean of this many pixels square (odd)
    bool grid = false;   // lines between the source pixels, from kGridFromZoom up
  };
  // Reads the screen around the point and redraws the magnifier bitmap.
  Sample Take(POINT pointer, int zoomLevel, Options options);
  Sample Take(POINT pointer, int zoomLevel) { return Take(pointer, zoomLevel, Options{}); }

 private:
  bool EnsureCapture(int width, int height);
  void Magnify(int sourceLeft, int sourceTop, int sourceWidth, int sourceHeight);
  void DrawMarks(int zoomLevel, const Options& options);
  void Outline(const Rect& block);
  ColourValue MeanAround(const RECT& onScreen, POINT pointer, int sampleSize) const;
  void ReleaseCapture();

  // Kept for the sampler's life: asking for the screen's DC on every pointer move
  // costs more than the pixels it reads.
  WindowDC m_screen;
  RECT m_screenArea{};
  bool m_screenAreaKnown = false;
  int m_viewWidth = 0;
  int m_viewHeight = 0;
  GdiObject<HBITMAP> m_magnifier;
  std::uint32_t* m_magnifierPixels = nullptr;
  std::vector<int> m_columnSources;  // for each view column, its source column
  int m_columnsFor = 0;              // the source width m_columnSources was made for

  // The copy of the screen: a surface bitmap, so the pointer's pixel is read
  // straight from memory.
  MemoryDC m_captureDC{nullptr};
  GdiObject<HBITMAP> m_capture;
  HGDIOBJ m_captureDefault = nullptr;
  const std::uint32_t* m_capturePixels = nullptr;
  int m_captureWidth = 0;
  int m_captureHeight = 0;
  RECT m_captured{};      // the screen rectangle the capture holds
  int m_captureRows = 0;  // of it, the rows the view shows
};

}  // namespace tl
