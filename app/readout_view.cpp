#include "app/readout_view.h"

#include <commctrl.h>

#include <cstdlib>

#include "res/resource_ids.h"

namespace tl {

void ReadoutView::Attach(HWND dialog) {
  m_magnifier.Attach(::GetDlgItem(dialog, IDC_MAGNIFIER));
  m_magnifier.useBitmap = 1;
  m_swatch.Attach(::GetDlgItem(dialog, IDC_SWATCH));
  m_swatch.useBitmap = 0;
  m_colourText.Attach(::GetDlgItem(dialog, IDC_COLOUR_TEXT));
  m_positionLabel.Attach(::GetDlgItem(dialog, IDC_POSITION_LABEL));
  m_rgbLabel.Attach(::GetDlgItem(dialog, IDC_RGB_LABEL));
  m_zoomLabel.Attach(::GetDlgItem(dialog, IDC_ZOOM_LABEL));
  const int ids[3] = {IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER};
  for (int i = 0; i < 3; ++i) {
    m_sliders[i] = ::GetDlgItem(dialog, ids[i]);
    ::SendMessageA(m_sliders[i], TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
  }
}

void ReadoutView::Show(ColourValue colour) {
  // The text is offered every time: the user may have typed over it.
  m_colourText.SetText(NotationText(colour, m_notation));
  if (m_shown != colour) {
    m_rgbLabel.SetText(RgbLabelText(colour));
    m_swatch.fillColour = colour;
    ::InvalidateRect(m_swatch.Handle(), nullptr, TRUE);
  }
  const int positions[3] = {static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                            static_cast<int>(BlueOf(colour))};
  for (int i = 0; i < 3; ++i) {
    if (m_sliderShown[i] == positions[i]) continue;
    ::SendMessageA(m_sliders[i], TBM_SETPOS, TRUE, positions[i]);
    m_sliderShown[i] = positions[i];
  }
  m_shown = colour;
}

void ReadoutView::SetNotation(int notation) {
  m_notation = notation;
  if (m_shown) m_colourText.SetText(NotationText(*m_shown, m_notation));
}

void ReadoutView::ShowSample(HBITMAP magnified, POINT pointer) {
  m_magnifier.bitmap = magnified;
  ::InvalidateRect(m_magnifier.Handle(), nullptr, TRUE);
  m_positionLabel.SetText(PositionLabelText(pointer.x, pointer.y));
}

void ReadoutView::ReplacePicture(HBITMAP magnified) {
  if (m_magnifier.bitmap) m_magnifier.bitmap = magnified;
}

// Measured from the view's window rectangle, so the picture covers it exactly.
SIZE ReadoutView::MagnifierSize() const {
  RECT view{};
  ::GetWindowRect(m_magnifier.Handle(), &view);
  return {view.right - view.left, view.bottom - view.top};
}

int ReadoutView::SliderIndex(HWND slider) const {
  for (int i = 0; i < 3; ++i) {
    if (m_sliders[i] == slider) return i;
  }
  return -1;
}

std::optional<ColourValue> ReadoutView::OnSliderScroll(HWND slider, int code, int position) {
  const int index = SliderIndex(slider);
  if (index < 0) return std::nullopt;
  const bool dragged = code == TB_THUMBPOSITION || code == TB_THUMBTRACK;
  // A dragged thumb stands where the new colour puts it: it is not moved back
  // under the user's hand. Anything else leaves the slider unknown.
  m_sliderShown[index] = dragged ? (position & 0xFF) : -1;
  if (!dragged || !m_shown) return std::nullopt;
  unsigned parts[3] = {RedOf(*m_shown), GreenOf(*m_shown), BlueOf(*m_shown)};
  parts[index] = static_cast<unsigned>(position) & 0xFF;
  return MakeColour(parts[0], parts[1], parts[2]);
}

// Redrawn only when it replaces another font: at start the window is not shown yet.
void ReadoutView::MakeFont(UINT dpi) {
  const int height = -std::abs(::MulDiv(static_cast<int>(dpi), 120, 720));
  GdiObject<HFONT> font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial Bold"));
  ::SendMessageA(m_colourText.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()),
                 m_colourTextFont ? TRUE : FALSE);
  m_colourTextFont = std::move(font);
}

}  // namespace tl
