#pragma once
// Where a window goes when it is centred on a rectangle and kept inside an area.
// Portable arithmetic; the Win32 side gathers the rectangles.

namespace tl {

struct Rect {
  int left, top, right, bottom;
};

struct Point {
  int x, y;
};

// The top-left corner for a window of width x height centred on `centreOn`, then
// pushed back inside `area`: the left (top) edge wins when it does not fit.
Point CentredOrigin(int width, int height, const Rect& centreOn, const Rect& area);

}  // namespace tl
