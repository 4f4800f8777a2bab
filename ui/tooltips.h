#pragma once
// One tooltip window for several controls of a window, each with its text. The
// tooltip watches the controls' mouse messages itself (TTF_SUBCLASS), so the
// controls need not pass them on. Destroyed with its owner, or before.

#include <windows.h>

#include "platform/handles.h"

namespace tl {

class Tooltips {
 public:
  explicit Tooltips(HWND owner);

  void Add(HWND control, const char* text);
  HWND Handle() const { return m_window.Get(); }

 private:
  UniqueWindow m_window;
};

}  // namespace tl
