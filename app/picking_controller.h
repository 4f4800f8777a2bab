#pragma once
// Everything that reads the screen for the main window: the sampler, the picking
// session and its pointer hook, the zoom level and sample size, the loupe, the
// nudges of the arrow keys and the eyedropper's drags. Each colour read goes out
// through one callback; the window shows it. The sampler benchmark measures this.

#include <windows.h>

#include <functional>
#include <string>

#include "app/preferences.h"
#include "app/readout_view.h"
#include "core/colour.h"
#include "core/magnifier_geometry.h"
#include "core/picking_session.h"
#include "core/pointer_hold.h"
#include "sampling/screen_sampler.h"
#include "ui/loupe_window.h"
#include "ui/picker_icon_static.h"
#include "ui/press_watcher.h"

namespace tl {

class PickingController final : private PickingHost {
 public:
  explicit PickingController(Preferences& preferences) : m_preferences(preferences) {}

  // Each colour read from the screen.
  std::function<void(ColourValue)> onSample;
  // A click, the start hotkey or a drag's release kept the colour just read.
  std::function<void()> onKeep;
  // The loupe's text for a colour: the window's current notation.
  std::function<std::string(ColourValue)> loupeText;

  // Once the window's controls are attached, at the window's DPI.
  void Attach(HWND window, ReadoutView& readouts, PickerIconStatic& pickerIcon,
              PressWatcher& pickButton, UINT dpi);
  // The sampler's own messages and timer; false for any other message.
  bool OnMessage(UINT message, WPARAM wParam);

  void TogglePicking() { m_session.Toggle(); }
  // The program is ending.
  void Stop() { m_session.Stop(); }
  bool Picking() const { return m_session.Picking(); }
  bool Dragging() const { return m_pickerIcon->Dragging(); }
  HBITMAP Picture() const { return m_sampler.Bitmap(); }
  int ZoomLevel() const { return m_preferences.Values().zoomLevel; }
  int SampleSize() const { return m_preferences.Values().sampleSize; }

  // The first sample, wherever the pointer is, even over our own window.
  void SampleAtStart() { TakeSample(PointerNow(), false); }
  void Zoom(bool in);
  void SetSampleSize(int size);
  // The menu's loupe switches, saved and put in force.
  void Toggle(Switch which);
  // The start hotkey: during a session, the colour under the pointer now is kept.
  void OnStartHotkey();
  // The arrow keys while picking or dragging; false when the key is not one.
  bool Nudge(WPARAM key);
  // The virtual screen's rectangle changed, or may have.
  void ReadScreenArea() { m_sampler.ReadScreenArea(); }
  // The window's controls have their places and sizes for the new DPI.
  void OnDpiChanged(UINT dpi);

 private:
  bool InstallPointerHook() override;
  void RemovePointerHook() override;
  void RequestSample() override;
  void ShowPicking(bool picking) override;

  POINT PointerNow() const;
  void OnSampleRequest();
  void OnOwnWindowPress(bool onPickButton);
  // False when nothing was read: the point is on our own windows (and those are
  // skipped), or the screen could not be read.
  // `settle`: a keep, which waits for the screen the loupe leaves to be painted.
  bool TakeSample(POINT pointer, bool skipOwnWindows, bool settle = false);
  void RedrawMagnifier();
  void MeasureMagnifier();
  void ShowLoupe(bool show);
  void OnLoupeSettled();
  Rect SourceRectAt(POINT pointer) const;
  Rect ScreenRect();
  ScreenSampler::Options SampleOptions() const;
  void OnIconDragMove(POINT point);
  void OnIconDragRelease(POINT point);

  Preferences& m_preferences;
  HWND m_window = nullptr;
  ReadoutView* m_readouts = nullptr;
  PickerIconStatic* m_pickerIcon = nullptr;
  UINT m_dpi = 0;
  ScreenSampler m_sampler;
  PickingSession m_session{*this};
  PointerHold m_dragHold;  // against stale moves after a nudge during a drag
  LoupeWindow m_loupe;
  bool m_loupeSettling = false;  // a sample waits for the screen the loupe left
  static constexpr UINT_PTR kLoupeSettleTimer = 1;
  static constexpr UINT kLoupeSettleMilliseconds = 60;
  POINT m_lastSamplePoint{};
};

}  // namespace tl
