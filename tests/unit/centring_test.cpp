#include "core/geometry.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

struct CentringCase {
  int width, height;
  Rect centreOn, area;
  Point expected;
  const char* why;
};

TEST(Centring, CentresThenPushesBackInsideTheArea) {
  const Rect workArea{0, 0, 1024, 748};
  const CentringCase cases[] = {
      {400, 300, workArea, workArea, {312, 224}, "on the work area"},
      {51, 51, {0, 0, 101, 101}, workArea, {25, 25}, "odd sizes round toward zero"},
      {200, 100, {900, 600, 1100, 700}, workArea, {824, 600}, "pushed back from the right and bottom"},
      {200, 100, {-100, -80, 0, 0}, workArea, {0, 0}, "pushed back from the left and top"},
      {1200, 100, {0, 0, 400, 100}, workArea, {0, 0}, "too wide, centre in the left half"},
      {1200, 100, {700, 0, 1024, 100}, workArea, {-176, 0}, "too wide, further right: ends at the right"},
      {10, 10, {-101, -101, 0, 0}, {-500, -500, 0, 0}, {-55, -55}, "negative coordinates"},
  };
  for (const CentringCase& c : cases) {
    const Point p = CentredOrigin(c.width, c.height, c.centreOn, c.area);
    EXPECT_EQ(p.x, c.expected.x) << c.why;
    EXPECT_EQ(p.y, c.expected.y) << c.why;
  }
}

}  // namespace
}  // namespace tl
