// A test pattern of known colours at a known place on the screen, for the
// end-to-end tests: stays up until it is killed.
//
//   window  (760, 20) to (1010, 270), background 220, 20, 60
//   a one-pixel vertical line of 30, 160, 70 at screen x = 890
//   a 60 x 60 block of 40, 60, 200 at screen (770, 200) to (830, 260)
#include <windows.h>

namespace {

constexpr int kLeft = 760, kTop = 20, kSize = 250;

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  const HBRUSH brush = ::CreateSolidBrush(colour);
  const RECT rect{left, top, right, bottom};
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(window, &paint);
    Fill(dc, 0, 0, kSize, kSize, RGB(220, 20, 60));
    Fill(dc, 890 - kLeft, 0, 891 - kLeft, kSize, RGB(30, 160, 70));
    Fill(dc, 770 - kLeft, 200 - kTop, 830 - kLeft, 260 - kTop, RGB(40, 60, 200));
    ::EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
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
