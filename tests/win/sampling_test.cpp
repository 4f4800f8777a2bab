// Samples taken through the real main window from a patch of known colour.

#include <windows.h>
#include <psapi.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/subclass.h"
#include "sampling/pointer_hook.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::TextOf;

const ColourValue kPatch = MakeColour(200, 40, 90);
const RECT kPatchRect{600, 100, 800, 300};

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
    m_patch = ::CreateWindowExA(WS_EX_TOPMOST, "TintlensTestPatch", "", WS_POPUP | WS_VISIBLE,
                                kPatchRect.left, kPatchRect.top, kPatchRect.right - kPatchRect.left,
                                kPatchRect.bottom - kPatchRect.top, nullptr, nullptr, nullptr,
                                nullptr);
    ::UpdateWindow(m_patch);
    // Wine hands a window's painting to the X server at its own pace (at most
    // every so often, while the thread looks at its queue): wait until the patch
    // is really on the screen the samples read.
    const POINT middle{(kPatchRect.left + kPatchRect.right) / 2, (kPatchRect.top + kPatchRect.bottom) / 2};
    for (int waited = 0; waited < 5000; waited += 10) {
      if (const WindowDC screen; ::GetPixel(screen.Get(), middle.x, middle.y) == kPatch) break;
      MSG message;
      ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
      ::Sleep(10);
    }
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
  // The magnifier picture, top-down, as 0x00RRGGBB pixels.
  std::vector<std::uint32_t> Picture(int& width, int& height) const {
    BITMAP info{};
    ::GetObjectA(m_window.MagnifierPicture(), sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO request{};
    request.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const WindowDC screen;
    ::GetDIBits(screen.Get(), m_window.MagnifierPicture(), 0, static_cast<UINT>(height),
                pixels.data(), &request, DIB_RGB_COLORS);
    return pixels;
  }

  GdiObject<HBRUSH> m_brush;
  HWND m_patch = nullptr;
};

std::uint32_t AsRgb(ColourValue c) { return (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c); }

TEST_F(SamplingTest, ASampleShowsThePixelUnderThePointerEverywhere) {
  SampleAt(700, 200);
  EXPECT_EQ(m_window.CurrentColour(), kPatch);
  EXPECT_EQ(TextOf(Item(IDC_POSITION_LABEL)), "X: 700 Y: 200");
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "200, 40, 90");
  EXPECT_EQ(TextOf(Item(IDC_RGB_LABEL)), "R: 200 G: 40 B: 90");
  EXPECT_EQ(::SendMessageA(Item(IDC_GREEN_SLIDER), TBM_GETPOS, 0, 0), 40);
  EXPECT_TRUE(m_window.ColourListModel().Empty()) << "sampling alone never adds to the list";

  // The magnifier: the patch everywhere, the crosshair's arms inverted and its
  // centre pixel in its own colour.
  int width = 0, height = 0;
  const std::vector<std::uint32_t> picture = Picture(width, height);
  ASSERT_GT(width, 20);
  const int cx = width / 2, cy = height / 2;
  auto at = [&](int x, int y) { return picture[static_cast<std::size_t>(y) * width + x]; };
  const std::uint32_t inverted = AsRgb(kPatch) ^ 0xFFFFFF;
  EXPECT_EQ(at(cx, cy), AsRgb(kPatch));
  for (int d : {-5, -1, 1, 4}) {
    EXPECT_EQ(at(cx + d, cy), inverted) << "horizontal arm " << d;
    EXPECT_EQ(at(cx, cy + d), inverted) << "vertical arm " << d;
  }
  EXPECT_EQ(at(cx + 5, cy), AsRgb(kPatch));
  EXPECT_EQ(at(cx - 6, cy), AsRgb(kPatch));
  EXPECT_EQ(at(0, 0), AsRgb(kPatch));
}

// Counts one kind of message that reaches a control.
class MessageCounter final : public Subclass {
 public:
  explicit MessageCounter(UINT counted) : m_counted(counted) {}
  int count = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == m_counted) ++count;
    return CallPrevious(message, wParam, lParam);
  }

 private:
  UINT m_counted;
};

// Samples run on every pointer move: at an unchanged place nothing is rewritten,
// yet text the user typed over the colour is replaced by the next sample.
TEST_F(SamplingTest, RepeatedSamplesRewriteOnlyWhatChanged) {
  SampleAt(700, 200);
  MessageCounter boxWrites(WM_SETTEXT), sliderMoves(TBM_SETPOS);
  ASSERT_TRUE(boxWrites.Attach(Item(IDC_COLOUR_TEXT)));
  ASSERT_TRUE(sliderMoves.Attach(Item(IDC_GREEN_SLIDER)));
  for (int i = 0; i < 10; ++i) SampleAt(700, 200);
  EXPECT_EQ(boxWrites.count, 0);
  EXPECT_EQ(sliderMoves.count, 0);
  ::SetWindowTextA(Item(IDC_COLOUR_TEXT), "typed");
  ::SendMessageA(Item(IDC_GREEN_SLIDER), TBM_SETPOS, TRUE, 3);
  ::SendMessageA(Window(), WM_HSCROLL, MAKEWPARAM(TB_LINEDOWN, 0),
                 reinterpret_cast<LPARAM>(Item(IDC_GREEN_SLIDER)));
  SampleAt(700, 200);
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "200, 40, 90");
  EXPECT_EQ(::SendMessageA(Item(IDC_GREEN_SLIDER), TBM_GETPOS, 0, 0), 40);
}

TEST_F(SamplingTest, NothingChangesOverTheProgramsOwnWindow) {
  ::ShowWindow(Window(), SW_SHOWNOACTIVATE);
  ::SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SampleAt(700, 200);
  RECT list{};
  ::GetWindowRect(Item(IDC_COLOUR_LIST), &list);
  SampleAt(list.left + 5, list.top + 5);
  EXPECT_EQ(TextOf(Item(IDC_POSITION_LABEL)), "X: 700 Y: 200");
  EXPECT_EQ(m_window.CurrentColour(), kPatch);
}

// A drag keeps the colour under its release, but a release over the program's
// own window keeps nothing, not even the last colour the drag passed over.
TEST_F(SamplingTest, AnIconDragKeepsTheColourUnderItsReleaseOutsideTheWindowOnly) {
  ::ShowWindow(Window(), SW_SHOWNOACTIVATE);
  ::SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RECT icon{}, list{};
  ::GetWindowRect(Item(IDC_PICKER_ICON), &icon);
  ::GetWindowRect(Item(IDC_COLOUR_LIST), &list);
  POINT press{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
  ::ScreenToClient(Window(), &press);
  const std::pair<POINT, std::size_t> releases[] = {
      {{700, 200}, 1},                        // over the patch: kept
      {{list.left + 5, list.top + 5}, 1},     // over the list: nothing more
  };
  // Mouse messages carry client coordinates; with the capture they reach beyond.
  auto at = [&](POINT screen) {
    ::ScreenToClient(Window(), &screen);
    return MAKELPARAM(screen.x, screen.y);
  };
  for (const auto& [release, entries] : releases) {
    ::SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    ASSERT_TRUE(m_window.Dragging());
    ::SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, at({700, 200}));
    ::SendMessageA(Window(), WM_LBUTTONUP, 0, at(release));
    EXPECT_FALSE(m_window.Dragging());
    EXPECT_EQ(m_window.ColourListModel().Count(), entries) << release.x;
  }
  EXPECT_EQ(m_window.ColourListModel().ColourAt(0), kPatch);
}

TEST_F(SamplingTest, ZoomStaysWithinOneToEightAndShowsItsLevel) {
  const HWND label = Item(IDC_ZOOM_LABEL);
  for (int i = 0; i < 6; ++i) Command(ID_ZOOM_IN);
  EXPECT_EQ(m_window.ZoomLevel(), 8);
  EXPECT_EQ(TextOf(label), "Zoom Level: 8");
  for (int i = 0; i < 9; ++i) Command(ID_ZOOM_OUT);
  EXPECT_EQ(m_window.ZoomLevel(), 1);
  EXPECT_EQ(TextOf(label), "Zoom Level: 1");
}

TEST_F(SamplingTest, TenThousandSamplesLeaveGdiObjectsAndMemoryAsTheyWere) {
  const HANDLE process = ::GetCurrentProcess();
  // The commit charge: Wine reports it, and every leaked DC or bitmap adds to it.
  auto committedBytes = [&] {
    PROCESS_MEMORY_COUNTERS counters{};
    ::GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PagefileUsage;
  };
  ::ShowWindow(Window(), SW_SHOWNOACTIVATE);
  ::SetCursorPos(700, 200);
  auto sample = [&] {
    ::SendMessageA(Window(), kSampleRequest, 0, 0);
    ::UpdateWindow(Window());  // the magnifier and the swatch repaint every time
  };
  for (int i = 0; i < 100; ++i) sample();  // settle the caches
  // Wine reports no GDI count (always 0); Windows does, and then it must not move.
  const DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
  const SIZE_T memoryBefore = committedBytes();
  ASSERT_GT(memoryBefore, 0u);
  for (int i = 0; i < 10000; ++i) sample();
  EXPECT_EQ(::GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
  EXPECT_LT(committedBytes(), memoryBefore + 512 * 1024);
}

}  // namespace
}  // namespace tl
