// The portable logic behind the window: the colour list, centring, the
// magnifier's geometry, the picking session, the pointer hold, the settings codec
// and the hotkeys.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <optional>
#include <tuple>
#include <vector>

#include "core/colour_list.h"
#include "core/geometry.h"
#include "core/hotkey.h"
#include "core/magnifier_geometry.h"
#include "core/picking_session.h"
#include "core/pointer_hold.h"
#include "core/recent_files.h"
#include "core/settings_codec.h"

namespace tl {
namespace {

using Bytes8 = std::vector<std::uint8_t>;

std::vector<int> Sides(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Picks going on top and marking the list are the main window's tests.
TEST(ColourList, FileEntriesAreSavedOnesAndDeletingOrClearingLeavesTheFlagToTheDocument) {
  ColourList list;
  list.Append({1, 2});
  EXPECT_FALSE(list.Modified());
  const std::uint64_t before = list.Generation();
  list.DeleteAt(0);
  list.Clear();
  EXPECT_FALSE(list.Modified()) << "deleting and clearing leave the flag to the document";
  EXPECT_EQ(list.Generation(), before + 2) << "a copy of the list must learn of each change";
}

// A name is a change like a pick: it marks the list and moves its generation,
// and it stays with its colour as entries come and go.
TEST(ColourList, NamesStayWithTheirColoursAndRenamingIsAChange) {
  ColourList list;
  list.Append({1, 2, 3}, {"", "two"});
  EXPECT_FALSE(list.Modified());
  std::uint64_t generation = list.Generation();
  const struct {
    std::function<bool(ColourList&)> step;
    bool changes;
    std::vector<std::string> names;
  } steps[] = {
      {[](ColourList& l) { return l.SetName(0, "one"); }, true, {"one", "two"}},
      {[](ColourList& l) { return l.SetName(0, "one"); }, false, {"one", "two"}},
      {[](ColourList& l) { return l.SetName(3, "none"); }, false, {"one", "two"}},
      {[](ColourList& l) { return l.SetName(2, "bad \xFF"); }, false, {"one", "two"}},
      {[](ColourList& l) { return l.SetName(1, ""); }, true, {"one", ""}},
      {[](ColourList& l) { return l.AddColour(4), true; }, true, {"", "one", ""}},
      {[](ColourList& l) { return l.AddColour(5, "line\nend"), true; },
       true,
       {"line end", "", "one", ""}},
  };
  for (const auto& s : steps) {
    list.SetModified(false);
    EXPECT_EQ(s.step(list), s.changes) << testing::PrintToString(s.names);
    EXPECT_EQ(list.Modified(), s.changes) << testing::PrintToString(s.names);
    EXPECT_EQ(list.Generation() != generation, s.changes) << testing::PrintToString(s.names);
    generation = list.Generation();
    EXPECT_EQ(list.Names(), s.names);
  }
  list.DeleteAt(2);
  EXPECT_EQ(list.Names(), (std::vector<std::string>{"line end", "", ""}));
  EXPECT_EQ(std::make_pair(list.EntryText(0), list.EntryText(1)),
            std::make_pair(std::string("line end (5, 0, 0)"), std::string("4, 0, 0")));
  list.Clear();
  EXPECT_EQ(std::make_pair(list.Names().size(), list.NameAt(0)),
            std::make_pair(std::size_t{0}, std::string()));
}

// Names are kept as UTF-8 without control characters and within what every
// format holds, cut between characters.
TEST(ColourList, ANameIsKeptAsUtf8WithinTheLongestEveryFormatHolds) {
  const std::string euro = "\xE2\x82\xAC",
                    tooLong = std::string(kLongestColourName - 1, 'a') + euro;
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"Caf\xC3\xA9 \xF0\x9F\x8E\xA8", "Caf\xC3\xA9 \xF0\x9F\x8E\xA8"},
      {"a\tb\x7F", "a b "},
      {tooLong, std::string(kLongestColourName - 1, 'a')},
      {"\xC0\xAF", std::nullopt},
      {"\xED\xA0\x80", std::nullopt},
      {"\xF4\x90\x80\x80", std::nullopt},
      {"\xE2\x82", std::nullopt},
      {"\x80", std::nullopt},
  };
  for (const auto& [text, name] : cases) EXPECT_EQ(ColourNameOf(text), name) << text.size();
}

TEST(Centring, CentresThenPushesBackInsideTheArea) {
  const Rect work{0, 0, 1024, 748};
  // Odd sizes round toward zero; pushed back from the right and bottom, then from the
  // left and top; too wide, it ends at the right; negative coordinates.
  const struct {
    int width, height;
    Rect on, area;
    int x, y;
  } cases[] = {{51, 51, {0, 0, 101, 101}, work, 25, 25},
               {200, 100, {900, 600, 1100, 700}, work, 824, 600},
               {200, 100, {-100, -80, 0, 0}, work, 0, 0},
               {1200, 100, {700, 0, 1024, 100}, work, -176, 0},
               {10, 10, {-101, -101, 0, 0}, {-500, -500, 0, 0}, -55, -55}};
  for (const auto& c : cases) {
    const Point p = CentredOrigin(c.width, c.height, c.on, c.area);
    EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(c.x, c.y)) << c.width << " at " << c.on.left;
  }
}

// Zoom stays within 1 and the largest level chosen (8 unless the user chose 16
// or 32); a larger stored level stays until the first Zoom In. A stored largest
// level or sample size other than the choices reads as the default.
TEST(MagnifierGeometry, ZoomStaysWithinOneAndTheLargestLevel) {
  const struct {
    int level, largest, in, out;
  } cases[] = {{1, 8, 2, 1},     {8, 8, 8, 7},     {12, 8, 8, 11},  {8, 16, 9, 7},
               {16, 16, 16, 15}, {31, 32, 32, 30}, {32, 32, 32, 31}};
  for (const auto& c : cases) {
    EXPECT_EQ(std::make_pair(ZoomedIn(c.level, c.largest), ZoomedOut(c.level)),
              std::make_pair(c.in, c.out))
        << c.level << " of " << c.largest;
  }
  using Stored = std::optional<std::uint16_t>;
  EXPECT_EQ(std::make_tuple(LargestZoomFromStored(Stored{16}), LargestZoomFromStored(Stored{32}),
                            LargestZoomFromStored(Stored{12}), LargestZoomFromStored(std::nullopt)),
            std::make_tuple(16, 32, 8, 8));
  EXPECT_EQ(std::make_tuple(SampleSizeFromStored(Stored{9}), SampleSizeFromStored(Stored{4}),
                            SampleSizeFromStored(std::nullopt), SteppedSampleSize(9, true),
                            SteppedSampleSize(1, false), SteppedSampleSize(3, true)),
            std::make_tuple(9, 1, 1, 9, 1, 5));
}

// The view shows source pixel x * source / view (nearest neighbour): worked
// here pixel by pixel, independently of ViewSpanOf, for every zoom up to 32 and
// the view at 100 % and 150 %. The crosshair crosses inside the block of the
// pixel that is read, which is exactly the view pixels that show it; the n x n
// block holds exactly the n x n source pixels round it.
TEST(MagnifierGeometry, TheMarksSitOnTheViewPixelsThatShowThePixelRead) {
  for (const auto& [width, height] : {std::pair{171, 156}, std::pair{257, 234}}) {
    for (int zoom = 1; zoom <= 32; ++zoom) {
      const Rect source = SourceRect(0, 0, width, height, zoom);
      const int sourceWidth = source.right - source.left, sourceHeight = source.bottom - source.top;
      const auto shown = [](int view, int size, int viewSize) { return view * size / viewSize; };
      for (int radius : {0, 1, 4}) {
        const Rect block = ViewBlock(width, height, zoom, radius);
        for (int x = 0; x < width; ++x) {
          const int column = shown(x, sourceWidth, width) - sourceWidth / 2;
          ASSERT_EQ(x >= block.left && x < block.right, column >= -radius && column <= radius)
              << zoom << " x " << x << " radius " << radius;
        }
        for (int y = 0; y < height; ++y) {
          const int row = shown(y, sourceHeight, height) - sourceHeight / 2;
          ASSERT_EQ(y >= block.top && y < block.bottom, row >= -radius && row <= radius)
              << zoom << " y " << y << " radius " << radius;
        }
      }
      const Crosshair cross = CrosshairFor(width, height, zoom);
      const int cx = cross.vertical.left, cy = cross.horizontal.top;
      EXPECT_EQ(shown(cx, sourceWidth, width), sourceWidth / 2) << zoom;
      EXPECT_EQ(shown(cy, sourceHeight, height), sourceHeight / 2) << zoom;
      EXPECT_EQ(std::make_pair(cross.horizontal.right - cross.horizontal.left,
                               cross.vertical.bottom - cross.vertical.top),
                std::make_pair(10, 10))
          << "the arms keep their length";
    }
  }
}

// The grid's shade moves each channel halfway to the far end, so it shows on any
// pixel; worked by hand. The mean rounds half up, over what it was given.
TEST(MagnifierGeometry, GridShadeAndMeanRounding) {
  EXPECT_EQ(GridShade(0x000000), 0x808080u);
  EXPECT_EQ(GridShade(0xFFFFFF), 0x7F7F7Fu);
  EXPECT_EQ(GridShade(0x7F8001), 0xBF4080u);  // 127 + 64, 128 / 2, 1 + 127
  ChannelMean mean;
  EXPECT_EQ(mean.Mean(), kBlack);
  // Nine pixels: one white among eight black gives (255 + 4) / 9 = 28 in each;
  // four of them (an edge of the screen leaves out the rest) (255 + 2) / 4 = 64.
  ChannelMean nine, four;
  nine.Add(kWhite);
  four.Add(kWhite);
  for (int i = 0; i < 8; ++i) nine.Add(kBlack);
  for (int i = 0; i < 3; ++i) four.Add(kBlack);
  EXPECT_EQ(nine.Mean(), MakeColour(28, 28, 28));
  EXPECT_EQ(four.Mean(), MakeColour(64, 64, 64));
  ChannelMean halves;  // 1 and 2: 1.5 rounds up to 2
  halves.Add(MakeColour(1, 0, 255));
  halves.Add(MakeColour(2, 1, 254));
  EXPECT_EQ(halves.Mean(), MakeColour(2, 1, 255));
}

// Beside the source rectangle, right and below where the screen has room, flipped
// left or up where it has not; never over the source.
TEST(MagnifierGeometry, TheLoupeGoesBesideTheSourceAndFlipsAtTheScreensEdges) {
  const Rect screen{0, 0, 1024, 768};
  const struct {
    Rect source;
    int x, y;
  } cases[] = {
      {{479, 381, 522, 420}, 538, 436},  // middle: right of and below the source, 16 apart
      {{950, 381, 993, 420}, 750, 436},  // right edge: left of it (950 - 16 - 184)
      {{479, 700, 522, 739}, 538, 484},  // bottom edge: above it (700 - 16 - 200)
      {{-30, -30, 13, 9}, 29, 25},       // off the top left corner: still beside it
  };
  for (const auto& c : cases) {
    const Point origin = LoupeOrigin(c.source, 184, 200, screen);
    EXPECT_EQ(std::make_pair(origin.x, origin.y), std::make_pair(c.x, c.y)) << c.source.left;
    const bool apart = origin.x >= c.source.right || origin.x + 184 <= c.source.left ||
                       origin.y >= c.source.bottom || origin.y + 200 <= c.source.top;
    EXPECT_TRUE(apart) << c.source.left;
  }
}

TEST(MagnifierGeometry, SourceIsTheViewDividedByTheZoomRoundedUpAroundThePointer) {
  // 43 x 39; zoom 1; at the screen's corner, not clamped; a monitor left of the
  // primary; a stored level above 8 used as it is.
  const struct {
    int x, y, width, height, zoom;
    Rect expected;
  } cases[] = {{500, 400, 171, 156, 4, {479, 381, 522, 420}},
               {500, 400, 171, 156, 1, {415, 322, 586, 478}},
               {0, 0, 171, 156, 4, {-21, -19, 22, 20}},
               {-1500, 10, 100, 100, 3, {-1517, -7, -1483, 27}},
               {500, 400, 171, 156, 12, {493, 394, 508, 407}}};
  for (const auto& c : cases) {
    EXPECT_EQ(Sides(SourceRect(c.x, c.y, c.width, c.height, c.zoom)), Sides(c.expected)) << c.zoom;
  }
}

// Records what the session asks of the window and the system.
class FakePickingHost : public PickingHost {
 public:
  bool InstallPointerHook() override { return log += "install ", hooked = installWorks; }
  void RemovePointerHook() override { log += hooked ? "remove " : "", hooked = false; }
  void RequestSample() override { log += "sample "; }
  void ShowPicking(bool picking) override { label = picking ? "Stop" : "Pick"; }
  bool installWorks = true, hooked = false;
  std::string log, label = "Pick";
};

TEST(PickingSession, FollowsTheStateTable) {
  // T: the pick command; B: a press on the pick button; W: a press elsewhere on
  // our window; E: the press ended.
  // A refused hook: no session, no message. The button's own click after a press on
  // it only clears the mark; released beside the button, no click comes to clear it.
  const char* kAgain = "install sample remove install sample ";
  const struct {
    const char* events;
    bool installWorks, picking;
    const char* log;
  } cases[] = {{"T", true, true, "install sample "},
               {"T", false, false, "install "},
               {"TT", true, false, "install sample remove "},
               {"TBTT", true, false, "install sample remove "},
               {"TBTTT", true, true, kAgain},
               {"TBTET", true, true, kAgain},
               {"TBTTE", true, false, "install sample remove "},
               {"TWTT", true, true, kAgain}};
  for (const auto& c : cases) {
    FakePickingHost host;
    host.installWorks = c.installWorks;
    PickingSession session(host);
    for (const char* e = c.events; *e; ++e) {
      if (*e == 'T') session.Toggle();
      if (*e == 'E') session.PressEnded();
      if (*e == 'B' || *e == 'W') session.PressOnOwnWindow(*e == 'B');
    }
    EXPECT_EQ(session.Picking(), c.picking) << c.events;
    EXPECT_EQ(host.log, c.log) << c.events;
    EXPECT_EQ(host.label, c.picking ? "Stop" : "Pick") << c.events;
  }
}

// The program ending mid-session, after one, or before any: no hook stays behind.
TEST(PickingSession, StopLeavesNoPointerHookInstalled) {
  for (const char* toggles : {"T", "TT", ""}) {
    FakePickingHost host;
    PickingSession session(host);
    for (const char* t = toggles; *t; ++t) session.Toggle();
    session.Stop();
    EXPECT_FALSE(host.hooked) << toggles;
    EXPECT_FALSE(session.Picking()) << toggles;
  }
}

TEST(PointerHold, RefusesThePlacesANudgeLeftForHalfASecond) {
  PointerHold hold;
  EXPECT_TRUE(hold.AcceptAt(1, 2, 0)) << "nothing left behind";
  const std::uint32_t start = 0xFFFFFF00u;  // across the tick count's wrap
  hold.Left(100, 50, start);                // nudged to (101, 50)
  hold.Left(101, 50, start);                // and on to (102, 50)
  // Late reports of the places left, our own point, an old place after our own, a
  // hand on the mouse, and half a second on, when an old place is like any other.
  const std::tuple<int, int, std::uint32_t, bool> cases[] = {
      {100, 50, 10, false}, {101, 50, 20, false},  {102, 50, 30, true}, {101, 50, 40, false},
      {300, 200, 50, true}, {100, 50, 499, false}, {100, 50, 500, true}};
  for (const auto& [x, y, at, taken] : cases)
    EXPECT_EQ(hold.AcceptAt(x, y, start + at), taken) << at;
  hold.Release();
  EXPECT_TRUE(hold.AcceptAt(101, 50, start + 10));
}

TEST(SettingsCodec, ReadsAnyStoredValueThroughAFourByteBufferAndWritesTwoBytes) {
  // The program's own 2 bytes, 1 byte, a 4-byte value of another type; too large
  // (5 bytes already) reads as missing.
  const std::pair<Bytes8, std::uint32_t> cases[] = {{{0x7A, 0x02}, 0x027A},
                                                    {{0x01}, 1},
                                                    {{0x0C, 0x00, 0x00, 0x01}, 0x0100000C},
                                                    {Bytes8(100, 0xFF), 0},
                                                    {{0x0C, 0x00, 0x00, 0x00, 0x00}, 0},
                                                    {{}, 0}};
  for (const auto& [stored, value] : cases) {
    EXPECT_EQ(DecodeSettingValue(stored.data(), stored.size()), value) << stored.size();
  }
  EXPECT_EQ(EncodeSettingValue(0x12345678), (Bytes8{0x78, 0x56}));
}

// The defaults and stored values in use are the picking journey's; here, the
// levels below 1 that a signed reading makes of other stored values, and the edge.
TEST(SettingsCodec, AZoomLevelBelowOneMeansTheDefault) {
  // REG_DWORD -1, four binary bytes 00 80 00 80, the largest two-byte value,
  // missing, and 1, the smallest level there is (a level, not a missing one).
  const std::pair<std::uint32_t, int> zooms[] = {
      {0xFFFFFFFF, 4}, {0x80008000, 4}, {0xFFFF, 0xFFFF}, {0, 4}, {1, 1}};
  for (const auto& [stored, level] : zooms) {
    EXPECT_EQ(ApplyStoredValues(0, 0, 0, stored).zoomLevel, level) << std::hex << stored;
  }
}

TEST(SettingsCodec, NotationAndCopyOnKeepTakeOnlyWhatTheProgramWrites) {
  // 107 is CSS hsl() and no "on"; Integer is id 0, a real choice; 114 is no
  // notation and 2 no "on"; then the right bytes as another type or size.
  const struct {
    bool binary;
    Bytes8 stored;
    int notation;
    bool copyOnKeep;
  } cases[] = {{true, {0x6B, 0x00}, 107, false}, {true, {0x00, 0x00}, 0, false},
               {true, {0x01, 0x00}, 1, true},    {true, {0x72, 0x00}, 1, false},
               {true, {0x02, 0x00}, 1, false},   {true, {0x01, 0x01}, 1, false},
               {false, {0x64, 0x00}, 1, false},  {true, {0x64}, 1, false},
               {true, {1, 0, 0, 0}, 1, false}};
  for (const auto& c : cases) {
    const auto stored = DecodeTwoByteValue(c.binary, c.stored.data(), c.stored.size());
    EXPECT_EQ(std::make_pair(NotationFromStored(stored), CopyOnKeepFromStored(stored)),
              std::make_pair(c.notation, c.copyOnKeep))
        << int(c.stored[0]) << " " << c.stored.size();
  }
  EXPECT_EQ(NotationFromStored(std::nullopt), kNotationRgb) << "missing";
  EXPECT_FALSE(CopyOnKeepFromStored(std::nullopt));
}

TEST(Hotkey, RegistrationNeverUsesTheWindowsKeyAndNamesJoinInOrder) {
  // All three modifiers, where the extended flag adds nothing. (Which bit is
  // which the picking journey's hotkeys show.)
  const HotkeyRegistration r = ToRegistration(0x0F41);
  EXPECT_EQ(std::make_pair(r.modifiers, r.virtualKey), std::make_pair(0x7u, 0x41u));
  const std::map<std::pair<unsigned, bool>, std::string> names = {
      {{0x11, false}, "Ctrl"}, {{0x10, false}, "Shift"}, {{0x12, false}, "Alt"},
      {{0x41, false}, "A"},    {{0x26, true}, "Up"},     {{0x26, false}, "Num 8"},
      {{0, false}, ""}};
  const KeyNameLookup lookup = [&](unsigned key, bool extended) {
    return names.at({key, extended});
  };
  const std::pair<std::uint32_t, const char*> cases[] = {{0x0741, "Ctrl + Shift + Alt + A"},
                                                         {0x0826, "Up"},
                                                         {0x0026, "Num 8"},
                                                         {0x0600, "Ctrl + Alt + "}};
  for (const auto& [hotkey, expected] : cases) {
    EXPECT_EQ(HotkeyName(hotkey, lookup), expected) << std::hex << hotkey;
  }
}

// Newest first, eight at most, one entry per file however its path is spelled;
// the registry's UTF-16 list read as forgivingly as the other multi-strings.
TEST(RecentFiles, KeepsTheLastEightNewestFirstOnceEach) {
  RecentFiles recent({"C:\\a.clf", "", "c:/A.CLF", "C:\\b.clf"});
  EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"C:\\a.clf", "C:\\b.clf"}));
  recent.Add("C:\\B.clf");
  EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"C:\\B.clf", "C:\\a.clf"}));
  for (char c = '0'; c <= '9'; ++c) recent.Add(std::string("D:\\") + c + ".gpl");
  EXPECT_EQ(recent.Paths().size(), kRecentFileCount);
  EXPECT_EQ(recent.Paths().front(), "D:\\9.gpl");
  EXPECT_EQ(recent.Paths().back(), "D:\\2.gpl");
  EXPECT_TRUE(recent.Remove("d:\\5.GPL"));
  EXPECT_FALSE(recent.Remove("D:\\5.gpl"));
  EXPECT_EQ(recent.Paths().size(), kRecentFileCount - 1);
  EXPECT_EQ(RecentFiles(std::vector<std::string>(9, "x")).Paths().size(), 1u);
}

TEST(RecentFiles, MenuTextDoublesAmpersandsAndShortensLongPathsInTheMiddle) {
  const std::string deep =
      "C:\\Users\\Ann\\Documents\\Palettes\\Clients\\2026\\Spring campaign\\brand.clf";
  const std::pair<std::string, std::string> texts[] = {
      {"C:\\R&D\\a.clf", "&3 C:\\R&&D\\a.clf"},
      {deep, "&3 C:\\...\\Spring campaign\\brand.clf"},
      {"\\\\server\\share\\" + std::string(60, 'x') + "\\f.clf",
       "&3 \\\\server\\...\\" + std::string(60, 'x') + "\\f.clf"},
  };
  for (const auto& [path, text] : texts) EXPECT_EQ(RecentFileMenuText(2, path), text);
}

}  // namespace
}  // namespace tl
