#include "app/readout_view.h"

#include <commctrl.h>

#include <cstdlib>

#include "res/resource_ids.h"

namespace tl {

void ReadoutView::Attach(HWND dialog) {
  m_magnifier.Attach(::GetDlgItem(dialog, IDC_MAGNIFIER));
  m_magnifier.SetPictureMode(true);
  m_swatch.Attach(::GetDlgItem(dialog, IDC_SWATCH));
  m_swatch.SetPictureMode(false);
  m_colourText.Attach(::GetDlgItem(dialog, IDC_COLOUR_TEXT));
  m_positionLabel.Attach(::GetDlgItem(dialog, IDC_POSITION_LABEL));
  m_rgbLabel.Attach(::GetDlgItem(dialog, IDC_RGB_LABEL));
  m_zoomLabel.Attach(::GetDlgItem(dialog, IDC_ZOOM_LABEL));
  m_sliders.Attach(dialog);
}

void ReadoutView::Show(ColourValue colour) {
  // The text is offered every time: the user may have typed over it.
  m_colourText.SetText(Text(colour));
  if (m_shown != colour) {
    m_rgbLabel.SetText(RgbLabelText(colour));
    m_swatch.SetFillColour(colour);
    ::InvalidateRect(m_swatch.Handle(), nullptr, TRUE);
  }
  m_sliders.Show(colour);
  m_shown = colour;
}

void ReadoutView::SetNotation(int notation) {
  m_notation = notation;
  if (m_shown) m_colourText.SetText(Text(*m_shown));
}

void ReadoutView::ShowSample(HBITMAP magnified, POINT pointer) {
  m_magnifier.SetPicture(magnified);
  ::InvalidateRect(m_magnifier.Handle(), nullptr, TRUE);
  m_positionLabel.SetText(PositionLabelText(pointer.x, pointer.y));
}

void ReadoutView::ReplacePicture(HBITMAP magnified) {
  if (m_magnifier.Picture()) m_magnifier.SetPicture(magnified);
}

// Measured from the view's window rectangle, so the picture covers it exactly.
SIZE ReadoutView::MagnifierSize() const {
  RECT view{};
  ::GetWindowRect(m_magnifier.Handle(), &view);
  return {view.right - view.left, view.bottom - view.top};
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
