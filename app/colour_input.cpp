#include "app/colour_input.h"

#include "core/colour_text.h"
#include "res/resource_ids.h"
#include "ui/formats_dialog.h"

namespace tl {

void ColourInput::Attach(HWND window, UINT dpi) {
  m_dpi = dpi;
  const Settings& settings = m_preferences.Values();
  m_readouts.SetFormats(FormatList(settings.customFormats));
  m_readouts.Sliders().SetModel(settings.sliderModel);
  m_formatRow.Attach(::GetDlgItem(window, IDC_FORMAT_BOX), m_readouts.ColourTextBox());
  SetNotation(settings.notation);
  m_formatRow.Measure(dpi);
  m_formatRow.Fit(dpi);
}

bool ColourInput::OnCommand(int id, int code) {
  switch (id) {
    case IDOK: {  // Enter outside a push button takes what was typed, if anything
      const HWND focus = ::GetFocus();
      if (focus == m_readouts.ColourTextBox()) {
        TakeTypedColour();
      } else if (const int box = m_readouts.Sliders().ValueBoxIndex(focus); box >= 0) {
        TakeSliderValue(box);
      }
      return true;
    }
    case IDC_FORMAT_BOX:
      if (code != CBN_SELCHANGE) return false;
      OnFormatChange();
      return true;
    case IDC_COLOUR_TEXT:
      if (code == EN_CHANGE) {
        m_readouts.OnColourTextEdited();
        if (m_readouts.ColourTextEdited()) m_balloon.Hide();
      }
      if (code == EN_KILLFOCUS && m_readouts.ColourTextEdited()) TakeTypedColour();
      return false;  // passed back to the box as before
    case IDC_SLIDER_VALUE_1:
    case IDC_SLIDER_VALUE_2:
    case IDC_SLIDER_VALUE_3:
      if (code == EN_CHANGE) m_readouts.Sliders().OnValueEdited(id - IDC_SLIDER_VALUE_1);
      if (code == EN_KILLFOCUS) TakeSliderValue(id - IDC_SLIDER_VALUE_1);
      return true;
    case IDC_SLIDER_MODEL:
      if (code != CBN_SELCHANGE) return false;
      OnSliderModelChange();
      return true;
    default:
      return false;
  }
}

bool ColourInput::OnScroll(HWND slider, int code) {
  const std::optional<ColourValue> edited = m_readouts.OnSliderScroll(slider, code);
  Take(edited);
  return true;
}

bool ColourInput::OnMouseWheel(int delta, POINT screen) {
  SliderPanel& sliders = m_readouts.Sliders();
  std::optional<ColourValue> edited = sliders.OnWheel(sliders.SliderAt(screen), delta);
  if (!edited) edited = sliders.OnWheel(::GetFocus(), delta);
  Take(edited);
  return edited.has_value();
}

void ColourInput::Take(const std::optional<ColourValue>& colour) {
  if (colour && onColour) onColour(*colour);
}

void ColourInput::SetNotation(int notation) {
  m_preferences.SetNotation(notation);
  m_formatRow.Fill(m_readouts.Formats(), notation);
  m_readouts.SetNotation(notation);
}

void ColourInput::OnFormatChange() {
  const int chosen = m_formatRow.ChosenId(m_readouts.Formats());
  if (chosen < 0) return;
  m_preferences.SetNotation(chosen);
  m_readouts.SetNotation(chosen);
  m_formatRow.Fit(m_dpi);
}

// Text that names no colour changes nothing: it stays for the user to mend, and
// a balloon says why.
void ColourInput::TakeTypedColour() {
  const HWND box = m_readouts.ColourTextBox();
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(box)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
  if (const std::optional<ColourValue> colour = ParseColourText(text, m_readouts.Notation())) {
    m_balloon.Hide();
    Take(colour);
  } else {
    m_balloon.Show(box, "Not a colour: " + text);
  }
}

void ColourInput::TakeSliderValue(int index) {
  SliderPanel& sliders = m_readouts.Sliders();
  if (sliders.ValueEdited(index)) Take(sliders.TakeValue(index));
}

void ColourInput::OnSliderModelChange() {
  SliderPanel& sliders = m_readouts.Sliders();
  const SliderModel chosen = sliders.ChosenModel();
  if (chosen == sliders.Model()) return;
  sliders.SetModel(chosen);
  m_preferences.SetSliderModel(chosen);
}

// The formats are kept at OK; the notation chosen follows its format, or falls
// back to RGB when its format went.
void ColourInput::EditFormats() {
  FormatsDialog dialog(m_readouts.Formats().Custom(), m_readouts.Colour());
  if (dialog.Run(::GetActiveWindow()) != IDOK) return;
  const CustomFormatEditor& editor = dialog.Editor();
  const int notation = editor.NotationAfter(m_readouts.Notation());
  m_preferences.SetCustomFormats(editor.Formats());
  m_readouts.SetFormats(FormatList(editor.Formats()));
  SetNotation(notation);
  m_formatRow.Fit(m_dpi);
}

void ColourInput::CopyColourText() {
  const HWND box = m_readouts.ColourTextBox();
  ::SendMessageA(box, EM_SETSEL, 0, -1);
  ::SendMessageA(box, EM_SCROLLCARET, 0, 0);
  ::SendMessageA(box, WM_COPY, 0, 0);
}

void ColourInput::OnDpiChanged(UINT dpi) {
  m_dpi = dpi;
  m_formatRow.Fit(dpi);
}

}  // namespace tl
