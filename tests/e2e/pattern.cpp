// A test pattern of known colours at a known place on the screen, for the
// end-to-end tests: stays up until it is killed.
//
//   window  (760, 20) to (1010, 270), background 220, 20, 60
//   a one-pixel vertical line of 30, 160, 70 at screen x = 890
//   a 60 x 60 block of 40, 60, 200 at screen (770, 200) to (830, 260)
//   a field of 3 x 3 cells from (900, 150) to (1010, 270): the hue changes from
//   left to right, the brightness from top to bottom (colour for the eye, and
//   colours no other test looks for)
#include <windows.h>

namespace {

constexpr int kLeft = 760, kTop = 20, kSize = 250;

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  const HBRUSH brush = ::CreateSolidBrush(colour);
  const RECT rect{left, top, right, bottom};
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}

// Hue 0..359 at full saturation, scaled by brightness 0..255.
COLORREF Hue(int hue, int brightness) {
  const int sector = hue / 60, rise = (hue % 60) * 255 / 60, fall = 255 - rise;
  int r = 0, g = 0, b = 0;
  switch (sector) {
    case 0: r = 255; g = rise; break;
    case 1: r = fall; g = 255; break;
    case 2: g = 255; b = rise; break;
    case 3: g = fall; b = 255; break;
    case 4: r = rise; b = 255; break;
    default: r = 255; b = fall; break;
  }
  return RGB(r * brightness / 255, g * brightness / 255, b * brightness / 255);
}

void PaintField(HDC dc) {
  constexpr int kCell = 3, kFieldLeft = 900, kFieldTop = 150, kRight = 1010, kBottom = 270;
  for (int y = kFieldTop; y < kBottom; y += kCell) {
    const int brightness = 255 - (y - kFieldTop) * 160 / (kBottom - kFieldTop);
    for (int x = kFieldLeft; x < kRight; x += kCell) {
      Fill(dc, x - kLeft, y - kTop, x + kCell - kLeft, y + kCell - kTop,
           Hue((x - kFieldLeft) * 359 / (kRight - kFieldLeft), brightness));
    }
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(window, &paint);
    Fill(dc, 0, 0, kSize, kSize, RGB(220, 20, 60));
    Fill(dc, 890 - kLeft, 0, 891 - kLeft, kSize, RGB(30, 160, 70));
    Fill(dc, 770 - kLeft, 200 - kTop, 830 - kLeft, 260 - kTop, RGB(40, 60, 200));
    PaintField(dc);
    ::EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
  ::SetProcessDPIAware();  // placed and painted in physical pixels at every scale
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "TintlensTestPattern";
  ::RegisterClassA(&windowClass);
  ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName,
                    "Tintlens test pattern", WS_POPUP | WS_VISIBLE, kLeft, kTop, kSize, kSize,
                    nullptr, nullptr, windowClass.hInstance, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  return 0;
}
