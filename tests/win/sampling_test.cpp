// Samples and icon drags through the real main window over a patch of known
// colour, read back from its labels, its pictures and the screen.

#include <windows.h>
#include <psapi.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/magnifier_geometry.h"
#include "platform/handles.h"
#include "sampling/pointer_hook.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::ScreenPixel;
using testing_support::TextOf;

const ColourValue kPatch = MakeColour(200, 40, 90);
const RECT kPatchRect{800, 50, 1000, 250};  // beside the main window
const POINT kOnPatch{900, 150};

class SamplingTest : public testing_support::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    m_brush.Reset(::CreateSolidBrush(kPatch));
    WNDCLASSA patchClass{};
    patchClass.lpfnWndProc = ::DefWindowProcA;
    patchClass.hInstance = ::GetModuleHandleA(nullptr);
    patchClass.hbrBackground = m_brush.Get();
    patchClass.lpszClassName = "TintlensTestPatch";
    ::RegisterClassA(&patchClass);
    m_patch =
        ::CreateWindowExA(WS_EX_TOPMOST, "TintlensTestPatch", "", WS_POPUP | WS_VISIBLE,
                          kPatchRect.left, kPatchRect.top, kPatchRect.right - kPatchRect.left,
                          kPatchRect.bottom - kPatchRect.top, nullptr, nullptr, nullptr, nullptr);
    ::UpdateWindow(m_patch);
    // Wine hands a window's painting to the X server at its own pace (at most
    // every so often, while the thread looks at its queue): wait until the patch
    // is really on the screen the samples read.
    for (int waited = 0; waited < 5000; waited += 10) {
      if (const WindowDC screen; ::GetPixel(screen.Get(), kOnPatch.x, kOnPatch.y) == kPatch) break;
      MSG message;
      ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
      ::Sleep(10);
    }
    Show();
  }
  void TearDown() override {
    ::DestroyWindow(m_patch);
    ::UnregisterClassA("TintlensTestPatch", ::GetModuleHandleA(nullptr));
    MainWindowTest::TearDown();
  }
  void SampleAt(int x, int y) {
    ::SetCursorPos(x, y);
    ::SendMessageA(Window(), kSampleRequest, 0, 0);
  }
  // Mouse messages carry client coordinates; with the capture they reach beyond.
  static LPARAM ClientPoint(HWND window, POINT screen) {
    ::ScreenToClient(window, &screen);
    return MAKELPARAM(screen.x, screen.y);
  }
  POINT Inside(int id, int dx = 5, int dy = 5) const {
    RECT r{};
    ::GetWindowRect(Item(id), &r);
    return {r.left + dx, r.top + dy};
  }

  GdiObject<HBRUSH> m_brush;
  HWND m_patch = nullptr;
};

// The texts a sample writes are read from outside by the picking journey; here,
// what the swatch and the magnifier paint, and that our own window is not read.
TEST_F(SamplingTest, ASampleShowsThePixelUnderThePointerEverywhereButOverOurWindow) {
  const HWND magnifier = Item(IDC_MAGNIFIER), swatch = Item(IDC_SWATCH);
  SampleAt(kOnPatch.x, kOnPatch.y);
  EXPECT_EQ(m_window.CurrentColour(), kPatch);
  // The swatch and the magnifier inside their black frames, on the screen.
  EXPECT_EQ(ScreenPixel(swatch, 1, 1, kPatch), kPatch);
  EXPECT_EQ(ScreenPixel(swatch, 0, 0, kBlack), kBlack);
  EXPECT_EQ(ScreenPixel(magnifier, 1, 1, kPatch), kPatch);
  EXPECT_EQ(ScreenPixel(magnifier, 0, 1, kBlack), kBlack) << "the frame covers the picture's edge";

  // The magnifier (at the starting zoom, 4): the patch everywhere, the
  // crosshair's arms inverted and their crossing in its own colour, inside the
  // block of the pixel read, which a black and a white ring outline.
  BITMAP picture{};
  ::GetObjectA(m_window.MagnifierPicture(), sizeof picture, &picture);
  ASSERT_EQ(m_window.ZoomLevel(), 4);
  const Crosshair cross = CrosshairFor(picture.bmWidth, picture.bmHeight, 4);
  const int cx = cross.vertical.left, cy = cross.horizontal.top;
  const Rect block = ViewBlock(picture.bmWidth, picture.bmHeight, 4);
  const COLORREF inverted = kPatch ^ 0xFFFFFF;
  EXPECT_EQ(ScreenPixel(magnifier, cx, cy, kPatch), kPatch);
  EXPECT_TRUE(cx >= block.left && cx < block.right && cy >= block.top && cy < block.bottom);
  for (int d : {-5, 1}) {
    EXPECT_EQ(ScreenPixel(magnifier, cx + d, cy, inverted), inverted) << "horizontal arm " << d;
    EXPECT_EQ(ScreenPixel(magnifier, cx, cy + d, inverted), inverted) << "vertical arm " << d;
  }
  EXPECT_EQ(ScreenPixel(magnifier, cx + 5, cy, kPatch), kPatch) << "the arm ends";
  const int offArms = block.bottom - 1;  // a row of the block the horizontal arm is not on
  EXPECT_EQ(ScreenPixel(magnifier, block.left - 1, offArms, kBlack), kBlack) << "inner ring";
  EXPECT_EQ(ScreenPixel(magnifier, block.left - 2, offArms, kWhite), kWhite) << "outer ring";
  EXPECT_EQ(ScreenPixel(magnifier, block.left - 3, offArms, kPatch), kPatch) << "beyond it";

  RECT list{};
  ::GetWindowRect(Item(IDC_COLOUR_LIST), &list);
  SampleAt(list.left + 5, list.top + 5);
  EXPECT_EQ(TextOf(Item(IDC_POSITION_LABEL)), "X: 900 Y: 150") << "our own window is not read";
}

// A drag keeps the colour under its release, and nothing else: not over our own
// window, not where the screen cannot be read (off it), and not after the drag
// lost the capture. Each drag shows a sunken frame round the icon and the drag
// cursor (measured by the scaling test), and gives both back however it ends.
TEST_F(SamplingTest, AnIconDragKeepsOnlyTheReadableColourUnderItsReleaseOutsideTheWindow) {
  const HWND icon = Item(IDC_PICKER_ICON);
  const POINT press = Inside(IDC_PICKER_ICON, 12, 12), list = Inside(IDC_COLOUR_LIST);
  const LONG right = ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const struct {
    POINT release;
    bool captureLost;
    std::size_t entries;
  } drags[] = {
      {kOnPatch, false, 1},          // over the patch: kept
      {list, false, 1},              // over the list: nothing more
      {{6000, 200}, false, 1},       // off the screen: the read fails
      {{right + 2, 200}, false, 1},  // just off it, the screen in view beside it: no read either
      {kOnPatch, true, 1},           // the capture went elsewhere first
  };
  const HCURSOR arrow = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  for (const auto& d : drags) {
    SCOPED_TRACE(d.release.x);
    ::SetCursor(arrow);
    m_window.ShowColour(kBlack);
    ::SendMessageA(icon, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(icon, press));
    ASSERT_TRUE(m_window.Dragging());
    EXPECT_EQ(ScreenPixel(icon, 0, 0, 0x808080), 0x808080u) << "the sunken frame's grey";
    ::SendMessageA(icon, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(icon, kOnPatch));
    EXPECT_EQ(m_window.CurrentColour(), kPatch) << "the drag samples as it goes";
    if (d.captureLost) {
      ::ReleaseCapture();  // as Alt+Tab or another program would take it
      EXPECT_FALSE(m_window.Dragging());
    }
    ::SendMessageA(icon, WM_LBUTTONUP, 0, ClientPoint(icon, d.release));
    EXPECT_FALSE(m_window.Dragging());
    EXPECT_EQ(m_window.ColourListModel().Count(), d.entries);
    EXPECT_EQ(m_window.CurrentColour(), kPatch) << "a failed read is never the colour";
    EXPECT_EQ(::GetCursor(), arrow);
    EXPECT_EQ(ScreenPixel(icon, 0, 0, face), face) << "the frame is gone";
  }
  EXPECT_EQ(m_window.ColourListModel().ColourAt(0), kPatch);
}

// Three system pointer moves from a thread of their own, each awaited until the
// pointer hook has recorded it (or a few seconds have passed).
struct PointerMoves {
  POINT points[3] = {{900, 150}, {600, 300}, {300, 450}};
  int recorded = 0;
};

DWORD WINAPI MoveThrough(void* parameter) {
  auto* moves = static_cast<PointerMoves*>(parameter);
  const int width = ::GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = ::GetSystemMetrics(SM_CYSCREEN) - 1;
  for (const POINT& p : moves->points) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = p.x * 65535 / width;
    input.mi.dy = p.y * 65535 / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
    POINT latest{};
    for (int waited = 0; waited < 5000; waited += 5, ::Sleep(5)) {
      if (PointerHook::LatestPosition(latest) && std::abs(latest.x - p.x) <= 1 &&
          std::abs(latest.y - p.y) <= 1) {
        ++moves->recorded;
        break;
      }
    }
  }
  return 0;
}

// The pointer hook runs on a thread of its own: while the window's thread takes
// no message at all, the system's moves still pass through the hook, which
// records each and posts one request for them all.
TEST_F(SamplingTest, ThePointerHookKeepsUpWhileTheWindowsThreadIsBlocked) {
  ASSERT_TRUE(PointerHook::Install(Window(), IDC_PICK_BUTTON));
  PointerMoves moves;
  const UniqueKernelObject thread(::CreateThread(nullptr, 0, MoveThrough, &moves, 0, nullptr));
  ASSERT_TRUE(thread);
  // Blocked: no message is taken here until every move was recorded or given up.
  ::WaitForSingleObject(thread.Get(), INFINITE);
  EXPECT_EQ(moves.recorded, 3);
  int requests = 0;
  for (MSG m; ::PeekMessageA(&m, Window(), kSampleRequest, kSampleRequest, PM_REMOVE);) ++requests;
  EXPECT_EQ(requests, 1) << "one request serves every move made while it waits";
  EXPECT_TRUE(PointerHook::RequestPending());
  PointerHook::Remove();
  EXPECT_FALSE(PointerHook::Installed());
}

TEST_F(SamplingTest, TenThousandSamplesLeaveMemoryAsItWas) {
  // The commit charge: Wine reports it, and every leaked DC or bitmap adds to it.
  auto committedBytes = [] {
    PROCESS_MEMORY_COUNTERS counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
  };
  ::SetCursorPos(kOnPatch.x, kOnPatch.y);
  auto sample = [&] {
    ::SendMessageA(Window(), kSampleRequest, 0, 0);
    ::UpdateWindow(Window());  // the magnifier and the swatch repaint every time
  };
  for (int i = 0; i < 100; ++i) sample();  // settle the caches
  const SIZE_T memoryBefore = committedBytes();
  ASSERT_GT(memoryBefore, 0u);
  for (int i = 0; i < 10000; ++i) sample();
  EXPECT_LT(committedBytes(), memoryBefore + 512 * 1024);
}

}  // namespace
}  // namespace tl
