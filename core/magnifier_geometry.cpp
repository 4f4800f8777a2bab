#include "core/magnifier_geometry.h"

#include <algorithm>

namespace tl {
namespace {

int RoundedUpQuotient(int value, int divisor) {
  return value / divisor + (value % divisor != 0 ? 1 : 0);
}

int SourceSize(int viewSize, int zoomLevel) { return RoundedUpQuotient(viewSize, zoomLevel); }

// Room between the loupe and the source rectangle, so the pointer stays visible.
constexpr int kLoupeGap = 16;

}  // namespace

int ZoomedIn(int level, int largest) { return level + 1 > largest ? largest : level + 1; }
int ZoomedOut(int level) { return level - 1 < kMinZoomLevel ? kMinZoomLevel : level - 1; }

int LargestZoomFromStored(std::optional<std::uint16_t> stored) {
  for (int choice : kLargestZoomChoices) {
    if (stored == choice) return choice;
  }
  return kMaxZoomLevel;
}

Rect SourceRect(int pointerX, int pointerY, int viewWidth, int viewHeight, int zoomLevel) {
  const int width = SourceSize(viewWidth, zoomLevel);
  const int height = SourceSize(viewHeight, zoomLevel);
  const int left = pointerX - width / 2, top = pointerY - height / 2;
  return {left, top, left + width, top + height};
}

// x * sourceSize / viewSize == source exactly for x from
// ceil(source * viewSize / sourceSize) up to the next source's first.
Span ViewSpanOf(int source, int sourceSize, int viewSize) {
  const auto first = [&](int s) {
    const long long scaled = static_cast<long long>(s) * viewSize;
    return static_cast<int>((scaled + sourceSize - 1) / sourceSize);
  };
  return {std::clamp(first(source), 0, viewSize), std::clamp(first(source + 1), 0, viewSize)};
}

Rect ViewBlock(int viewWidth, int viewHeight, int zoomLevel, int radius) {
  const int width = SourceSize(viewWidth, zoomLevel), height = SourceSize(viewHeight, zoomLevel);
  const Span columns = ViewSpanOf(width / 2 - radius, width, viewWidth);
  const Span lastColumn = ViewSpanOf(width / 2 + radius, width, viewWidth);
  const Span rows = ViewSpanOf(height / 2 - radius, height, viewHeight);
  const Span lastRow = ViewSpanOf(height / 2 + radius, height, viewHeight);
  return {columns.first, rows.first, lastColumn.end, lastRow.end};
}

Crosshair CrosshairFor(int viewWidth, int viewHeight, int zoomLevel) {
  const Rect block = ViewBlock(viewWidth, viewHeight, zoomLevel);
  const int cx = block.left + (block.right - block.left - 1) / 2;
  const int cy = block.top + (block.bottom - block.top - 1) / 2;
  return {{cx - 5, cy, cx + 5, cy + 1}, {cx, cy - 5, cx + 1, cy + 5}};
}

int SampleSizeFromStored(std::optional<std::uint16_t> stored) {
  for (int size : kSampleSizes) {
    if (stored == size) return size;
  }
  return 1;
}

int SteppedSampleSize(int size, bool up) {
  return std::clamp(size + (up ? 2 : -2), kSampleSizes.front(), kSampleSizes.back());
}

ColourValue ChannelMean::Mean() const {
  if (m_count == 0) return kBlack;
  const auto mean = [&](std::uint32_t sum) { return (sum + m_count / 2) / m_count; };
  return MakeColour(mean(m_red), mean(m_green), mean(m_blue));
}

Point LoupeOrigin(const Rect& source, int width, int height, const Rect& screen) {
  // Right of the source rectangle where it fits, else left of it; the same below
  // and above. Only where neither fits on the screen does it leave the screen.
  const auto side = [](int after, int before, int size, int screenStart, int screenEnd) {
    if (after + kLoupeGap + size <= screenEnd) return after + kLoupeGap;
    if (before - kLoupeGap - size >= screenStart) return before - kLoupeGap - size;
    return after + kLoupeGap;
  };
  return {side(source.right, source.left, width, screen.left, screen.right),
          side(source.bottom, source.top, height, screen.top, screen.bottom)};
}

}  // namespace tl
