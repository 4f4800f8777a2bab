#pragma once
// Base of every dialog window: finds its object from the dialog procedure and
// hands each message to one virtual handler.

#include <windows.h>

namespace tl {

class Dialog {
 public:
  Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog();

  HWND Handle() const { return m_window; }

  // Modeless; returns the window or null when the template could not be built.
  HWND CreateModeless(int templateId, HWND owner);
  // Modal; returns the EndDialog result, or -1 when the dialog could not be built.
  INT_PTR RunModal(int templateId, HWND owner);

 protected:
  // Returns true when the message was handled, with its answer in `result`.
  // Unhandled messages get the default dialog processing.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  HWND m_window = nullptr;
};

}  // namespace tl
