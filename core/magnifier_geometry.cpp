#include "core/magnifier_geometry.h"

namespace tl {
namespace {

int RoundedUpQuotient(int value, int divisor) {
  return value / divisor + (value % divisor != 0 ? 1 : 0);
}

}  // namespace

int ZoomedIn(int level) { return level + 1 > kMaxZoomLevel ? kMaxZoomLevel : level + 1; }
int ZoomedOut(int level) { return level - 1 < kMinZoomLevel ? kMinZoomLevel : level - 1; }

Rect SourceRect(int pointerX, int pointerY, int viewWidth, int viewHeight, int zoomLevel) {
  const int width = RoundedUpQuotient(viewWidth, zoomLevel);
  const int height = RoundedUpQuotient(viewHeight, zoomLevel);
  const int left = pointerX - width / 2, top = pointerY - height / 2;
  return {left, top, left + width, top + height};
}

Crosshair CrosshairFor(int viewWidth, int viewHeight) {
  const int cx = viewWidth / 2, cy = viewHeight / 2;
  return {{cx - 5, cy, cx + 5, cy + 1}, {cx, cy - 5, cx + 1, cy + 5}};
}

}  // namespace tl
