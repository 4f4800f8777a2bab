#pragma once
// The advanced layout's sliders: a model box (RGB, HSL, HSV, OKLCH), three
// labels naming the model's parts, three sliders spanning them and a value box
// beside each that shows the slider's value and takes a typed one. The sliders
// follow the colour shown, except when the colour came from them: then they stay
// where the user put them.

#include <windows.h>

#include <optional>

#include "core/colour.h"
#include "core/slider_model.h"
#include "ui/label.h"

namespace tl {

class SliderPanel {
 public:
  // The controls of the main window's template, in the RGB model.
  void Attach(HWND dialog);

  SliderModel Model() const { return m_model; }
  // Names, ranges and places for another model, for the colour shown.
  void SetModel(SliderModel model);
  // The model chosen in the model box.
  SliderModel ChosenModel() const;

  // Called on every colour shown, so it does nothing for the colour it stands for.
  void Show(ColourValue colour);
  // A slider moved by the user, in any way (thumb, keys, wheel, a click beside
  // the thumb): the colour the sliders stand for now.
  std::optional<ColourValue> OnScroll(HWND slider, int code);

  // The wheel turned over a slider that leaves it to its parent (Wine's does),
  // a line per notch, as its Up and Down keys move it: the colour it sets.
  std::optional<ColourValue> OnWheel(HWND slider, int delta);
  // The shown slider at a point of the screen, or null.
  HWND SliderAt(POINT screen) const;

  // Index of a value box, or -1.
  int ValueBoxIndex(HWND window) const;
  // The user typed into a value box: it no longer shows what we wrote.
  void OnValueEdited(int index) { m_values[index].OnChanged(); }
  bool ValueEdited(int index) const { return !m_values[index].Known(); }
  // A typed value taken (Enter, or the focus leaving after an edit): the colour
  // with the slider moved there; none when it is not a number, and the box
  // shows the slider's value again.
  std::optional<ColourValue> TakeValue(int index);

 private:
  // The sliders and value boxes at the coordinates now.
  int SliderIndex(HWND slider) const;
  void Place();
  // The colour after the user set part `index` to `position`.
  ColourValue MoveTo(int index, int position);

  HWND m_group = nullptr;
  HWND m_modelBox = nullptr;
  Label m_labels[3];
  HWND m_sliders[3] = {};
  Label m_values[3];
  SliderModel m_model = SliderModel::Rgb;
  SliderCoordinates m_coordinates{};
  int m_placed[3] = {-1, -1, -1};          // the slider positions last set
  std::optional<ColourValue> m_standsFor;  // the colour the sliders stand for
};

}  // namespace tl
