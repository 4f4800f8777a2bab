#include "core/hotkey.h"

namespace tl {

HotkeyRegistration ToRegistration(std::uint32_t hotkey) {
  const unsigned flags = (hotkey >> 8) & 0xFF;
  unsigned modifiers = 0;
  if (flags & kHotkeyShift) modifiers |= 0x0004;    // MOD_SHIFT
  if (flags & kHotkeyControl) modifiers |= 0x0002;  // MOD_CONTROL
  if (flags & kHotkeyAlt) modifiers |= 0x0001;      // MOD_ALT
  return {modifiers, hotkey & 0xFF};
}

std::string HotkeyName(std::uint32_t hotkey, const KeyNameLookup& keyName) {
  const unsigned key = hotkey & 0xFF, flags = (hotkey >> 8) & 0xFF;
  if (key == 0 && flags == 0) return std::string();
  std::string name;
  if (flags & kHotkeyControl) name += keyName(kVirtualKeyControl, false) + " + ";
  if (flags & kHotkeyShift) name += keyName(kVirtualKeyShift, false) + " + ";
  if (flags & kHotkeyAlt) name += keyName(kVirtualKeyAlt, false) + " + ";
  return name + keyName(key, (flags & kHotkeyExtended) != 0);
}

}  // namespace tl
