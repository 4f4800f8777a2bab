#pragma once
// What the main window shows of a sample and of the current colour: the
// magnifier, the pointer's position, the zoom level, the colour text in the
// chosen notation or custom format, the "R G B" label, the swatch and the sliders. Each
// control is written only when what it shows changes: this runs on every pointer
// move, and most moves land on the same colour.

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "app/slider_panel.h"
#include "core/colour.h"
#include "core/custom_formats.h"
#include "platform/gdi.h"
#include "ui/framed_fill_static.h"
#include "ui/label.h"

namespace tl {

class ReadoutView {
 public:
  // The controls of the main window's template.
  void Attach(HWND dialog);
  // The built-in notations and the user's own formats.
  void SetFormats(FormatList formats) { m_formats = std::move(formats); }
  const FormatList& Formats() const { return m_formats; }

  // The current colour: shown everywhere, and what the window keeps or copies.
  void Show(ColourValue colour);
  ColourValue Colour() const { return m_shown.value_or(kWhite); }
  // The colour text for the colour shown, in another notation.
  void SetNotation(int notation);
  int Notation() const { return m_notation; }
  // A colour as the colour text writes it in the current notation.
  std::string Text(ColourValue colour) const { return m_formats.Text(colour, m_notation); }
  void ShowZoom(int zoomLevel) { m_zoomLabel.SetText(ZoomLabelText(zoomLevel)); }
  void ShowSample(HBITMAP magnified, POINT pointer);
  // A picture remade at another size replaces the one shown, if one is.
  void ReplacePicture(HBITMAP magnified);
  SIZE MagnifierSize() const;
  HWND Magnifier() const { return m_magnifier.Handle(); }

  // A slider the user moved, in any way: the colour it sets.
  std::optional<ColourValue> OnSliderScroll(HWND slider, int code) {
    return m_sliders.OnScroll(slider, code);
  }
  SliderPanel& Sliders() { return m_sliders; }
  // The user typed into the colour text: it no longer shows what we wrote.
  void OnColourTextEdited() { m_colourText.OnChanged(); }
  bool ColourTextEdited() const { return !m_colourText.Known(); }
  HWND ColourTextBox() const { return m_colourText.Handle(); }

  // Twelve points at the window's DPI.
  void MakeFont(UINT dpi);

 private:
  FramedFillStatic m_magnifier;
  FramedFillStatic m_swatch;
  Label m_colourText;  // editable: the user may type over it
  Label m_positionLabel;
  Label m_rgbLabel;
  Label m_zoomLabel;
  SliderPanel m_sliders;
  FormatList m_formats;
  GdiObject<HFONT> m_colourTextFont;
  std::optional<ColourValue> m_shown;
  int m_notation = kNotationRgb;
};

}  // namespace tl
