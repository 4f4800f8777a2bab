#pragma once
// Every setting the main window uses, in one place: read once at start, each
// saved the moment it changes, and the two hotkeys registered from here.

#include <windows.h>

#include <vector>

#include "core/settings_codec.h"

namespace tl {

// The menu's check items, each kept as 01 00 when on.
enum class Switch { CopyOnKeep, ClickKeeps, LoupeAtPointer, PixelGrid };

class Preferences {
 public:
  void Load();
  const Settings& Values() const { return m_settings; }

  bool On(Switch which) const;
  // The check marks of the settings the menus show: the switches and the sample size.
  void CheckMenu(HMENU menu) const;
  // Returns the new state.
  bool Toggle(Switch which);
  void SetNotation(int notation);
  void SetSampleSize(int size);
  void SetSliderModel(SliderModel model);
  void SetCustomFormats(const std::vector<CustomFormat>& formats);
  void SetAlwaysOnTop(bool alwaysOnTop);
  // Kept when the program exits, as it always was, not at each turn of the wheel.
  void SetZoomLevel(int zoomLevel) { m_settings.zoomLevel = zoomLevel; }
  void SaveOnExit() const;

  // A hotkey that another program holds is named to the user; the rest still
  // work. False when one was refused.
  bool RegisterHotkeys(HWND window) const;
  // The Options dialog. The hotkeys are given up while it runs, so the user can
  // type them into its controls, and stored only when they could all be taken
  // again.
  void EditOptions(HWND window);

 private:
  Settings m_settings;
};

}  // namespace tl
