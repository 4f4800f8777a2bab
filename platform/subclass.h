#pragma once
// Attaches an object to an existing window (usually a control that a dialog
// template made) by replacing its window procedure. Messages the object does not
// take go on to the previous procedure; the subclass removes itself at
// WM_NCDESTROY. Several objects may attach to one window: each passes on to the
// one attached before it.
//
// The objects are found through a table of this process rather than through
// window properties: under Wine a property lookup is a trip to the server on
// every message, which made filling a long list box take a minute.

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
  bool AttachDlgItem(HWND parent, int controlId) { return Attach(::GetDlgItem(parent, controlId)); }
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
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;

  HWND m_window = nullptr;
  WNDPROC m_previous = nullptr;  // set on the first object of a window only
  Subclass* m_inner = nullptr;   // attached to the same window before this one
  Subclass* m_outer = nullptr;   // attached after this one
};

}  // namespace tl
