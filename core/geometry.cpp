#include "core/geometry.h"

namespace tl {
namespace {

// Each division rounds toward zero, as C++ integer division does.
int CentredStart(int low, int high, int size) { return (low + high) / 2 - size / 2; }

int Clamped(int start, int size, int low, int high) {
  if (start < low) return low;
  if (start + size > high) return high - size;
  return start;
}

}  // namespace

Point CentredOrigin(int width, int height, const Rect& centreOn, const Rect& area) {
  return {
      Clamped(CentredStart(centreOn.left, centreOn.right, width), width, area.left, area.right),
      Clamped(CentredStart(centreOn.top, centreOn.bottom, height), height, area.top, area.bottom)};
}

}  // namespace tl
