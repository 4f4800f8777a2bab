#pragma once
// The program's one lasting window: a modeless dialog from template 129 that owns
// all run-time state and is the message loop's filter and idle handler.

#include <windows.h>

#include "core/colour.h"
#include "core/colour_list.h"
#include "platform/dialog.h"
#include "platform/handles.h"
#include "platform/menu_state.h"
#include "platform/message_loop.h"

namespace tl {

class MainWindow final : public Dialog, public MessageFilter, public IdleHandler {
 public:
  MainWindow() = default;
  ~MainWindow() override;

  // Builds the window (hidden) and runs its initialisation; false on failure.
  bool Create();

  bool PreTranslateMessage(MSG& message) override;
  void OnIdle() override;

  // Read-outs for tests and for the parts that act on the window's state.
  bool IsExiting() const { return m_exiting; }
  const ColourList& Colours() const { return m_colours; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool OnInitDialog();
  bool OnCommand(int id, int code, HWND control);
  void OnClose();
  void OnExit();
  void LoadWindowIcons();

  HACCEL m_accelerators = nullptr;
  UniqueIcon m_bigIcon;
  UniqueIcon m_smallIcon;
  MenuStateTable m_menuState;
  MessageLoop* m_loop = nullptr;

  ColourValue m_currentColour = kWhite;
  int m_currentNotation = kNotationRgb;
  ColourList m_colours;
  bool m_exiting = false;
};

}  // namespace tl
