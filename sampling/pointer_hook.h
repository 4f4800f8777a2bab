#pragma once
// The system-wide low-level mouse hook of a picking session. It never swallows
// an event and never makes the pointer wait: a low-level hook holds up every
// pointer move in the whole system until it returns, so it runs on a thread of
// its own that does nothing else, whatever the window's thread is busy with (a
// modal message box, an Import, a slow disk). On a move it only records where the
// pointer is going and posts one sample request to the target window when none
// is waiting. The request then samples the newest recorded point, so however many
// moves arrive while a sample is under way, the view shows where the pointer is
// now. A left press on one of the program's own windows posts kOwnWindowPress;
// posted messages are taken before input, so the window handles it (ending the
// session) before the press itself.

#include <windows.h>

#include "res/resource_ids.h"

namespace tl {

constexpr UINT kSampleRequest = WM_USER + 0x200;
// A left press on one of the program's own windows while the hook runs; wParam
// is nonzero when it was on the pick button.
constexpr UINT kOwnWindowPress = WM_USER + 0x202;
// A wheel notch the hook took for the window: wParam is 1 for a step up (in, or
// a larger sample), 0 for a step down.
constexpr UINT kZoomRequest = WM_USER + 0x203;        // Ctrl + wheel, or the wheel over the view
constexpr UINT kSampleSizeRequest = WM_USER + 0x204;  // Ctrl + Shift + wheel
// A left click elsewhere kept the colour under it (Click Keeps Colour); the hook
// recorded its point first.
constexpr UINT kKeepRequest = WM_USER + 0x205;
// The pick-button command as the program sends it itself: code 0xFFFE.
constexpr WPARAM kPickCommandFromProgram = MAKEWPARAM(IDC_PICK_BUTTON, 0xFFFE);

class PointerHook {
 public:
  // One hook per process: the hook procedure has no context of its own. Called
  // on the target window's thread; returns once the hook is in place (true) or
  // refused (false). `outer`, when given, is a second hook installed on the hook's
  // thread after ours, and so called before it: the benchmark's timer.
  static bool Install(HWND target, int pickButtonId, HOOKPROC outer = nullptr);
  // While a session runs the hook also takes, and keeps from the windows below:
  // Ctrl + wheel (and any wheel over `view`, the magnifier) as zoom requests,
  // Ctrl + Shift + wheel as sample size requests, and, when `clickKeeps` is on,
  // a left click off the program's windows as a keep request (its release too).
  static void SetView(HWND view);
  static void SetClickKeeps(bool clickKeeps);
  // Removes the hook and ends its thread before returning.
  static void Remove();
  static bool Installed();

  // Where the pointer is now, as far as the hook knows: the point of the newest
  // move it has seen, or the point the program moved the pointer to itself.
  // False when it knows of none since it was installed; then ask the system.
  static bool LatestPosition(POINT& position);
  // The program moved the pointer (SetCursorPos) from one point to another:
  // samples use the new point, not late reports of the old one (PointerHold).
  static void MovedTo(POINT from, POINT to);
  // Whether a sample request is posted and not yet taken.
  static bool RequestPending();
  // The target calls this as it takes a request, before sampling: the next
  // move posts a new one.
  static void RequestTaken();
};

}  // namespace tl
