#pragma once
// A text that the program rewrites on every pointer move. It remembers what it
// shows and leaves the control alone when the text is the same, so an unchanged
// label costs no message and no repaint. For a control the user can also edit,
// OnChanged() says the text is no longer ours.

#include <windows.h>

#include <string>

namespace tl {

class Label {
 public:
  void Attach(HWND window) {
    m_window = window;
    m_known = false;
  }
  HWND Handle() const { return m_window; }

  void SetText(const std::string& text) {
    if (m_known && text == m_text) return;
    m_writing = true;
    ::SetWindowTextA(m_window, text.c_str());
    m_writing = false;
    m_text = text;
    m_known = true;
  }
  // A change made by someone else (the user typing); our own writes are ignored.
  void OnChanged() {
    if (!m_writing) m_known = false;
  }
  // Whether the control still shows what we wrote last.
  bool Known() const { return m_known; }
  // The next SetText writes even the same text again.
  void Forget() { m_known = false; }

 private:
  HWND m_window = nullptr;
  std::string m_text;
  bool m_known = false;  // false until we set it: the template's text is not ours
  bool m_writing = false;
};

}  // namespace tl
