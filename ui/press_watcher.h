#pragma once
// Tells when a press on a button is over, whether it ended in a click or not: a
// release beside the button, or the capture taken away in the middle of it.

#include <windows.h>

#include <functional>

#include "platform/subclass.h"

namespace tl {

class PressWatcher final : public Subclass {
 public:
  std::function<void()> onPressEnded;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_LBUTTONUP && message != WM_CAPTURECHANGED) {
      return CallPrevious(message, wParam, lParam);
    }
    // The button's own release handling sends its click and releases the
    // capture; the press is over only once that has run.
    const bool outermost = !m_releasing;
    if (message == WM_LBUTTONUP) m_releasing = true;
    const LRESULT result = CallPrevious(message, wParam, lParam);
    if (message == WM_LBUTTONUP) m_releasing = false;
    if (outermost && onPressEnded) onPressEnded();
    return result;
  }

 private:
  bool m_releasing = false;
};

}  // namespace tl
