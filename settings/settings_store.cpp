#include "settings/settings_store.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/multi_string.h"
#include "core/recent_files.h"
#include "platform/code_page.h"
#include "platform/handles.h"

namespace tl {
namespace {

std::uint32_t Read(HKEY key, const char* name) {
  std::uint8_t buffer[kSettingBufferSize] = {};
  DWORD size = sizeof buffer;
  // The type is not examined; a value too large for the buffer fails and so
  // reads as missing.
  if (::RegQueryValueExA(key, name, nullptr, nullptr, buffer, &size) != ERROR_SUCCESS) return 0;
  return DecodeSettingValue(buffer, size);
}

std::optional<std::uint16_t> ReadTwoBytes(HKEY key, const char* name) {
  std::uint8_t buffer[kSettingBufferSize] = {};
  DWORD size = sizeof buffer, type = REG_NONE;
  if (::RegQueryValueExA(key, name, nullptr, &type, buffer, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return DecodeTwoByteValue(type == REG_BINARY, buffer, size);
}

// REG_MULTI_SZ, read whole whatever its length; another type reads as missing.
std::vector<std::string> ReadStrings(HKEY key, const char* name) {
  DWORD size = 0, type = REG_NONE;
  if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ) {
    return {};
  }
  std::string buffer(size, '\0');
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ) {
    return {};
  }
  return SplitMultiString(buffer.data(), std::min<std::size_t>(size, buffer.size()));
}

bool OpenForWriting(UniqueKey& key) {
  return ::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS, nullptr, key.Put(), nullptr) == ERROR_SUCCESS;
}

void Write(std::initializer_list<std::pair<const char*, std::uint32_t>> values) {
  UniqueKey key;
  if (!OpenForWriting(key)) return;
  for (const auto& [name, value] : values) {
    const std::vector<std::uint8_t> bytes = EncodeSettingValue(value);
    ::RegSetValueExA(key.Get(), name, 0, REG_BINARY, bytes.data(),
                     static_cast<DWORD>(bytes.size()));
  }
}

}  // namespace

Settings SettingsStore::Load() {
  UniqueKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
    return ApplyStoredValues(0, 0, 0, 0);
  }
  const std::uint32_t start = Read(key.Get(), kStartHotkeyValue);
  const std::uint32_t stop = Read(key.Get(), kStopHotkeyValue);
  const std::uint32_t onTop = Read(key.Get(), kAlwaysOnTopValue);
  const std::uint32_t zoom = Read(key.Get(), kZoomLevelValue);
  Settings settings = ApplyStoredValues(start, stop, onTop, zoom);
  settings.copyOnKeep = CopyOnKeepFromStored(ReadTwoBytes(key.Get(), kCopyOnKeepValue));
  settings.maxZoomLevel = LargestZoomFromStored(ReadTwoBytes(key.Get(), kMaxZoomLevelValue));
  settings.pixelGrid = SwitchFromStored(ReadTwoBytes(key.Get(), kPixelGridValue));
  settings.sampleSize = SampleSizeFromStored(ReadTwoBytes(key.Get(), kSampleSizeValue));
  settings.clickKeeps = SwitchFromStored(ReadTwoBytes(key.Get(), kClickKeepsValue));
  settings.loupeAtPointer = SwitchFromStored(ReadTwoBytes(key.Get(), kLoupeAtPointerValue));
  settings.sliderModel = SliderModelFromStored(ReadTwoBytes(key.Get(), kSliderModelValue));
  settings.customFormats = DecodeCustomFormats(ReadStrings(key.Get(), kCustomFormatsValue));
  // A custom format's id means something only beside the formats stored with it.
  settings.notation =
      NotationFromStored(ReadTwoBytes(key.Get(), kNotationValue), settings.customFormats.size());
  return settings;
}

void SettingsStore::SaveZoomLevel(int zoomLevel) {
  Write({{kZoomLevelValue, static_cast<std::uint32_t>(zoomLevel)}});
}

void SettingsStore::SaveAlwaysOnTop(bool alwaysOnTop) {
  Write({{kAlwaysOnTopValue, alwaysOnTop ? 1u : 0u}});
}

void SettingsStore::SaveNotation(int notation) {
  Write({{kNotationValue, static_cast<std::uint32_t>(notation)}});
}

void SettingsStore::SaveCopyOnKeep(bool copyOnKeep) {
  Write({{kCopyOnKeepValue, copyOnKeep ? 1u : 0u}});
}

void SettingsStore::SaveTwoBytes(const char* name, std::uint16_t value) { Write({{name, value}}); }
void SettingsStore::SaveSliderModel(SliderModel model) {
  Write({{kSliderModelValue, static_cast<std::uint32_t>(model)}});
}

void SettingsStore::SaveCustomFormats(const std::vector<CustomFormat>& formats) {
  UniqueKey key;
  if (!OpenForWriting(key)) return;
  if (formats.empty()) {
    ::RegDeleteValueA(key.Get(), kCustomFormatsValue);
    return;
  }
  const std::string joined = JoinMultiString(EncodeCustomFormats(formats));
  ::RegSetValueExA(key.Get(), kCustomFormatsValue, 0, REG_MULTI_SZ,
                   reinterpret_cast<const BYTE*>(joined.data()), static_cast<DWORD>(joined.size()));
}

void SettingsStore::SaveHotkeys(std::uint32_t startHotkey, std::uint32_t stopHotkey) {
  Write({{kStartHotkeyValue, startHotkey}, {kStopHotkeyValue, stopHotkey}});
}

// Read whole whatever its length; an odd byte count loses only its last byte.
std::vector<std::string> SettingsStore::LoadRecentFiles() {
  UniqueKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
    return {};
  }
  const std::u16string name = WideOfCodePage(kRecentFilesValue);
  DWORD size = 0, type = REG_NONE;
  if (::RegQueryValueExW(key.Get(), WideChars(name), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      type != REG_MULTI_SZ) {
    return {};
  }
  std::u16string units(size / sizeof(char16_t) + 1, u'\0');
  if (::RegQueryValueExW(key.Get(), WideChars(name), nullptr, &type,
                         reinterpret_cast<BYTE*>(units.data()), &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ) {
    return {};
  }
  units.resize(std::min<std::size_t>(size / sizeof(char16_t), units.size()));
  // A path the code page cannot hold would name another file: it is left out.
  std::vector<std::string> paths;
  for (const std::u16string& stored : SplitMultiString(units.data(), units.size())) {
    if (std::optional<std::string> path = CodePageOfWide(stored)) {
      paths.push_back(std::move(*path));
    }
  }
  return RecentFiles(paths).Paths();
}

void SettingsStore::SaveRecentFiles(const std::vector<std::string>& paths) {
  UniqueKey key;
  if (!OpenForWriting(key)) return;
  const std::u16string name = WideOfCodePage(kRecentFilesValue);
  if (paths.empty()) {
    ::RegDeleteValueW(key.Get(), WideChars(name));
    return;
  }
  std::vector<std::u16string> stored;
  for (const std::string& path : paths) {
    stored.push_back(WideOfCodePage(path));
  }
  const std::u16string units = JoinMultiString(stored);
  ::RegSetValueExW(key.Get(), WideChars(name), 0, REG_MULTI_SZ,
                   reinterpret_cast<const BYTE*>(units.data()),
                   static_cast<DWORD>(units.size() * sizeof(char16_t)));
}

}  // namespace tl
