#pragma once
// The settings in the registry: read once at start, each written at its moment.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/settings_codec.h"
#include <string>

namespace tl {

class SettingsStore {
 public:
  // A missing key or value gives the defaults.
  static Settings Load();
  // Each creates the key when it is missing; a key that cannot be opened is
  // skipped silently.
  static void SaveZoomLevel(int zoomLevel);
  static void SaveAlwaysOnTop(bool alwaysOnTop);
  static void SaveHotkeys(std::uint32_t startHotkey, std::uint32_t stopHotkey);
  static void SaveNotation(int notation);
  static void SaveCopyOnKeep(bool copyOnKeep);
  // A later setting by its value's name: 2 bytes of REG_BINARY.
  static void SaveTwoBytes(const char* name, std::uint16_t value);
  static void SaveSliderModel(SliderModel model);
  // An empty list removes the value.
  static void SaveCustomFormats(const std::vector<CustomFormat>& formats);
  // File > Recent Files, read and written through the UTF-16 registry calls.
  static std::vector<std::string> LoadRecentFiles();
  static void SaveRecentFiles(const std::vector<std::string>& paths);
};

}  // namespace tl
