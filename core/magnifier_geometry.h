#pragma once
// Where the magnifier copies from, which view pixels show the pixel that is read,
// and where its marks go. Portable.

#include <array>
#include <cstdint>
#include <optional>

#include "core/colour.h"
#include "core/geometry.h"

namespace tl {

constexpr int kMinZoomLevel = 1;
constexpr int kMaxZoomLevel = 8;  // the largest level unless the user chooses another
constexpr int kDefaultZoomLevel = 4;
// The largest zoom levels the user can choose, the first the default.
constexpr std::array<int, 3> kLargestZoomChoices{8, 16, 32};

// Zoom In and Zoom Out keep the level within 1 and the largest level. A larger
// stored level stays until the first Zoom In brings it to the largest.
int ZoomedIn(int level, int largest = kMaxZoomLevel);
int ZoomedOut(int level);
// A stored largest level: one of the choices, anything else (or none) 8.
int LargestZoomFromStored(std::optional<std::uint16_t> stored);

// The screen rectangle shown by a view of viewWidth x viewHeight at a zoom
// level: the view's size divided by the level, rounded up, with the pointer's
// pixel at (width / 2, height / 2) of it. Not clamped to the screen.
Rect SourceRect(int pointerX, int pointerY, int viewWidth, int viewHeight, int zoomLevel);

// View pixel x shows source pixel x * sourceSize / viewSize (nearest neighbour,
// as the magnifier draws it); these are the view pixels [first, end) that show
// source pixel `source`.
struct Span {
  int first, end;
};
Span ViewSpanOf(int source, int sourceSize, int viewSize);

// The view rectangle that shows the source pixels within `radius` of the
// pointer's: radius 0 is the pixel that is read, (n - 1) / 2 the n x n square a
// mean is taken over.
Rect ViewBlock(int viewWidth, int viewHeight, int zoomLevel, int radius = 0);

// The crosshair: two bars of 10 pixels that cross in the middle of the block of
// the pixel that is read; their crossing pixel is inverted twice and so keeps its
// colour.
struct Crosshair {
  Rect horizontal;
  Rect vertical;
};
Crosshair CrosshairFor(int viewWidth, int viewHeight, int zoomLevel);

// From this zoom level up the pointer's block is outlined (black inside, white
// outside), and from the next the pixel grid may be drawn.
constexpr int kOutlineFromZoom = 4;
constexpr int kGridFromZoom = 6;
// A grid line's colour over a pixel: each channel moved halfway toward the far
// end of its range, so that the line shows on any colour. Either byte order.
constexpr std::uint32_t GridShade(std::uint32_t pixel) {
  std::uint32_t shaded = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t c = (pixel >> shift) & 0xFF;
    shaded |= (c < 128 ? c + (255 - c + 1) / 2 : c / 2) << shift;
  }
  return shaded;
}

// The areas a colour may be the mean of: n x n pixels, n odd.
constexpr std::array<int, 5> kSampleSizes{1, 3, 5, 7, 9};
// A stored sample size: one of the sizes, anything else 1.
int SampleSizeFromStored(std::optional<std::uint16_t> stored);
// The next size up or down, held within 1 and 9.
int SteppedSampleSize(int size, bool up);

// The mean of the colours added, per channel, rounded half up:
// (sum + count / 2) / count.
class ChannelMean {
 public:
  void Add(ColourValue colour) {
    m_red += RedOf(colour);
    m_green += GreenOf(colour);
    m_blue += BlueOf(colour);
    ++m_count;
  }
  std::uint32_t Count() const { return m_count; }
  ColourValue Mean() const;

 private:
  std::uint32_t m_red = 0, m_green = 0, m_blue = 0, m_count = 0;
};

// Where the loupe at the pointer goes: beside the pointer, below and to the right
// of the magnifier's source rectangle, flipped to the other side of it where the
// screen ends, and never over the source rectangle, so that it is never part of
// what is read. Its size is width x height.
Point LoupeOrigin(const Rect& source, int width, int height, const Rect& screen);

}  // namespace tl
