#pragma once
// One tooltip window for several controls of a window, each with its text. The
// tooltip watches the controls' mouse messages itself (TTF_SUBCLASS), so the
// controls need not pass them on. Destroyed with its owner, or before.

#include <windows.h>

namespace tl {

class Tooltips {
 public:
  explicit Tooltips(HWND owner);
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  void Add(HWND control, const char* text);
  HWND Handle() const { return m_window; }

 private:
  HWND m_window = nullptr;
};

}  // namespace tl
