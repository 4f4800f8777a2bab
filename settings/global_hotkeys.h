#pragma once
// The two system-wide hotkeys, registered on the main window: the start hotkey
// keeps the colour under the pointer during a session, the stop hotkey toggles it.

#include <windows.h>

#include <cstdint>
#include <string>

namespace tl {

constexpr int kStartHotkeyId = 998;
constexpr int kStopHotkeyId = 999;

class GlobalHotkeys {
 public:
  // Registers both (a 0 value is skipped). When any is refused, says which in a
  // message box owned by the window, and returns false.
  static bool Register(HWND window, std::uint32_t startHotkey, std::uint32_t stopHotkey);
  static void Unregister(HWND window);

  // The name of a key on the active keyboard layout.
  static std::string KeyName(unsigned virtualKey, bool extended);
};

}  // namespace tl
