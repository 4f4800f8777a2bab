#include "settings/global_hotkeys.h"

#include <vector>

#include "core/hotkey.h"

namespace tl {

std::string GlobalHotkeys::KeyName(unsigned virtualKey, bool extended) {
  const UINT scanCode = ::MapVirtualKeyA(virtualKey, 0);
  const LONG keyParameter = static_cast<LONG>((scanCode << 16) | (extended ? 0x01000000u : 0u));
  std::vector<char> name(128);
  for (;;) {
    const int length = ::GetKeyNameTextA(keyParameter, name.data(), static_cast<int>(name.size()));
    if (length < static_cast<int>(name.size())) {
      return std::string(name.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    }
    name.resize(name.size() * 2);  // the name may have been cut short: ask again
  }
}

std::vector<std::uint32_t> GlobalHotkeys::Register(HWND window, std::uint32_t startHotkey,
                                                   std::uint32_t stopHotkey) {
  std::vector<std::uint32_t> refused;
  for (const auto& [id, hotkey] : {std::pair<int, std::uint32_t>{kStartHotkeyId, startHotkey},
                                   std::pair<int, std::uint32_t>{kStopHotkeyId, stopHotkey}}) {
    if (hotkey == 0) continue;
    const HotkeyRegistration registration = ToRegistration(hotkey);
    if (!::RegisterHotKey(window, id, registration.modifiers, registration.virtualKey)) {
      refused.push_back(hotkey);
    }
  }
  return refused;
}

std::string GlobalHotkeys::RefusedText(const std::vector<std::uint32_t>& refused) {
  std::string text = kHotkeyRefusedPrefix;
  for (std::uint32_t hotkey : refused) text += HotkeyName(hotkey, &GlobalHotkeys::KeyName);
  return text;
}

void GlobalHotkeys::Unregister(HWND window) {
  ::UnregisterHotKey(window, kStartHotkeyId);
  ::UnregisterHotKey(window, kStopHotkeyId);
}

}  // namespace tl
