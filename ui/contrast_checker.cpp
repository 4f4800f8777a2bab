#include "ui/contrast_checker.h"

#include <string>
#include <string_view>
#include <utility>

#include "core/colour_text.h"
#include "platform/dpi.h"
#include "platform/window_centring.h"
#include "res/resource_ids.h"

namespace tl {
namespace {

static_assert(IDC_CHECKER_CRITERION_5 - IDC_CHECKER_CRITERION_1 + 1 == kContrastCriteria.size());
static_assert(IDC_CHECKER_SUGGESTION_4 - IDC_CHECKER_SUGGESTION_1 + 1 == kSuggestionSlots);
static_assert(IDC_CHECKER_VISION_4 - IDC_CHECKER_VISION_1 + 1 == kColourVisions.size());

constexpr const char* kNotAColour = "Not a colour";
// The preview's sizes: WCAG's large text starts at 18 points.
constexpr int kNormalPoints = 12, kLargePoints = 18;

void Fill(FramedFillStatic& swatch, ColourValue colour) {
  if (swatch.FillColour() == colour) return;
  swatch.SetFillColour(colour);
  ::InvalidateRect(swatch.Handle(), nullptr, FALSE);
}

// The slot a click on a suggestion's swatch or text stands for, or -1.
int SuggestionSlotOf(int id) {
  if (id >= IDC_CHECKER_SUGGESTION_SWATCH_1 && id <= IDC_CHECKER_SUGGESTION_SWATCH_4) {
    return id - IDC_CHECKER_SUGGESTION_SWATCH_1;
  }
  if (id >= IDC_CHECKER_SUGGESTION_1 && id <= IDC_CHECKER_SUGGESTION_4) {
    return id - IDC_CHECKER_SUGGESTION_1;
  }
  return -1;
}

}  // namespace

ContrastChecker::~ContrastChecker() {
  if (m_loop) m_loop->RemoveMessageFilter(this);
}

bool ContrastChecker::Open(HWND owner, MessageLoop& loop, ColourValue current) {
  m_current = current;
  if (!Handle()) {
    m_text = current;
    if (!CreateModeless(IDD_CONTRAST, owner)) return false;
    if (!m_loop) loop.AddMessageFilter(this);
    m_loop = &loop;
    CentreWindow(Handle(), owner);
  } else if (m_following && current != m_text) {
    SetTextColour(current, false);
  }
  m_open = true;
  ::ShowWindow(Handle(), SW_SHOW);
  ::SetForegroundWindow(Handle());
  return true;
}

void ContrastChecker::OnCurrentColour(ColourValue current) {
  m_current = current;
  if (!m_open || !m_following || current == m_text) return;
  SetTextColour(current, false);
}

void ContrastChecker::SetBackground(ColourValue colour) {
  m_background = colour;
  if (!Handle()) return;
  WriteBox(m_backgroundBox, colour);
  ShowReport();
}

// Only keys need the dialog manager (Tab, Escape, mnemonics), and taking them
// here keeps the main window's accelerators from acting on them. Every other
// message, a pointer move among them, passes at the cost of a comparison.
bool ContrastChecker::PreTranslateMessage(MSG& message) {
  if (!m_open || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  if (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd)) return false;
  return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

bool ContrastChecker::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      result = TRUE;  // the dialog manager focuses the Text box
      return true;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_DPICHANGED:
      MakeFonts(HIWORD(wParam));
      return false;  // the dialog manager rescales the rest
    case WM_DESTROY:
      m_open = false;
      return false;
    default:
      return false;
  }
}

void ContrastChecker::OnInitDialog() {
  const HWND dialog = Handle();
  m_textSwatch.AttachDlgItem(dialog, IDC_CHECKER_TEXT_SWATCH);
  m_backgroundSwatch.AttachDlgItem(dialog, IDC_CHECKER_BACKGROUND_SWATCH);
  m_textBox.Attach(::GetDlgItem(dialog, IDC_CHECKER_TEXT));
  m_backgroundBox.Attach(::GetDlgItem(dialog, IDC_CHECKER_BACKGROUND));
  m_textNote.Attach(::GetDlgItem(dialog, IDC_CHECKER_TEXT_NOTE));
  m_backgroundNote.Attach(::GetDlgItem(dialog, IDC_CHECKER_BACKGROUND_NOTE));
  m_ratio.Attach(::GetDlgItem(dialog, IDC_CHECKER_RATIO));
  for (std::size_t i = 0; i < m_criteria.size(); ++i) {
    m_criteria[i].Attach(::GetDlgItem(dialog, IDC_CHECKER_CRITERION_1 + static_cast<int>(i)));
  }
  m_apca.Attach(::GetDlgItem(dialog, IDC_CHECKER_APCA));
  m_apcaUse.Attach(::GetDlgItem(dialog, IDC_CHECKER_APCA_USE));
  m_normalPreview.AttachDlgItem(dialog, IDC_CHECKER_PREVIEW_NORMAL);
  m_largePreview.AttachDlgItem(dialog, IDC_CHECKER_PREVIEW_LARGE);
  for (std::size_t row = 0; row < kSuggestionRows.size(); ++row) {
    ::SetDlgItemTextA(dialog, IDC_CHECKER_ROW_1 + static_cast<int>(row),
                      SuggestionRowText(row).c_str());
  }
  for (std::size_t i = 0; i < kSuggestionSlots; ++i) {
    const int offset = static_cast<int>(i);
    m_suggestionSwatches[i].AttachDlgItem(dialog, IDC_CHECKER_SUGGESTION_SWATCH_1 + offset);
    ::ShowWindow(m_suggestionSwatches[i].Handle(), SW_HIDE);  // until it has a colour
    m_suggestionTexts[i].Attach(::GetDlgItem(dialog, IDC_CHECKER_SUGGESTION_1 + offset));
  }
  for (std::size_t i = 0; i < kColourVisions.size(); ++i) {
    const int offset = static_cast<int>(i);
    m_visionSamples[i].AttachDlgItem(dialog, IDC_CHECKER_VISION_SAMPLE_1 + offset);
    m_visionTexts[i].Attach(::GetDlgItem(dialog, IDC_CHECKER_VISION_1 + offset));
  }
  ::CheckDlgButton(dialog, IDC_CHECKER_FOLLOW, m_following ? BST_CHECKED : BST_UNCHECKED);
  MakeFonts(WindowDpi(dialog));
  WriteBox(m_textBox, m_text);
  WriteBox(m_backgroundBox, m_background);
  ShowReport();
}

bool ContrastChecker::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:  // Enter in a box: what it holds is taken already
      return true;
    case IDCANCEL:  // Escape and the close box
      Hide();
      return true;
    case IDC_CHECKER_TEXT:
    case IDC_CHECKER_BACKGROUND:
      if (code != EN_CHANGE) return false;
      OnTyped(id == IDC_CHECKER_TEXT);
      return true;
    case IDC_CHECKER_FOLLOW:
      SetFollowing(::IsDlgButtonChecked(Handle(), IDC_CHECKER_FOLLOW) == BST_CHECKED);
      return true;
    case IDC_CHECKER_SWAP:
      Swap();
      return true;
    case IDC_CHECKER_KEEP:
      if (onKeep) onKeep(m_text);
      return true;
    default:
      break;
  }
  const int slot = SuggestionSlotOf(id);
  if (slot < 0 || code != STN_CLICKED) return false;
  if (const std::optional<ColourValue> colour = m_suggested[static_cast<std::size_t>(slot)]) {
    SetTextColour(*colour, true);
  }
  return true;
}

// A text that names a colour takes effect as it is typed and stays as typed; one
// that does not changes nothing and says so beside the box. An empty box is
// someone about to type.
void ContrastChecker::OnTyped(bool textBox) {
  if (m_writingBox) return;
  Label& box = textBox ? m_textBox : m_backgroundBox;
  Label& note = textBox ? m_textNote : m_backgroundNote;
  box.OnChanged();
  char typed[256] = {};
  ::GetWindowTextA(box.Handle(), typed, sizeof typed);
  const std::string_view text(typed);
  const std::optional<ColourValue> colour = ParseColourText(text);
  if (!colour) {
    const bool blank = text.find_first_not_of(" \t") == std::string_view::npos;
    note.SetText(blank ? "" : kNotAColour);
    return;
  }
  note.SetText("");
  if (textBox) {
    SetFollowing(false);
    m_text = *colour;
  } else {
    m_background = *colour;
  }
  ShowReport();
}

void ContrastChecker::SetTextColour(ColourValue colour, bool byHand) {
  if (byHand) SetFollowing(false);
  m_text = colour;
  WriteBox(m_textBox, colour);
  ShowReport();
}

// Ticking the box again brings Text back to the current colour at once.
void ContrastChecker::SetFollowing(bool following) {
  if (following == m_following) return;
  m_following = following;
  ::CheckDlgButton(Handle(), IDC_CHECKER_FOLLOW, following ? BST_CHECKED : BST_UNCHECKED);
  if (following && m_current != m_text) SetTextColour(m_current, false);
}

void ContrastChecker::Swap() {
  SetFollowing(false);
  std::swap(m_text, m_background);
  WriteBox(m_textBox, m_text);
  WriteBox(m_backgroundBox, m_background);
  ShowReport();
}

void ContrastChecker::Hide() {
  m_open = false;
  ::ShowWindow(Handle(), SW_HIDE);
}

// The box shows the colour the checker uses; a note about an earlier typed text
// no longer applies.
void ContrastChecker::WriteBox(Label& box, ColourValue colour) {
  m_writingBox = true;
  box.SetText(NotationText(colour, kNotationHtml));
  m_writingBox = false;
  (&box == &m_textBox ? m_textNote : m_backgroundNote).SetText("");
}

// Each control is written or repainted only when what it shows changes.
void ContrastChecker::ShowReport() {
  const ContrastReport report = MakeContrastReport(m_text, m_background);
  Fill(m_textSwatch, m_text);
  Fill(m_backgroundSwatch, m_background);
  m_ratio.SetText(report.ratio);
  for (std::size_t i = 0; i < m_criteria.size(); ++i) m_criteria[i].SetText(report.criteria[i]);
  m_apca.SetText(report.apca);
  m_apcaUse.SetText(report.apcaUse);
  m_normalPreview.SetColours(m_text, m_background);
  m_largePreview.SetColours(m_text, m_background);
  for (std::size_t i = 0; i < kSuggestionSlots; ++i) {
    const std::optional<ColourValue>& colour = report.suggestions[i].colour;
    if (colour) Fill(m_suggestionSwatches[i], *colour);
    if (colour.has_value() != m_suggested[i].has_value()) {
      ::ShowWindow(m_suggestionSwatches[i].Handle(), colour ? SW_SHOWNA : SW_HIDE);
    }
    m_suggested[i] = colour;
    m_suggestionTexts[i].SetText(report.suggestions[i].text);
  }
  for (std::size_t i = 0; i < kColourVisions.size(); ++i) {
    m_visionSamples[i].SetColours(report.visions[i].text, report.visions[i].background);
    m_visionTexts[i].SetText(report.visions[i].label);
  }
}

// The preview's two sizes in the dialog's own face, at the window's scale.
void ContrastChecker::MakeFonts(UINT dpi) {
  LOGFONTA shape{};
  const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageA(Handle(), WM_GETFONT, 0, 0));
  if (!dialogFont || !::GetObjectA(dialogFont, sizeof shape, &shape)) return;
  shape.lfHeight = -::MulDiv(kNormalPoints, static_cast<int>(dpi), 72);
  GdiObject<HFONT> normal(::CreateFontIndirectA(&shape));
  shape.lfHeight = -::MulDiv(kLargePoints, static_cast<int>(dpi), 72);
  GdiObject<HFONT> large(::CreateFontIndirectA(&shape));
  m_normalPreview.SetFont(normal.Get());
  m_largePreview.SetFont(large.Get());
  m_normalFont = std::move(normal);  // the old ones go now that nothing shows them
  m_largeFont = std::move(large);
}

}  // namespace tl
