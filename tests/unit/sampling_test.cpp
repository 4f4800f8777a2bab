#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/magnifier_geometry.h"
#include "core/picking_session.h"
#include "core/pointer_hold.h"

namespace tl {
namespace {

struct SourceCase {
  int x, y, width, height, zoom;
  Rect expected;
  const char* why;
};

TEST(MagnifierGeometry, SourceIsTheViewDividedByTheZoomRoundedUpAroundThePointer) {
  const SourceCase cases[] = {
      {500, 400, 171, 156, 4, {479, 381, 522, 420}, "171 / 4 rounds up to 43, 156 / 4 is 39"},
      {500, 400, 171, 156, 1, {415, 322, 586, 478}, "zoom 1 copies without enlargement"},
      {500, 400, 171, 156, 8, {489, 390, 511, 410}, "22 x 20"},
      {0, 0, 171, 156, 4, {-21, -19, 22, 20}, "at the screen's corner: not clamped"},
      {-1500, 10, 100, 100, 3, {-1517, -7, -1483, 27}, "a monitor left of the primary"},
      {500, 400, 171, 156, 12, {493, 394, 508, 407}, "a stored level above 8 is used as it is"},
  };
  for (const SourceCase& c : cases) {
    const Rect r = SourceRect(c.x, c.y, c.width, c.height, c.zoom);
    EXPECT_EQ(r.left, c.expected.left) << c.why;
    EXPECT_EQ(r.top, c.expected.top) << c.why;
    EXPECT_EQ(r.right, c.expected.right) << c.why;
    EXPECT_EQ(r.bottom, c.expected.bottom) << c.why;
    // The pointer's own pixel is always inside the copy, at (width / 2, height / 2).
    EXPECT_EQ(c.x - r.left, (r.right - r.left) / 2) << c.why;
    EXPECT_EQ(c.y - r.top, (r.bottom - r.top) / 2) << c.why;
  }
}

TEST(MagnifierGeometry, CrosshairArmsMeetAtTheCentrePixel) {
  const Crosshair cross = CrosshairFor(171, 156);
  EXPECT_EQ(cross.horizontal.left, 80);
  EXPECT_EQ(cross.horizontal.right, 90);
  EXPECT_EQ(cross.horizontal.top, 78);
  EXPECT_EQ(cross.horizontal.bottom, 79);
  EXPECT_EQ(cross.vertical.left, 85);
  EXPECT_EQ(cross.vertical.right, 86);
  EXPECT_EQ(cross.vertical.top, 73);
  EXPECT_EQ(cross.vertical.bottom, 83);
}

TEST(MagnifierGeometry, ZoomStaysWithinOneToEight) {
  const int in[][2] = {{1, 2}, {7, 8}, {8, 8}, {12, 8}};
  const int out[][2] = {{8, 7}, {2, 1}, {1, 1}, {12, 11}};
  for (const auto& c : in) EXPECT_EQ(ZoomedIn(c[0]), c[1]) << c[0];
  for (const auto& c : out) EXPECT_EQ(ZoomedOut(c[0]), c[1]) << c[0];
}

// Records what the session asks of the window and the system.
class FakeHost : public PickingHost {
 public:
  bool InstallPointerHook() override {
    log += "install ";
    hooked = installWorks;
    return installWorks;
  }
  void RemovePointerHook() override {
    if (hooked) log += "remove ";
    hooked = false;
  }
  void RequestSample() override { log += "sample "; }
  void ShowPicking(bool picking) override { label = picking ? "Stop" : "Pick"; }

  bool installWorks = true;
  bool hooked = false;
  std::string log;
  std::string label = "Pick";
};

enum class Event { Toggle, PressOnPickButton, PressElsewhereOnOwnWindow, PressEnded };

struct SessionCase {
  std::vector<Event> events;
  bool installWorks;
  bool picking;
  bool marked;
  const char* log;
  const char* why;
};

TEST(PickingSession, FollowsTheStateTable) {
  using E = Event;
  const SessionCase cases[] = {
      {{E::Toggle}, true, true, false, "install sample ", "the pick button starts a session"},
      {{E::Toggle}, false, false, false, "install ", "a refused hook: no session, no message"},
      {{E::Toggle, E::Toggle}, true, false, false, "install sample remove ",
       "the stop hotkey ends it"},
      {{E::Toggle, E::PressOnPickButton, E::Toggle, E::Toggle}, true, false, false,
       "install sample remove ", "a press on the button ends it; the button's own click only clears the mark"},
      {{E::Toggle, E::PressOnPickButton, E::Toggle, E::Toggle, E::Toggle}, true, true, false,
       "install sample remove install sample ", "the next command starts a session again"},
      {{E::Toggle, E::PressOnPickButton, E::Toggle}, true, false, true, "install sample remove ",
       "still pressed: the mark waits for the button's click"},
      {{E::Toggle, E::PressOnPickButton, E::Toggle, E::PressEnded, E::Toggle}, true, true, false,
       "install sample remove install sample ",
       "released beside the button: no click, and the next command starts a session"},
      {{E::Toggle, E::PressOnPickButton, E::Toggle, E::Toggle, E::PressEnded}, true, false, false,
       "install sample remove ", "the end of a clicked press changes nothing more"},
      {{E::Toggle, E::PressElsewhereOnOwnWindow, E::Toggle}, true, false, false,
       "install sample remove ", "a press elsewhere on the window ends it without a mark"},
  };
  for (const SessionCase& c : cases) {
    FakeHost host;
    host.installWorks = c.installWorks;
    PickingSession session(host);
    for (Event e : c.events) {
      if (e == E::Toggle) session.Toggle();
      else if (e == E::PressEnded) session.PressEnded();
      else session.PressOnOwnWindow(e == E::PressOnPickButton);
    }
    EXPECT_EQ(session.Picking(), c.picking) << c.why;
    EXPECT_EQ(session.Marked(), c.marked) << c.why;
    EXPECT_EQ(host.log, c.log) << c.why;
    EXPECT_EQ(host.label, c.picking ? "Stop" : "Pick") << c.why;
  }
}

struct HoldCase {
  int x, y;
  std::uint32_t at;  // milliseconds after the nudges
  bool taken;
  const char* why;
};

TEST(PointerHold, RefusesThePlacesANudgeLeftForHalfASecond) {
  PointerHold hold;
  EXPECT_TRUE(hold.Accept(1, 2, 0)) << "nothing left behind";
  const std::uint32_t start = 0xFFFFFF00u;  // across the tick count's wrap
  hold.Left(100, 50, start);  // nudged to (101, 50)
  hold.Left(101, 50, start);  // and on to (102, 50)
  const HoldCase cases[] = {
      {100, 50, 10, false, "a late report of the first place left"},
      {101, 50, 20, false, "of the second"},
      {102, 50, 30, true, "our own point"},
      {101, 50, 40, false, "an old place after our own is still refused"},
      {300, 200, 50, true, "a hand on the mouse: any other place is taken at once"},
      {100, 50, 499, false, "the last moment"},
      {100, 50, 500, true, "half a second on, that place is a place like any other"},
  };
  for (const HoldCase& c : cases) {
    EXPECT_EQ(hold.Accept(c.x, c.y, start + c.at), c.taken) << c.why;
  }
  hold.Release();
  EXPECT_TRUE(hold.Accept(101, 50, start + 10));
}

}  // namespace
}  // namespace tl
