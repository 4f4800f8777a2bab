#pragma once
// How the user sets a colour by hand and chooses how it reads: the format box,
// the colour text typed over, the sliders, their value boxes and model, and the
// Formats dialog. A colour so set goes out through one callback.

#include <windows.h>

#include <functional>
#include <optional>

#include "app/preferences.h"
#include "app/readout_view.h"
#include "core/colour.h"
#include "ui/balloon_tip.h"
#include "ui/format_box.h"

namespace tl {

class ColourInput {
 public:
  ColourInput(ReadoutView& readouts, Preferences& preferences)
      : m_readouts(readouts), m_preferences(preferences) {}

  std::function<void(ColourValue)> onColour;

  // Once the read-outs are attached: the formats and the notation stored, the
  // slider model, and the format box fitted at the window's DPI.
  void Attach(HWND window, UINT dpi);
  // The commands of these controls, and Enter (IDOK) in a box; false when the
  // command is not theirs, or is to go on to the control as before.
  bool OnCommand(int id, int code);
  bool OnScroll(HWND slider, int code);
  // A slider under the pointer, or else one with the focus, that left the wheel
  // to the window. False when the wheel was over nothing of ours.
  bool OnMouseWheel(int delta, POINT screen);
  void EditFormats();
  // The copy button: whatever stands in the colour text now, typed or not.
  void CopyColourText();
  void OnDpiChanged(UINT dpi);

 private:
  void OnFormatChange();
  // A colour typed into the colour text, or a value into a slider's box, taken.
  void TakeTypedColour();
  void TakeSliderValue(int index);
  void OnSliderModelChange();
  void SetNotation(int notation);
  void Take(const std::optional<ColourValue>& colour);

  ReadoutView& m_readouts;
  Preferences& m_preferences;
  FormatBox m_formatRow;  // the format box, fitted beside the colour text
  BalloonTip m_balloon;   // why a typed colour was not taken
  UINT m_dpi = 0;
};

}  // namespace tl
