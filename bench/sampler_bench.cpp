// The cost of one sample, side by side with the straightforward way of taking
// it and with the floor (one pixel read from the screen). Runs under Wine on the
// virtual display: `make bench`.
//
// For each zoom level, over a colourful patch of the screen:
//   ours      the sampler as built: the screen copy, the colour from it, the
//             stretch and crosshair, and the hand-over to the magnifier view;
//   baseline  GetPixel of the screen plus a StretchBlt straight from the screen
//             DC into the magnifier bitmap and the crosshair, each time with a
//             fresh screen DC and memory DC;
//   floor     a single one-pixel screen read;
//   repaint   the magnifier view's repaint, which both paths are followed by;
//   request   a whole sample request to the real main window: the pointer's
//             position, the sample, and every read-out rewritten and repainted.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "platform/gdi.h"
#include "res/resource_ids.h"
#include "sampling/magnifier_geometry.h"
#include "sampling/pointer_hook.h"
#include "sampling/screen_sampler.h"
#include "ui/framed_fill_static.h"

namespace {

constexpr int kRounds = 3000;

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / frequency;
}

struct Figures {
  double median, p99;
};

template <typename F>
Figures Measure(F&& once) {
  for (int i = 0; i < 200; ++i) once();  // warm up
  std::vector<double> times(kRounds);
  for (double& t : times) {
    const double start = Now();
    once();
    t = Now() - start;
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times[times.size() * 99 / 100]};
}

// A patch of stripes so every copy moves real, varied pixels.
LRESULT CALLBACK PatternProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    const tl::PaintDC paint(window);
    for (int x = 0; x < 400; x += 8) {
      const RECT stripe{x, 0, x + 8, 400};
      const tl::GdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(x % 256, (x * 3) % 256, 255 - x % 256)));
      ::FillRect(paint.Get(), &stripe, brush.Get());
    }
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
  WNDCLASSA pattern{};
  pattern.lpfnWndProc = PatternProcedure;
  pattern.hInstance = ::GetModuleHandleA(nullptr);
  pattern.lpszClassName = "TintlensBenchPattern";
  ::RegisterClassA(&pattern);
  const HWND patch = ::CreateWindowExA(WS_EX_TOPMOST, pattern.lpszClassName, "", WS_POPUP | WS_VISIBLE,
                                       560, 200, 400, 400, nullptr, nullptr, nullptr, nullptr);
  ::UpdateWindow(patch);

  tl::MessageLoop loop;
  tl::LoopTable::Add(::GetCurrentThreadId(), &loop);
  tl::MainWindow window;
  if (!window.Create()) return 1;
  ::SetWindowPos(window.Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
  ::SetCursorPos(760, 400);
  const HWND mainView = ::GetDlgItem(window.Handle(), IDC_MAGNIFIER);
  RECT viewRect{};
  ::GetWindowRect(mainView, &viewRect);
  const int viewWidth = viewRect.right - viewRect.left, viewHeight = viewRect.bottom - viewRect.top;

  // A magnifier view of the same size for the sampler alone and for the baseline.
  const HWND host = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 500,
                                     viewWidth, viewHeight, nullptr, nullptr, nullptr, nullptr);
  const HWND view = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 0, 0,
                                     viewWidth, viewHeight, host, nullptr, nullptr, nullptr);
  tl::FramedFillStatic viewPainter;
  viewPainter.Attach(view);
  viewPainter.useBitmap = 1;
  tl::ScreenSampler sampler;
  sampler.SetViewSize(viewWidth, viewHeight);
  std::printf("magnifier %d x %d pixels, %d rounds each\n", viewWidth, viewHeight, kRounds);
  std::printf("%-6s %-9s %12s %12s\n", "zoom", "path", "median us", "p99 us");

  const tl::WindowDC screenForBitmap;
  const tl::GdiObject<HBITMAP> baselineBitmap(
      ::CreateCompatibleBitmap(screenForBitmap.Get(), viewWidth, viewHeight));
  for (int zoom : {1, 4, 8}) {
    while (window.ZoomLevel() < zoom) ::SendMessageA(window.Handle(), WM_COMMAND, ID_ZOOM_IN, 0);
    while (window.ZoomLevel() > zoom) ::SendMessageA(window.Handle(), WM_COMMAND, ID_ZOOM_OUT, 0);

    const POINT p{760, 400};
    const Figures ours = Measure([&] {
      volatile tl::ColourValue colour = sampler.Take(p, zoom).colour;
      (void)colour;
      viewPainter.bitmap = sampler.Bitmap();
      ::InvalidateRect(view, nullptr, TRUE);
    });
    const Figures repaint = Measure([&] {
      ::InvalidateRect(view, nullptr, TRUE);
      ::UpdateWindow(view);
    });
    const Figures request = Measure([&] {
      ::SendMessageA(window.Handle(), tl::kSampleRequest, 0, 0);
      ::UpdateWindow(window.Handle());
    });
    const Figures baseline = Measure([&] {
      const tl::WindowDC screen;
      volatile COLORREF colour = ::GetPixel(screen.Get(), p.x, p.y);
      (void)colour;
      const tl::MemoryDC memory(screen.Get());
      const tl::SelectGuard select(memory.Get(), baselineBitmap.Get());
      const tl::Rect source = tl::SourceRect(p.x, p.y, viewWidth, viewHeight, zoom);
      ::SetStretchBltMode(memory.Get(), COLORONCOLOR);
      ::StretchBlt(memory.Get(), 0, 0, viewWidth, viewHeight, screen.Get(), source.left, source.top,
                   source.right - source.left, source.bottom - source.top, SRCCOPY);
      const tl::Crosshair cross = tl::CrosshairFor(viewWidth, viewHeight);
      ::PatBlt(memory.Get(), cross.horizontal.left, cross.horizontal.top, 10, 1, PATINVERT);
      ::PatBlt(memory.Get(), cross.vertical.left, cross.vertical.top, 1, 10, PATINVERT);
      viewPainter.bitmap = baselineBitmap.Get();
      ::InvalidateRect(view, nullptr, TRUE);
    });
    const Figures floor = Measure([&] {
      const tl::WindowDC screen;
      volatile COLORREF colour = ::GetPixel(screen.Get(), 760, 400);
      (void)colour;
    });
    std::printf("%-6d %-9s %12.1f %12.1f\n", zoom, "ours", ours.median, ours.p99);
    std::printf("%-6d %-9s %12.1f %12.1f\n", zoom, "baseline", baseline.median, baseline.p99);
    std::printf("%-6d %-9s %12.1f %12.1f\n", zoom, "floor", floor.median, floor.p99);
    std::printf("%-6d %-9s %12.1f %12.1f\n", zoom, "repaint", repaint.median, repaint.p99);
    std::printf("%-6d %-9s %12.1f %12.1f\n", zoom, "request", request.median, request.p99);
    std::printf("%-6d ours/floor %.2f, baseline/ours %.2f\n", zoom, ours.median / floor.median,
                baseline.median / ours.median);
  }
  tl::LoopTable::Remove(::GetCurrentThreadId());
  return 0;
}
