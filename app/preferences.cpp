#include "app/preferences.h"

#include "res/resource_ids.h"
#include "settings/global_hotkeys.h"
#include "settings/settings_store.h"
#include "ui/options_dialog.h"

namespace tl {
namespace {

struct SwitchRow {
  Switch which;
  bool Settings::*field;
  const char* value;  // its registry value's name
  UINT menuItem;
};

constexpr SwitchRow kSwitches[] = {
    {Switch::CopyOnKeep, &Settings::copyOnKeep, kCopyOnKeepValue, ID_COPY_WHEN_KEPT},
    {Switch::ClickKeeps, &Settings::clickKeeps, kClickKeepsValue, ID_CLICK_KEEPS},
    {Switch::LoupeAtPointer, &Settings::loupeAtPointer, kLoupeAtPointerValue, ID_LOUPE_AT_POINTER},
    {Switch::PixelGrid, &Settings::pixelGrid, kPixelGridValue, ID_PIXEL_GRID},
};

const SwitchRow& RowOf(Switch which) {
  for (const SwitchRow& row : kSwitches) {
    if (row.which == which) return row;
  }
  return kSwitches[0];
}

}  // namespace

void Preferences::Load() { m_settings = SettingsStore::Load(); }

bool Preferences::On(Switch which) const { return m_settings.*RowOf(which).field; }

void Preferences::CheckMenu(HMENU menu) const {
  for (const SwitchRow& row : kSwitches) {
    ::CheckMenuItem(menu, row.menuItem, m_settings.*row.field ? MF_CHECKED : MF_UNCHECKED);
  }
  for (std::size_t i = 0; i < kSampleSizes.size(); ++i) {
    if (kSampleSizes[i] == m_settings.sampleSize) {
      ::CheckMenuRadioItem(menu, ID_SAMPLE_1, ID_SAMPLE_9, ID_SAMPLE_1 + static_cast<UINT>(i),
                           MF_BYCOMMAND);
    }
  }
}

bool Preferences::Toggle(Switch which) {
  const SwitchRow& row = RowOf(which);
  bool& on = m_settings.*row.field;
  on = !on;
  SettingsStore::SaveTwoBytes(row.value, on ? 1 : 0);
  return on;
}

void Preferences::SetNotation(int notation) {
  if (notation != m_settings.notation) SettingsStore::SaveNotation(notation);
  m_settings.notation = notation;
}

void Preferences::SetSampleSize(int size) {
  m_settings.sampleSize = size;
  SettingsStore::SaveTwoBytes(kSampleSizeValue, static_cast<std::uint16_t>(size));
}

void Preferences::SetSliderModel(SliderModel model) {
  m_settings.sliderModel = model;
  SettingsStore::SaveSliderModel(model);
}

void Preferences::SetCustomFormats(const std::vector<CustomFormat>& formats) {
  m_settings.customFormats = formats;
  SettingsStore::SaveCustomFormats(formats);
}

void Preferences::SetAlwaysOnTop(bool alwaysOnTop) {
  m_settings.alwaysOnTop = alwaysOnTop;
  SettingsStore::SaveAlwaysOnTop(alwaysOnTop);
}

void Preferences::SaveOnExit() const { SettingsStore::SaveZoomLevel(m_settings.zoomLevel); }

bool Preferences::RegisterHotkeys(HWND window) const {
  const std::vector<std::uint32_t> refused =
      GlobalHotkeys::Register(window, m_settings.startHotkey, m_settings.stopHotkey);
  if (refused.empty()) return true;
  ::MessageBoxA(window, GlobalHotkeys::RefusedText(refused).c_str(), "", MB_OK);
  return false;
}

void Preferences::EditOptions(HWND window) {
  GlobalHotkeys::Unregister(window);
  OptionsDialog dialog(m_settings.startHotkey, m_settings.stopHotkey, m_settings.maxZoomLevel);
  if (dialog.Run(::GetActiveWindow()) == IDOK) {
    m_settings.startHotkey = dialog.StartHotkey();
    m_settings.stopHotkey = dialog.StopHotkey();
    m_settings.maxZoomLevel = dialog.LargestZoom();
    SettingsStore::SaveTwoBytes(kMaxZoomLevelValue,
                                static_cast<std::uint16_t>(m_settings.maxZoomLevel));
  }
  if (RegisterHotkeys(window)) {
    SettingsStore::SaveHotkeys(m_settings.startHotkey, m_settings.stopHotkey);
  }
}

}  // namespace tl
