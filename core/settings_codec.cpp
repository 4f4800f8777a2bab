#include "core/settings_codec.h"

namespace tl {

std::uint32_t DecodeSettingValue(const std::uint8_t* data, std::size_t size) {
  if (!data || size > kSettingBufferSize) return 0;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t(data[i]) << (8 * i);
  return value;
}

std::vector<std::uint8_t> EncodeSettingValue(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

Settings ApplyStoredValues(std::uint32_t startHotkey, std::uint32_t stopHotkey,
                           std::uint32_t alwaysOnTop, std::uint32_t zoomLevel) {
  Settings settings;
  if (startHotkey) settings.startHotkey = startHotkey;
  if (stopHotkey) settings.stopHotkey = stopHotkey;
  settings.alwaysOnTop = alwaysOnTop != 0;
  // Read as the signed 32-bit number it is stored as. A level below 1 would leave
  // the magnifier nothing to divide by, so it falls back to the default; levels
  // above the largest stay in force, as earlier versions stored and kept them.
  const auto level = static_cast<std::int32_t>(zoomLevel);
  if (level >= kMinZoomLevel) settings.zoomLevel = level;
  return settings;
}

std::optional<std::uint16_t> DecodeTwoByteValue(bool binary, const std::uint8_t* data,
                                                std::size_t size) {
  if (!binary || !data || size != 2) return std::nullopt;
  return static_cast<std::uint16_t>(data[0] | (data[1] << 8));
}

int NotationFromStored(std::optional<std::uint16_t> stored, std::size_t customFormatCount) {
  if (!stored) return kNotationRgb;
  const int id = *stored;
  const bool custom = id >= kFirstCustomNotation &&
                      static_cast<std::size_t>(id - kFirstCustomNotation) < customFormatCount;
  return custom || NotationRowOf(id) >= 0 ? id : kNotationRgb;
}

bool CopyOnKeepFromStored(std::optional<std::uint16_t> stored) { return stored == 1; }

}  // namespace tl
