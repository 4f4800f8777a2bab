#pragma once
// The two system-wide hotkeys, registered on the main window: the start hotkey
// keeps the colour under the pointer during a session, the stop hotkey toggles it.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

constexpr int kStartHotkeyId = 998;
constexpr int kStopHotkeyId = 999;

class GlobalHotkeys {
 public:
  // Registers both (a 0 value is skipped) and returns those the system refused.
  static std::vector<std::uint32_t> Register(HWND window, std::uint32_t startHotkey,
                                             std::uint32_t stopHotkey);
  // What the user is told of refused hotkeys: "Can't register hotkey: " and their names.
  static std::string RefusedText(const std::vector<std::uint32_t>& refused);
  static void Unregister(HWND window);

  // The name of a key on the active keyboard layout.
  static std::string KeyName(unsigned virtualKey, bool extended);
};

}  // namespace tl
