#include "platform/window_centring.h"

#include "core/geometry.h"

namespace tl {
namespace {

Rect ToRect(const RECT& r) {
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
          static_cast<int>(r.bottom)};
}

}  // namespace

void CentreWindow(HWND window, HWND reference) {
  const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
  const bool isChild = (style & WS_CHILD) != 0;
  if (!reference) reference = isChild ? ::GetParent(window) : ::GetWindow(window, GW_OWNER);

  RECT windowRect{};
  ::GetWindowRect(window, &windowRect);
  const int width = windowRect.right - windowRect.left;
  const int height = windowRect.bottom - windowRect.top;

  RECT area{};
  RECT centreOn{};
  if (isChild) {
    const HWND parent = ::GetParent(window);
    ::GetClientRect(parent, &area);
    ::GetClientRect(reference, &centreOn);
    ::MapWindowPoints(reference, parent, reinterpret_cast<POINT*>(&centreOn), 2);
  } else {
    if (reference) {
      const LONG_PTR referenceStyle = ::GetWindowLongPtrA(reference, GWL_STYLE);
      if (!(referenceStyle & WS_VISIBLE) || (referenceStyle & WS_MINIMIZE)) reference = nullptr;
    }
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    if (reference) {
      ::GetWindowRect(reference, &centreOn);
    } else {
      centreOn = area;
    }
  }

  const Point origin = CentredOrigin(width, height, ToRect(centreOn), ToRect(area));
  ::SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tl
