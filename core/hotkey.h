#pragma once
// A hotkey value as the hotkey control reports it: low byte the virtual key,
// high byte HOTKEYF_SHIFT (1), HOTKEYF_CONTROL (2), HOTKEYF_ALT (4) and
// HOTKEYF_EXT (8). Portable: key names come from a lookup the caller supplies.

#include <cstdint>
#include <functional>
#include <string>

namespace tl {

constexpr unsigned kHotkeyShift = 0x01;
constexpr unsigned kHotkeyControl = 0x02;
constexpr unsigned kHotkeyAlt = 0x04;
constexpr unsigned kHotkeyExtended = 0x08;

constexpr unsigned kVirtualKeyShift = 0x10;
constexpr unsigned kVirtualKeyControl = 0x11;
constexpr unsigned kVirtualKeyAlt = 0x12;  // VK_MENU

// RegisterHotKey's modifiers and key. The Windows key is never used, and the
// extended-key flag only matters for the key's name.
struct HotkeyRegistration {
  unsigned modifiers;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
  unsigned virtualKey;
};
HotkeyRegistration ToRegistration(std::uint32_t hotkey);

// The name of one key on the active keyboard layout.
using KeyNameLookup = std::function<std::string(unsigned virtualKey, bool extended)>;

// "Ctrl + Shift + F11": the modifiers always in the order Ctrl, Shift, Alt. An
// empty value has no name.
std::string HotkeyName(std::uint32_t hotkey, const KeyNameLookup& keyName);

constexpr const char* kHotkeyRefusedPrefix = "Can't register hotkey: ";

}  // namespace tl
