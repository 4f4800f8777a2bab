#include "app/layout_switch.h"

#include "res/resource_ids.h"

namespace tl {

// The controls inside the group's rectangle show only in the advanced layout.
void LayoutSwitch::Measure(HWND window, UINT dpi) {
  m_window = window;
  const HWND group = ::GetDlgItem(window, IDC_RGB_GROUP);
  RECT client{}, groupRect{};
  ::GetClientRect(window, &client);
  ::GetWindowRect(group, &groupRect);
  m_measuredDpi = m_dpi = dpi;
  m_advancedHeight = client.bottom;
  m_simpleHeight = client.bottom - (groupRect.bottom - groupRect.top);
  m_advancedControls.clear();
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{}, common{};
    ::GetWindowRect(child, &rect);
    if (::IntersectRect(&common, &rect, &groupRect) && ::EqualRect(&common, &rect)) {
      m_advancedControls.push_back(child);
    }
  }
}

bool LayoutSwitch::Advanced() const {
  const HWND group = ::GetDlgItem(m_window, IDC_RGB_GROUP);
  return (::GetWindowLongPtrA(group, GWL_STYLE) & WS_VISIBLE) != 0;
}

void LayoutSwitch::Set(bool advanced) {
  const HWND modeButton = ::GetDlgItem(m_window, IDC_MODE_BUTTON);
  if (advanced) {
    FitHeight(true);
    for (HWND control : m_advancedControls) ::ShowWindow(control, SW_SHOW);
    ::SetWindowTextA(modeButton, "Simple <<");
  } else {
    for (HWND control : m_advancedControls) ::ShowWindow(control, SW_HIDE);
    ::SetWindowTextA(modeButton, "Advanced >>");
    FitHeight(false);
  }
}

void LayoutSwitch::Fit(UINT dpi) {
  m_dpi = dpi;
  FitHeight(Advanced());
}

int LayoutSwitch::Height(bool advanced) const {
  const int height = advanced ? m_advancedHeight : m_simpleHeight;
  return ::MulDiv(height, static_cast<int>(m_dpi), static_cast<int>(m_measuredDpi));
}

// The frame (caption, menu bar and borders) is measured as it is now, since it
// does not scale with the client area.
void LayoutSwitch::FitHeight(bool advanced) {
  if (::IsIconic(m_window)) return;  // a minimised window's rectangles are not its own
  RECT window{}, client{};
  ::GetWindowRect(m_window, &window);
  ::GetClientRect(m_window, &client);
  const int frame = (window.bottom - window.top) - client.bottom;
  ::MoveWindow(m_window, window.left, window.top, window.right - window.left,
               Height(advanced) + frame, TRUE);
}

}  // namespace tl
