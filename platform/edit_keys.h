#pragma once
// The edit keys (Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z and their Insert, Delete and
// Backspace forms) reach a window with an accelerator table as its commands,
// before any control sees them: they are carried out here on the edit control
// that has the focus, whichever it is.

#include <windows.h>

#include <cstring>

#include "res/resource_ids.h"

namespace tl {

// False when the focus is on no edit control of `window`.
inline bool CarryOutEditKey(HWND window, int command) {
  const HWND focus = ::GetFocus();
  char className[8] = {};
  if (!focus || !::IsChild(window, focus) ||
      ::GetClassNameA(focus, className, sizeof className) == 0 ||
      ::lstrcmpiA(className, "Edit") != 0) {
    return false;
  }
  const UINT message = command == ID_EDIT_COPY    ? WM_COPY
                       : command == ID_EDIT_CUT   ? WM_CUT
                       : command == ID_EDIT_PASTE ? WM_PASTE
                                                  : EM_UNDO;
  ::SendMessageA(focus, message, 0, 0);
  return true;
}

}  // namespace tl
