#include "ui/balloon_tip.h"

#include "platform/module.h"

namespace tl {
namespace {

constexpr UINT_PTR kHideTimer = 0x7154;  // away from the tooltip's own timers
constexpr UINT kShownMs = 6000;

}  // namespace

// Detached first, so the window's last messages find no half-destroyed object.
BalloonTip::~BalloonTip() {
  Detach();
  m_tip.Reset();
}

TOOLINFOA BalloonTip::ToolFor(HWND control) const {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = ::GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(m_text.c_str());
  return tool;
}

void BalloonTip::Show(HWND control, const std::string& text) {
  Hide();
  if (!Handle()) {
    m_tip.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  ::GetAncestor(control, GA_ROOT), nullptr, Module::Instance(),
                                  nullptr));
    if (!m_tip || !Attach(m_tip.Get())) return;  // nothing to say it with; the text stays as typed
    ::SendMessageA(m_tip.Get(), TTM_SETMAXTIPWIDTH, 0, 300);
  }
  m_text = text;
  m_control = control;
  ::SetWindowTextA(Handle(), text.c_str());  // also its caption, for readers from outside
  TOOLINFOA tool = ToolFor(control);
  ::SendMessageA(Handle(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  RECT box{};
  ::GetWindowRect(control, &box);
  ::SendMessageA(Handle(), TTM_TRACKPOSITION, 0,
                 MAKELPARAM((box.left + box.right) / 2, box.bottom - 2));
  ::SendMessageA(Handle(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  ::SetTimer(Handle(), kHideTimer, kShownMs, nullptr);
}

void BalloonTip::Hide() {
  if (!Handle() || !m_control) return;
  ::KillTimer(Handle(), kHideTimer);
  TOOLINFOA tool = ToolFor(m_control);
  ::SendMessageA(Handle(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageA(Handle(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  m_control = nullptr;
}

LRESULT BalloonTip::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kHideTimer) {
    Hide();
    return 0;
  }
  return CallPrevious(message, wParam, lParam);
}

}  // namespace tl
