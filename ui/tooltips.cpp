#include "ui/tooltips.h"

#include <commctrl.h>

#include "platform/module.h"

namespace tl {

Tooltips::Tooltips(HWND owner)
    : m_window(::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr,
                                 Module::Instance(), nullptr)) {}

void Tooltips::Add(HWND control, const char* text) {
  if (!m_window || !control) return;
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);  // copied by the tooltip
  ::SendMessageA(m_window.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tl
