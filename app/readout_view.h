#pragma once
// What the main window shows of a sample and of the current colour: the
// magnifier, the pointer's position, the zoom level, the colour text in the
// chosen notation, the "R G B" label, the swatch and the three sliders. Each
// control is written only when what it shows changes: this runs on every pointer
// move, and most moves land on the same colour.

#include <windows.h>

#include <optional>

#include "core/colour.h"
#include "platform/gdi.h"
#include "ui/framed_fill_static.h"
#include "ui/label.h"

namespace tl {

class ReadoutView {
 public:
  // The controls of the main window's template.
  void Attach(HWND dialog);

  void Show(ColourValue colour);
  // The colour text for the colour shown, in another notation.
  void SetNotation(int notation);
  void ShowZoom(int zoomLevel) { m_zoomLabel.SetText(ZoomLabelText(zoomLevel)); }
  void ShowSample(HBITMAP magnified, POINT pointer);
  // A picture remade at another size replaces the one shown, if one is.
  void ReplacePicture(HBITMAP magnified);
  SIZE MagnifierSize() const;
  HWND Magnifier() const { return m_magnifier.Handle(); }

  // A slider the user moved: a dragged thumb gives the shown colour with that
  // slider's part changed; keys and page clicks only move the slider, which the
  // next colour shown puts right again.
  std::optional<ColourValue> OnSliderScroll(HWND slider, int code, int position);
  // The user typed into the colour text: it no longer shows what we wrote.
  void OnColourTextEdited() { m_colourText.OnChanged(); }
  HWND ColourTextBox() const { return m_colourText.Handle(); }

  // Twelve points at the window's DPI.
  void MakeFont(UINT dpi);

 private:
  int SliderIndex(HWND slider) const;

  FramedFillStatic m_magnifier;
  FramedFillStatic m_swatch;
  Label m_colourText;  // editable: the user may type over it
  Label m_positionLabel;
  Label m_rgbLabel;
  Label m_zoomLabel;
  HWND m_sliders[3] = {};  // red, green, blue
  int m_sliderShown[3] = {-1, -1, -1};  // -1: moved by the user since we set it
  GdiObject<HFONT> m_colourTextFont;
  std::optional<ColourValue> m_shown;
  int m_notation = kNotationRgb;
};

}  // namespace tl
