#include "app/slider_panel.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "res/resource_ids.h"

namespace tl {

void SliderPanel::Attach(HWND dialog) {
  m_group = ::GetDlgItem(dialog, IDC_RGB_GROUP);
  m_modelBox = ::GetDlgItem(dialog, IDC_SLIDER_MODEL);
  const int sliders[3] = {IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER};
  for (int i = 0; i < 3; ++i) {
    m_labels[i].Attach(::GetDlgItem(dialog, IDC_SLIDER_LABEL_1 + i));
    m_sliders[i] = ::GetDlgItem(dialog, sliders[i]);
    m_values[i].Attach(::GetDlgItem(dialog, IDC_SLIDER_VALUE_1 + i));
  }
  for (int row = 0; row < kSliderModelCount; ++row) {
    ::SendMessageA(m_modelBox, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(SliderModelInfoOf(static_cast<SliderModel>(row)).name));
  }
  SetModel(SliderModel::Rgb);
}

SliderModel SliderPanel::ChosenModel() const {
  const LRESULT row = ::SendMessageA(m_modelBox, CB_GETCURSEL, 0, 0);
  return row >= 0 && row < kSliderModelCount ? static_cast<SliderModel>(row) : m_model;
}

void SliderPanel::SetModel(SliderModel model) {
  m_model = model;
  const SliderModelInfo& info = SliderModelInfoOf(model);
  ::SendMessageA(m_modelBox, CB_SETCURSEL, static_cast<WPARAM>(model), 0);
  ::SetWindowTextA(m_group, info.group);
  for (int i = 0; i < 3; ++i) {
    m_labels[i].SetText(info.parts[i].label);
    ::SendMessageA(m_sliders[i], TBM_SETRANGEMIN, FALSE, 0);
    ::SendMessageA(m_sliders[i], TBM_SETRANGEMAX, TRUE, info.parts[i].maximum);
    ::SendMessageA(m_sliders[i], TBM_SETPAGESIZE, 0, info.parts[i].maximum / 5);
    m_placed[i] = -1;
  }
  // A hue kept from another model would mean nothing here.
  m_coordinates = {};
  if (const std::optional<ColourValue> colour = m_standsFor) {
    m_standsFor.reset();
    Show(*colour);
  }
}

void SliderPanel::Show(ColourValue colour) {
  if (m_standsFor == colour) return;
  m_coordinates = SliderCoordinatesOf(colour, m_model, m_coordinates);
  Place();
  m_standsFor = colour;
}

void SliderPanel::Place() {
  const SliderModelInfo& info = SliderModelInfoOf(m_model);
  for (std::size_t i = 0; i < 3; ++i) {
    const int position = SliderPositionOf(m_coordinates[i], info.parts[i]);
    if (m_placed[i] != position) {
      ::SendMessageA(m_sliders[i], TBM_SETPOS, TRUE, position);
      m_placed[i] = position;
    }
    m_values[i].SetText(SliderValueText(position, info.parts[i]));
  }
}

ColourValue SliderPanel::MoveTo(int index, int position) {
  const auto part = static_cast<std::size_t>(index);
  m_coordinates[part] = SliderValueAt(position, SliderModelInfoOf(m_model).parts[part]);
  Place();
  m_standsFor = ColourAtCoordinates(m_coordinates, m_model);
  return *m_standsFor;
}

int SliderPanel::SliderIndex(HWND slider) const {
  for (int i = 0; i < 3; ++i) {
    if (slider && m_sliders[i] == slider) return i;
  }
  return -1;
}

std::optional<ColourValue> SliderPanel::OnScroll(HWND slider, int code) {
  const int index = SliderIndex(slider);
  // The end of a move comes after the move itself, which was taken already.
  if (index < 0 || code == TB_ENDTRACK) return std::nullopt;
  return MoveTo(index, static_cast<int>(::SendMessageA(slider, TBM_GETPOS, 0, 0)));
}

std::optional<ColourValue> SliderPanel::OnWheel(HWND slider, int delta) {
  const int index = SliderIndex(slider);
  if (index < 0 || delta == 0) return std::nullopt;
  const int notches = delta / WHEEL_DELTA != 0 ? delta / WHEEL_DELTA : (delta > 0 ? 1 : -1);
  const auto part = SliderModelInfoOf(m_model).parts[static_cast<std::size_t>(index)];
  const int now = static_cast<int>(::SendMessageA(slider, TBM_GETPOS, 0, 0));
  const int position = std::clamp(now - notches, 0, part.maximum);
  if (position == now) return std::nullopt;
  m_placed[index] = -1;  // moved here, not by the slider
  return MoveTo(index, position);
}

HWND SliderPanel::SliderAt(POINT screen) const {
  for (const HWND slider : m_sliders) {
    RECT place{};
    ::GetWindowRect(slider, &place);
    if (::IsWindowVisible(slider) && ::PtInRect(&place, screen)) return slider;
  }
  return nullptr;
}

int SliderPanel::ValueBoxIndex(HWND window) const {
  for (int i = 0; i < 3; ++i) {
    if (window && m_values[i].Handle() == window) return i;
  }
  return -1;
}

std::optional<ColourValue> SliderPanel::TakeValue(int index) {
  char text[64] = {};
  ::GetWindowTextA(m_values[index].Handle(), text, sizeof text);
  const std::optional<int> position =
      SliderPositionOfText(text, SliderModelInfoOf(m_model).parts[static_cast<std::size_t>(index)]);
  m_values[index].Forget();  // written again either way, as the value it stands for
  if (!position) {
    Place();
    return std::nullopt;
  }
  return MoveTo(index, *position);
}

}  // namespace tl
