#pragma once
// Where the magnifier copies from and where its crosshair goes. Portable.

#include "core/geometry.h"

namespace tl {

constexpr int kMinZoomLevel = 1;
constexpr int kMaxZoomLevel = 8;
constexpr int kDefaultZoomLevel = 4;

// Zoom In and Zoom Out keep the level within 1..8. A larger stored level stays
// until the first Zoom In brings it to 8.
int ZoomedIn(int level);
int ZoomedOut(int level);

// The screen rectangle shown by a view of viewWidth x viewHeight at a zoom
// level: the view's size divided by the level, rounded up, with the pointer's
// pixel at (width / 2, height / 2) of it. Not clamped to the screen.
Rect SourceRect(int pointerX, int pointerY, int viewWidth, int viewHeight, int zoomLevel);

// The crosshair: two bars of 10 pixels that cross at the view's centre pixel,
// which is inverted twice and so keeps its colour.
struct Crosshair {
  Rect horizontal;
  Rect vertical;
};
Crosshair CrosshairFor(int viewWidth, int viewHeight);

}  // namespace tl
