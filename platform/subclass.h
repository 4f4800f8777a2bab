#pragma once
// Attaches an object to an existing window (usually a control that a dialog
// template made) by subclassing it. Messages the object does not take go on to
// the window's previous procedure; the subclass removes itself at WM_NCDESTROY.

#include <windows.h>

namespace tl {

class Subclass {
 public:
  Subclass() = default;
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;
  virtual ~Subclass() { Detach(); }

  // Nothing happens when already attached; false when the window cannot be taken.
  bool Attach(HWND window);
  bool AttachDlgItem(HWND parent, int controlId) {
    return Attach(::GetDlgItem(parent, controlId));
  }
  void Detach();

  HWND Handle() const { return m_window; }

 protected:
  // Called once attached; a place for the control's own set-up.
  virtual void OnAttached() {}
  // Every message of the window; the default passes it on unchanged.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPrevious(message, wParam, lParam);
  }
  LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR object) noexcept;
  HWND m_window = nullptr;
};

}  // namespace tl
