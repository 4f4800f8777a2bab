#pragma once
// The settings as the registry keeps them: each a 2-byte REG_BINARY value,
// little-endian, under HKEY_CURRENT_USER\Software\Quorvane\Tintlens\. Portable.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/colour.h"
#include "core/custom_formats.h"
#include "core/magnifier_geometry.h"
#include "core/slider_model.h"
#include "res/product.h"

namespace tl {

constexpr const char* kSettingsKey = "Software\\Quorvane\\" TL_PROGRAM_NAME "\\";
constexpr const char* kStartHotkeyValue = "Start Hotkey";
constexpr const char* kStopHotkeyValue = "Stop Hotkey";
constexpr const char* kAlwaysOnTopValue = "AlwaysOnTop";
constexpr const char* kZoomLevelValue = "ZoomLevel";
// Added later; read more strictly than the first four, which keep their old reading.
constexpr const char* kNotationValue = "Notation";
constexpr const char* kCopyOnKeepValue = "CopyOnKeep";
// The loupe's settings, each off (or 8, or 1) when missing or not understood.
constexpr const char* kMaxZoomLevelValue = "MaxZoomLevel";
constexpr const char* kPixelGridValue = "PixelGrid";
constexpr const char* kSampleSizeValue = "SampleSize";
constexpr const char* kClickKeepsValue = "ClickKeeps";
constexpr const char* kLoupeAtPointerValue = "LoupeAtPointer";
constexpr const char* kSliderModelValue = "SliderModel";
constexpr const char* kCustomFormatsValue = "CustomFormats";  // REG_MULTI_SZ

constexpr std::uint32_t kDefaultStartHotkey = 0x027A;  // Ctrl + F11
constexpr std::uint32_t kDefaultStopHotkey = 0x037A;   // Ctrl + Shift + F11

// A stored value as the program reads it: into a zeroed 32-bit variable through
// a 4-byte buffer, whatever the value's type. A missing value, or one too large
// for the buffer, reads as 0.
std::uint32_t DecodeSettingValue(const std::uint8_t* data, std::size_t size);
constexpr std::size_t kSettingBufferSize = 4;

// The 2 bytes written for a setting: its low 16 bits, little-endian.
std::vector<std::uint8_t> EncodeSettingValue(std::uint32_t value);

struct Settings {
  std::uint32_t startHotkey = kDefaultStartHotkey;
  std::uint32_t stopHotkey = kDefaultStopHotkey;
  bool alwaysOnTop = false;
  int zoomLevel = kDefaultZoomLevel;
  int notation = kNotationRgb;
  bool copyOnKeep = false;
  int maxZoomLevel = kMaxZoomLevel;
  bool pixelGrid = false;
  int sampleSize = 1;
  bool clickKeeps = false;
  bool loupeAtPointer = false;
  SliderModel sliderModel = SliderModel::Rgb;
  std::vector<CustomFormat> customFormats;
};

// A later setting's value, taken only when it is what the program writes: 2 bytes
// of REG_BINARY. Any other type or size reads as missing.
std::optional<std::uint16_t> DecodeTwoByteValue(bool binary, const std::uint8_t* data,
                                                std::size_t size);
// The stored notation id when it is in the table or names one of the custom
// formats there are, else RGB.
int NotationFromStored(std::optional<std::uint16_t> stored, std::size_t customFormatCount = 0);
// On only for exactly 01 00: Copy When Kept and every later check item.
bool CopyOnKeepFromStored(std::optional<std::uint16_t> stored);
inline bool SwitchFromStored(std::optional<std::uint16_t> stored) {
  return CopyOnKeepFromStored(stored);
}

// The values read (0 for missing) over the built-in ones: a stored 0 means the
// default for the hotkeys, and a zoom level below 1 (0, or negative as a signed
// 32-bit number) means the default zoom level.
Settings ApplyStoredValues(std::uint32_t startHotkey, std::uint32_t stopHotkey,
                           std::uint32_t alwaysOnTop, std::uint32_t zoomLevel);

}  // namespace tl
