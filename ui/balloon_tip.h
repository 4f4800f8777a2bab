#pragma once
// A balloon that points at a control to say why what was typed there was not
// taken, instead of a message box. It goes by itself after a few seconds, or
// when Hide() is called (the user types again). The balloon is a tooltip window
// of its own, so its text can be read back like any window's.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>

#include "platform/handles.h"
#include "platform/subclass.h"

namespace tl {

class BalloonTip final : public Subclass {
 public:
  ~BalloonTip() override;

  // Made at the first Show, owned by the control's top-level window.
  void Show(HWND control, const std::string& text);
  void Hide();
  bool Shown() const { return Handle() && ::IsWindowVisible(Handle()); }
  std::string Text() const { return m_text; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  TOOLINFOA ToolFor(HWND control) const;

  UniqueWindow m_tip;        // made at the first Show; the subclass is attached to it
  HWND m_control = nullptr;  // whose tool is shown
  std::string m_text;
};

}  // namespace tl
