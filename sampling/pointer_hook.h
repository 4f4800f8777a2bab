#pragma once
// The system-wide low-level mouse hook of a picking session. It never swallows
// an event: every pointer move asks the target window for a sample, and a left
// press on one of the program's own windows sends the pick-button command (which
// ends the session) before the press itself is delivered.

#include <windows.h>

#include "sampling/picking_session.h"

namespace tl {

constexpr UINT kSampleRequest = WM_USER + 0x200;
// The pick-button command as the program sends it itself: id 1009, code 0xFFFE.
constexpr WPARAM kPickCommandFromProgram = MAKEWPARAM(1009, 0xFFFE);

class PointerHook {
 public:
  // One hook per process: the hook procedure has no context of its own.
  static bool Install(HWND target, PickingSession* session, int pickButtonId);
  static void Remove();
  static bool Installed();
  // While the hook reports a move: where the pointer is going. The system puts
  // the pointer there only after the hook returns, so until then GetCursorPos
  // still gives the previous place, and a sample taken from it would show the
  // colour the pointer has just left.
  static bool PendingPosition(POINT& position);
};

}  // namespace tl
