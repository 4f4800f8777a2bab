#include "app/main_window.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "core/colour_text.h"
#include "core/magnifier_geometry.h"
#include "platform/clipboard.h"
#include "platform/dpi.h"
#include "platform/module.h"
#include "platform/shell.h"
#include "platform/window_centring.h"
#include "res/maker.h"
#include "res/resource_ids.h"
#include "sampling/own_window.h"
#include "sampling/pointer_hook.h"
#include "settings/global_hotkeys.h"
#include "settings/settings_store.h"
#include "ui/about_dialog.h"
#include "ui/formats_dialog.h"
#include "ui/options_dialog.h"
#include "ui/rename_dialog.h"

namespace tl {
namespace {

bool IsVisibleStyle(HWND window) {
  return (::GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

MainWindow::~MainWindow() {
  if (m_loop) {
    m_loop->RemoveMessageFilter(this);
    m_loop->RemoveIdleHandler(this);
  }
  // The icons and the font must outlive the window that uses them.
  if (Handle()) ::DestroyWindow(Handle());
}

bool MainWindow::Create(MessageLoop& loop) {
  m_loop = &loop;
  m_loop->AddMessageFilter(this);
  m_loop->AddIdleHandler(this);
  return CreateModeless(IDD_MAIN, nullptr) != nullptr;
}

bool MainWindow::PreTranslateMessage(MSG& message) {
  if (!Handle()) return false;
  if (message.message == WM_KEYDOWN && Nudge(message.wParam)) return true;
  // The wheel over the magnifier zooms, whichever of our controls has the focus.
  if (message.message == WM_MOUSEWHEEL) {
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (::WindowFromPoint(at) == m_readouts.Magnifier()) {
      Zoom(GET_WHEEL_DELTA_WPARAM(message.wParam) > 0);
      return true;
    }
  }
  if (m_accelerators && ::TranslateAcceleratorA(Handle(), m_accelerators, &message)) return true;
  return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

void MainWindow::OnIdle() { m_document.KeepRecoveryCopy(); }

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case kListEditMessage:
      DeleteSelected(static_cast<int>(wParam));
      return true;
    case WM_INITDIALOG:
      result = OnInitDialog();
      return true;
    case kSampleRequest:
      OnSampleRequest();
      return true;
    case kOwnWindowPress:
      OnOwnWindowPress(wParam != 0);
      return true;
    case kZoomRequest:
      Zoom(wParam != 0);
      return true;
    case kSampleSizeRequest:
      SetSampleSize(SteppedSampleSize(m_sampleSize, wParam != 0));
      return true;
    case WM_TIMER:
      if (wParam == kLoupeSettleTimer) OnLoupeSettled();
      return false;
    case kKeepRequest:
      // A click kept the colour under it: sampled there now, as the hook saw it.
      if (m_session.Picking() && TakeSample(PointerNow(), true, true)) KeepCurrentColour();
      return true;
    case WM_HOTKEY:
      OnHotkey(static_cast<int>(wParam));
      return true;
    case WM_HSCROLL:
      if (const std::optional<ColourValue> edited =
              m_readouts.OnSliderScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam))) {
        ShowColour(*edited);
      }
      return true;
    case WM_MOUSEWHEEL:
      return OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam),
                          POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_INITMENUPOPUP:
      CheckMenuItems();
      return true;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      // The only times the virtual screen's rectangle can change.
      m_sampler.ReadScreenArea();
      return false;
    case kTrayMessage:
      m_tray.OnNotify(wParam, lParam);
      return true;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return true;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      // The session may end at any moment from here: the copy of unsaved colours
      // is brought up to date at once. The answer stays the default, yes: the
      // log-off is never held up.
      if (message == WM_QUERYENDSESSION || wParam) m_document.KeepRecoveryCopy();
      return false;
    case WM_CLOSE:
      // The close box, Alt+F4 and the exit sequence all end here. Run the close
      // handler now rather than through the dialog manager, which would post the
      // command and so let a quit request already queued overtake it.
      OnClose();
      return true;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam))) return true;
      break;
    case WM_MEASUREITEM:
      if (wParam != IDC_COLOUR_LIST) return false;
      m_list.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (wParam != IDC_COLOUR_LIST) return false;
      ColourListBox::DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    default:
      break;
  }
  return false;
}

bool MainWindow::OnInitDialog() {
  CentreWindow(Handle());
  m_pickerIcon.AttachDlgItem(Handle(), IDC_PICKER_ICON);
  m_copyButton.AttachDlgItem(Handle(), IDC_COPY_BUTTON);
  m_deleteButton.AttachDlgItem(Handle(), IDC_DELETE_BUTTON);
  m_accelerators = ::LoadAcceleratorsA(Module::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  // The pictures come with the window's DPI (ApplyDpi).
  m_copyButton.SetTooltipText("Copy to clipboard");
  m_deleteButton.SetTooltipText("Delete");

  AttachControls();
  const Settings settings = SettingsStore::Load();
  m_currentNotation = settings.notation;
  m_formats = FormatList(settings.customFormats);
  m_readouts.SetFormats(&m_formats);
  m_readouts.Sliders().SetModel(settings.sliderModel);
  FillFormatBox();
  m_startHotkey = settings.startHotkey;
  m_stopHotkey = settings.stopHotkey;
  m_zoomLevel = settings.zoomLevel;
  m_copyOnKeep = settings.copyOnKeep;
  m_largestZoom = settings.maxZoomLevel;
  m_pixelGrid = settings.pixelGrid;
  m_sampleSize = settings.sampleSize;
  m_clickKeeps = settings.clickKeeps;
  m_loupeAtPointer = settings.loupeAtPointer;
  PointerHook::SetClickKeeps(m_clickKeeps);
  PointerHook::SetView(m_readouts.Magnifier());
  CreateTooltips();
  RegisterHotkeys();
  ::SetWindowPos(Handle(), settings.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  KeepDialogSizeOnDpiChange(Handle());
  KeepControlFontOnDpiChange(m_readouts.ColourTextBox());
  m_dpi = WindowDpi(Handle());
  ApplyDpi();
  m_dpiLayout.Measure(Handle(), m_dpi);
  m_formatRow.Measure(m_dpi);
  m_formatRow.Fit(m_dpi);
  MeasureMagnifier();
  m_readouts.ShowZoom(m_zoomLevel);
  ShowColour(kWhite);
  MeasureLayouts();
  SetLayout(false);
  CreateTrayIcon();
  TakeSample(PointerNow(), false);  // wherever the pointer is, even over our own window
  return true;        // the dialog manager focuses the first tab stop
}

void MainWindow::AttachControls() {
  m_readouts.Attach(Handle());
  m_formatBox = ::GetDlgItem(Handle(), IDC_FORMAT_BOX);
  m_formatRow.Attach(m_formatBox, m_readouts.ColourTextBox());
  m_list.AttachDlgItem(Handle(), IDC_COLOUR_LIST);
  m_pickButton.AttachDlgItem(Handle(), IDC_PICK_BUTTON);
  m_pickButton.onPressEnded = [this] { m_session.PressEnded(); };
  m_pickerIcon.onDragMove = [this](POINT point) { OnIconDragMove(point); };
  m_pickerIcon.onDragRelease = [this](POINT point) { OnIconDragRelease(point); };
  m_pickerIcon.onDragging = [this](bool dragging) { ShowLoupe(dragging && m_loupeAtPointer); };
}

// What is drawn or measured for the window's DPI: made at start, and made again
// when the window moves to a monitor of another scale.
void MainWindow::ApplyDpi() {
  ScaledPictures pictures;
  pictures.Load(m_dpi);  // a picture that cannot be loaded leaves its control empty
  m_pickerIcon.SetIcon(pictures.PickerIcon(), pictures.PickerSize());
  m_copyButton.SetImageList(pictures.CopyPicture());
  m_deleteButton.SetImageList(pictures.DeletePicture());
  m_pickerIcon.SetDragCursor(pictures.DragCursor());
  m_pictures = std::move(pictures);  // the old set goes now that nothing shows it
  LoadWindowIcons();
  m_readouts.MakeFont(m_dpi);
  m_list.MeasureItems(m_dpi);
}

// At the sizes the system asks for at the window's DPI; the notification area
// shows the small one.
void MainWindow::LoadWindowIcons() {
  UniqueIcon big(LoadIconForDpi(IDR_MAINFRAME, SM_CXICON, m_dpi));
  UniqueIcon small(LoadIconForDpi(IDR_MAINFRAME, SM_CXSMICON, m_dpi));
  ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
  ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
  if (small) m_tray.SetIcon(small.Get());
  m_bigIcon = std::move(big);
  m_smallIcon = std::move(small);
}

void MainWindow::CreateTrayIcon() {
  const HICON icon = m_smallIcon ? m_smallIcon.Get()
                                 : ::LoadIconA(Module::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  // Without the icon the program still runs; the hotkeys bring the window back.
  m_tray.Create(Handle(), IDR_TRAYMENU, "Keepcase", icon, kTrayMessage);
}

void MainWindow::FillFormatBox() {
  m_formatRow.Fill(m_formats, m_currentNotation);
  m_readouts.SetNotation(m_currentNotation);
}

void MainWindow::ShowColour(ColourValue colour) {
  m_currentColour = colour & 0xFFFFFF;
  m_readouts.Show(m_currentColour);
  m_checker.OnCurrentColour(m_currentColour);
}

bool MainWindow::IsAdvancedLayout() const {
  return IsVisibleStyle(::GetDlgItem(Handle(), IDC_RGB_GROUP));
}

// The template's size is the advanced layout: the RGB group box and the controls
// inside it show only there. The simple layout is that less the group's height.
void MainWindow::MeasureLayouts() {
  const HWND group = ::GetDlgItem(Handle(), IDC_RGB_GROUP);
  RECT client{}, groupRect{};
  ::GetClientRect(Handle(), &client);
  ::GetWindowRect(group, &groupRect);
  m_layoutDpi = m_dpi;
  m_advancedHeight = client.bottom;
  m_simpleHeight = client.bottom - (groupRect.bottom - groupRect.top);
  m_advancedControls.clear();
  for (HWND child = ::GetWindow(Handle(), GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{}, common{};
    ::GetWindowRect(child, &rect);
    if (::IntersectRect(&common, &rect, &groupRect) && ::EqualRect(&common, &rect)) {
      m_advancedControls.push_back(child);
    }
  }
}

// A layout's client height at the window's DPI now.
int MainWindow::LayoutHeight(bool advanced) const {
  const int height = advanced ? m_advancedHeight : m_simpleHeight;
  return ::MulDiv(height, static_cast<int>(m_dpi), static_cast<int>(m_layoutDpi));
}

// The window keeps its position and width; its frame (caption, menu bar and
// borders) is measured as it is now, since it does not scale with the client area.
void MainWindow::FitLayoutHeight(bool advanced) {
  if (::IsIconic(Handle())) return;  // a minimised window's rectangles are not its own
  RECT window{}, client{};
  ::GetWindowRect(Handle(), &window);
  ::GetClientRect(Handle(), &client);
  const int frame = (window.bottom - window.top) - client.bottom;
  ::MoveWindow(Handle(), window.left, window.top, window.right - window.left,
               LayoutHeight(advanced) + frame, TRUE);
}

// The window keeps its position either way.
void MainWindow::SetLayout(bool advanced) {
  const HWND modeButton = ::GetDlgItem(Handle(), IDC_MODE_BUTTON);
  if (advanced) {
    FitLayoutHeight(true);
    for (HWND control : m_advancedControls) ::ShowWindow(control, SW_SHOW);
    ::SetWindowTextA(modeButton, "Simple <<");
  } else {
    for (HWND control : m_advancedControls) ::ShowWindow(control, SW_HIDE);
    ::SetWindowTextA(modeButton, "Advanced >>");
    FitLayoutHeight(false);
  }
}

bool MainWindow::OnCommand(int id, int code) {
  switch (id) {
    case ID_OPEN_MAIN_WINDOW:
      ShowMainWindow();
      return true;
    case ID_APP_ABOUT:
      ShowAbout();
      return true;
    case IDOK:  // Enter outside a push button takes what was typed, if anything
      if (::GetFocus() == m_readouts.ColourTextBox()) {
        TakeTypedColour();
      } else if (const int box = m_readouts.Sliders().ValueBoxIndex(::GetFocus()); box >= 0) {
        TakeSliderValue(box);
      }
      return true;
    case IDCANCEL:
      OnClose();
      return true;
    case ID_ALWAYS_ON_TOP:
      ToggleAlwaysOnTop();
      return true;
    case ID_ZOOM_IN:
    case ID_ZOOM_OUT:
      Zoom(id == ID_ZOOM_IN);
      return true;
    case IDC_PICK_BUTTON:
      m_session.Toggle();
      return true;
    case IDC_FORMAT_BOX:
      if (code != CBN_SELCHANGE) return false;
      OnFormatChange();
      return true;
    case IDC_COPY_BUTTON:
      CopyColourText();
      return true;
    case IDC_MODE_BUTTON:
      SetLayout(!IsAdvancedLayout());
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
    case ID_FORMATS:
      EditFormats();
      return true;
    case IDC_COLOUR_LIST:
      if (code != LBN_SELCHANGE) return false;
      OnListSelection();
      return true;
    case ID_OPTIONS:
      ChangeHotkeys();
      return true;
    case ID_FILE_OPEN:
      m_document.Flow().Open();
      return true;
    case ID_FILE_SAVE:
      m_document.Flow().Save();
      return true;
    case ID_APP_EXIT:
      OnExit();
      return true;
    case ID_FILE_NEW:
      m_document.Flow().New();
      return true;
    case ID_FILE_SAVE_AS:
      m_document.Flow().SaveAs();
      return true;
    case ID_EXPORT_ASE:
      m_document.Flow().Export(FileKind::SwatchExchange);
      return true;
    case ID_EXPORT_ACT:
      m_document.Flow().Export(FileKind::ColourTable);
      return true;
    case ID_EXPORT_ACO:
      m_document.Flow().Export(FileKind::PhotoshopSwatches);
      return true;
    case ID_EXPORT_GPL:
      m_document.Flow().Export(FileKind::GimpPalette);
      return true;
    case ID_FILE_IMPORT:
      m_document.Flow().Import();
      return true;
    case IDC_DELETE_BUTTON:
    case ID_LIST_DELETE:
      DeleteSelected(m_list.Selection());
      return true;
    case ID_CONTRAST_CHECKER:
      OpenContrastChecker();
      return true;
    case ID_USE_AS_BACKGROUND:
      UseAsBackground(m_list.Selection());
      return true;
    case ID_RENAME_COLOUR:
      // F2 (code 1, from the accelerators) renames only in the list; elsewhere
      // the key is the focused control's.
      if (code == 1 && ::GetFocus() != m_list.Handle()) return true;
      RenameEntry(m_list.Selection());
      return true;
    case ID_SUPPORT:
      OpenWithShell(TL_MAKER_SUPPORT);  // a failure has nothing useful to say
      return true;
    case ID_CHECK_UPDATE:
      OpenWithShell(TL_MAKER_UPDATE);
      return true;
    case ID_CLEAR_ALL:
      m_document.Flow().ClearAll();
      return true;
    case ID_COPY_WHEN_KEPT:
      m_copyOnKeep = !m_copyOnKeep;
      SettingsStore::SaveCopyOnKeep(m_copyOnKeep);
      return true;
    case ID_CLICK_KEEPS:
      m_clickKeeps = !m_clickKeeps;
      PointerHook::SetClickKeeps(m_clickKeeps);
      SettingsStore::SaveTwoBytes(kClickKeepsValue, m_clickKeeps);
      return true;
    case ID_LOUPE_AT_POINTER:
      m_loupeAtPointer = !m_loupeAtPointer;
      SettingsStore::SaveTwoBytes(kLoupeAtPointerValue, m_loupeAtPointer);
      ShowLoupe(m_loupeAtPointer && (m_session.Picking() || m_pickerIcon.Dragging()));
      return true;
    case ID_PIXEL_GRID:
      m_pixelGrid = !m_pixelGrid;
      SettingsStore::SaveTwoBytes(kPixelGridValue, m_pixelGrid);
      RedrawMagnifier();
      return true;
    case ID_SAMPLE_1:
    case ID_SAMPLE_3:
    case ID_SAMPLE_5:
    case ID_SAMPLE_7:
    case ID_SAMPLE_9:
      SetSampleSize(kSampleSizes[static_cast<std::size_t>(id - ID_SAMPLE_1)]);
      return true;
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_UNDO:
      OnEditCommand(id);
      return true;
    default:
      return false;
  }
}

void MainWindow::OnFormatChange() {
  const int chosen = m_formatRow.ChosenId(m_formats);
  if (chosen < 0) return;
  if (chosen != m_currentNotation) SettingsStore::SaveNotation(chosen);
  m_currentNotation = chosen;
  m_readouts.SetNotation(chosen);
  m_formatRow.Fit(m_dpi);
}

// Text that names no colour changes nothing: it stays for the user to mend, and
// a balloon says why.
void MainWindow::TakeTypedColour() {
  const HWND box = m_readouts.ColourTextBox();
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(box)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
  if (const std::optional<ColourValue> colour = ParseColourText(text, m_currentNotation)) {
    m_balloon.Hide();
    ShowColour(*colour);
  } else {
    m_balloon.Show(box, "Not a colour: " + text);
  }
}

// A slider under the pointer, or else one with the focus, that left the wheel to
// the window. False when the wheel was over nothing of ours.
bool MainWindow::OnMouseWheel(int delta, POINT screen) {
  SliderPanel& sliders = m_readouts.Sliders();
  std::optional<ColourValue> edited = sliders.OnWheel(sliders.SliderAt(screen), delta);
  if (!edited) edited = sliders.OnWheel(::GetFocus(), delta);
  if (edited) ShowColour(*edited);
  return edited.has_value();
}

void MainWindow::TakeSliderValue(int index) {
  SliderPanel& sliders = m_readouts.Sliders();
  if (!sliders.ValueEdited(index)) return;
  if (const std::optional<ColourValue> colour = sliders.TakeValue(index)) ShowColour(*colour);
}

void MainWindow::OnSliderModelChange() {
  SliderPanel& sliders = m_readouts.Sliders();
  const SliderModel chosen = sliders.ChosenModel();
  if (chosen == sliders.Model()) return;
  sliders.SetModel(chosen);
  SettingsStore::SaveSliderModel(chosen);
}

// The formats are kept at OK; the notation chosen follows its format, or falls
// back to RGB when its format went.
void MainWindow::EditFormats() {
  FormatsDialog dialog(m_formats.Custom(), m_currentColour);
  if (dialog.Run(::GetActiveWindow()) != IDOK) return;
  const CustomFormatEditor& editor = dialog.Editor();
  const int notation = editor.NotationAfter(m_currentNotation);
  SettingsStore::SaveCustomFormats(editor.Formats());
  if (notation != m_currentNotation) SettingsStore::SaveNotation(notation);
  m_currentNotation = notation;
  m_formats = FormatList(editor.Formats());
  FillFormatBox();
  m_formatRow.Fit(m_dpi);
}

void MainWindow::OnListSelection() {
  const int index = m_list.Selection();
  if (index < 0 || static_cast<std::size_t>(index) >= m_list.Model().Count()) return;
  ShowColour(m_list.Model().ColourAt(static_cast<std::size_t>(index)));
}

void MainWindow::DeleteSelected(int index) {
  const ColourList::DeleteResult result = m_list.DeleteAt(index);
  if (result.deleted && result.selection != ColourList::kNoSelection) {
    ShowColour(m_list.Model().ColourAt(static_cast<std::size_t>(result.selection)));
  }
}

// The edit keys (Ctrl+C, Ctrl+V, Shift+Insert and the rest) reach the window as
// commands through the accelerator table before any control sees them, so they
// are carried out here for the control that has the focus.
void MainWindow::OnEditCommand(int id) {
  const HWND focus = ::GetFocus();
  if (focus == m_readouts.ColourTextBox()) {
    const UINT message = id == ID_EDIT_COPY    ? WM_COPY
                         : id == ID_EDIT_CUT   ? WM_CUT
                         : id == ID_EDIT_PASTE ? WM_PASTE
                                               : EM_UNDO;
    ::SendMessageA(focus, message, 0, 0);
  } else if (focus == m_list.Handle() && id == ID_EDIT_COPY) {
    const int index = m_list.Selection();
    if (index >= 0 && static_cast<std::size_t>(index) < m_list.Model().Count()) {
      // The colour as the format box writes it: never the entry's name.
      CopyTextToClipboard(Handle(), NotationText(m_list.Model().ColourAt(
                                        static_cast<std::size_t>(index)), m_currentNotation));
    }
  }
}

void MainWindow::CopyColourText() {
  // The box is editable: whatever stands in it now is what gets copied.
  const HWND box = m_readouts.ColourTextBox();
  ::SendMessageA(box, EM_SETSEL, 0, -1);
  ::SendMessageA(box, EM_SCROLLCARET, 0, 0);
  ::SendMessageA(box, WM_COPY, 0, 0);
}

bool MainWindow::IsTopmost() const {
  return (::GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void MainWindow::ToggleAlwaysOnTop() {
  const bool nowTopmost = !IsTopmost();
  ::SetWindowPos(Handle(), nowTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
  SettingsStore::SaveAlwaysOnTop(nowTopmost);
}

// The two check marks are set as the menu opens, from the state they show.
void MainWindow::CheckMenuItems() {
  const HMENU menu = ::GetMenu(Handle());
  ::CheckMenuItem(menu, ID_ALWAYS_ON_TOP, IsTopmost() ? MF_CHECKED : MF_UNCHECKED);
  ::CheckMenuItem(menu, ID_COPY_WHEN_KEPT, m_copyOnKeep ? MF_CHECKED : MF_UNCHECKED);
  ::CheckMenuItem(menu, ID_CLICK_KEEPS, m_clickKeeps ? MF_CHECKED : MF_UNCHECKED);
  ::CheckMenuItem(menu, ID_LOUPE_AT_POINTER, m_loupeAtPointer ? MF_CHECKED : MF_UNCHECKED);
  ::CheckMenuItem(menu, ID_PIXEL_GRID, m_pixelGrid ? MF_CHECKED : MF_UNCHECKED);
  ::EnableMenuItem(menu, ID_RENAME_COLOUR,
                   MF_BYCOMMAND | (m_list.Selection() >= 0 ? MF_ENABLED : MF_GRAYED));
  for (std::size_t i = 0; i < kSampleSizes.size(); ++i) {
    if (kSampleSizes[i] == m_sampleSize) {
      ::CheckMenuRadioItem(menu, ID_SAMPLE_1, ID_SAMPLE_9, ID_SAMPLE_1 + static_cast<UINT>(i),
                           MF_BYCOMMAND);
    }
  }
}

void MainWindow::SetSampleSize(int size) {
  if (size == m_sampleSize) return;
  m_sampleSize = size;
  SettingsStore::SaveTwoBytes(kSampleSizeValue, static_cast<std::uint16_t>(size));
  RedrawMagnifier();
}

// A new view size or new marks: a session samples again at the pointer; without
// one the view is drawn again where the last sample was taken, and the colour
// stays.
void MainWindow::RedrawMagnifier() {
  if (m_session.Picking()) {
    RequestSample();
    return;
  }
  m_sampler.Take(m_lastSamplePoint, m_zoomLevel, SampleOptions());
  m_readouts.ShowSample(m_sampler.Bitmap(), m_lastSamplePoint);
}

ScreenSampler::Options MainWindow::SampleOptions() const {
  return {m_sampleSize, m_pixelGrid};
}

// What the eyedropper and the Pick button do, said where the pointer rests.
void MainWindow::CreateTooltips() {
  m_tooltips.reset(new Tooltips(Handle()));
  m_tooltips->Add(m_pickerIcon.Handle(), "Drag onto any pixel to keep its colour");
  m_tooltips->Add(::GetDlgItem(Handle(), IDC_PICK_BUTTON), "Pick colours anywhere on the screen");
}

// The hotkeys are given up while the dialog runs, so the user can type them into
// its controls, and stored only when they could all be taken again.
void MainWindow::ChangeHotkeys() {
  GlobalHotkeys::Unregister(Handle());
  OptionsDialog dialog(m_startHotkey, m_stopHotkey, m_largestZoom);
  if (dialog.Run(::GetActiveWindow()) == IDOK) {
    m_startHotkey = dialog.StartHotkey();
    m_stopHotkey = dialog.StopHotkey();
    m_largestZoom = dialog.LargestZoom();
    SettingsStore::SaveTwoBytes(kMaxZoomLevelValue, static_cast<std::uint16_t>(m_largestZoom));
  }
  if (RegisterHotkeys()) SettingsStore::SaveHotkeys(m_startHotkey, m_stopHotkey);
}

// A hotkey that another program holds is named to the user; the rest still work.
bool MainWindow::RegisterHotkeys() {
  const std::vector<std::uint32_t> refused =
      GlobalHotkeys::Register(Handle(), m_startHotkey, m_stopHotkey);
  if (refused.empty()) return true;
  ::MessageBoxA(Handle(), GlobalHotkeys::RefusedText(refused).c_str(), "", MB_OK);
  return false;
}

// Owned by the active window: from the tray menu with the window hidden there is
// none, and the box then sits in the middle of the work area.
void MainWindow::ShowAbout() {
  AboutDialog about;
  about.Run(::GetActiveWindow());
}

// A hidden window comes back as it was; a visible one, minimised or not, is left alone.
void MainWindow::ShowMainWindow() {
  if (!::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_SHOW);
}

// Closing only hides the window, unless the program is exiting.
void MainWindow::OnClose() {
  if (!m_exiting) {
    ::ShowWindow(Handle(), SW_HIDE);
    return;
  }
  SettingsStore::SaveZoomLevel(m_zoomLevel);
  GlobalHotkeys::Unregister(Handle());
  ::DestroyWindow(Handle());
  m_session.Stop();
  ::PostQuitMessage(IDCANCEL);
}

void MainWindow::MeasureMagnifier() {
  const SIZE view = m_readouts.MagnifierSize();
  m_sampler.SetViewSize(view.cx, view.cy);
}

// While picking, the hook knows where the pointer is without asking the system.
POINT MainWindow::PointerNow() const {
  POINT pointer{};
  if (!PointerHook::LatestPosition(pointer)) ::GetCursorPos(&pointer);
  return pointer;
}

// However many pointer moves came in since the request was posted, one sample of
// the newest point serves them all.
void MainWindow::OnSampleRequest() {
  PointerHook::RequestTaken();
  TakeSample(PointerNow(), true);
}

bool MainWindow::TakeSample(POINT pointer, bool skipOwnWindows, bool settle) {
  if (skipOwnWindows && IsOwnWindowAt(Handle(), pointer)) return false;
  // The pointer jumped to where the loupe is: the loupe goes beside the new
  // place first, and the screen it covered is read only once the windows below
  // have painted it again; a keep waits for that, a move samples a moment later.
  if (m_loupe.Visible() && m_loupe.Covers(SourceRectAt(pointer))) {
    m_loupe.Place(SourceRectAt(pointer), ScreenRect());
    if (!settle) {
      ::SetTimer(Handle(), kLoupeSettleTimer, kLoupeSettleMilliseconds, nullptr);
      m_loupeSettling = true;
      return false;
    }
    ::Sleep(kLoupeSettleMilliseconds);
  }
  const ScreenSampler::Sample sample = m_sampler.Take(pointer, m_zoomLevel, SampleOptions());
  m_lastSamplePoint = pointer;
  m_readouts.ShowSample(m_sampler.Bitmap(), pointer);
  if (m_loupe.Visible() && sample.read) {
    m_loupe.Show(m_sampler.Bitmap(), sample.colour, NotationText(sample.colour, m_currentNotation),
                 SourceRectAt(pointer), ScreenRect());
  }
  // A failed read keeps the colour we have rather than showing garbage.
  if (sample.read) ShowColour(sample.colour);
  return sample.read;
}

// From the view size the sampler keeps: asking the view's window for it would
// cost a trip to the system on every pointer move while the loupe shows.
Rect MainWindow::SourceRectAt(POINT pointer) const {
  const SIZE view = m_sampler.ViewSize();
  return SourceRect(pointer.x, pointer.y, view.cx, view.cy, m_zoomLevel);
}

Rect MainWindow::ScreenRect() {
  const RECT screen = m_sampler.ScreenArea();
  return {screen.left, screen.top, screen.right, screen.bottom};
}

void MainWindow::OnLoupeSettled() {
  ::KillTimer(Handle(), kLoupeSettleTimer);
  if (!std::exchange(m_loupeSettling, false)) return;
  if (m_session.Picking() || m_pickerIcon.Dragging()) TakeSample(PointerNow(), true);
}

// The start hotkey and a drag's release keep the colour: on top of the list and,
// when the user wants it, on the clipboard as the copy button would put it there.
void MainWindow::KeepCurrentColour() {
  m_list.AddColour(m_currentColour);
  if (m_copyOnKeep) {
    CopyTextToClipboard(Handle(), m_formats.Text(m_currentColour, m_currentNotation));
  }
}

void MainWindow::Zoom(bool in) {
  m_zoomLevel = in ? ZoomedIn(m_zoomLevel, m_largestZoom) : ZoomedOut(m_zoomLevel);
  m_readouts.ShowZoom(m_zoomLevel);
  if (PointerHook::Installed()) RequestSample();
}

void MainWindow::OnHotkey(int id) {
  if (id == kStartHotkeyId) {
    if (m_session.Picking()) {
      // The colour kept is the one under the pointer now, not an older sample's.
      if (PointerHook::RequestPending() || m_loupeSettling) {
        PointerHook::RequestTaken();
        TakeSample(PointerNow(), true, true);
      }
      KeepCurrentColour();
    }
  } else if (id == kStopHotkeyId) {
    ::SendMessageA(Handle(), WM_COMMAND, kPickCommandFromProgram, 0);
  } else {
    return;
  }
  ::SetForegroundWindow(Handle());
}

bool MainWindow::InstallPointerHook() { return PointerHook::Install(Handle(), IDC_PICK_BUTTON); }

// A press on our own windows ends the session before the press itself arrives.
// The hook posted it from its thread; a session the stop hotkey ended meanwhile
// is not started again by it.
void MainWindow::OnOwnWindowPress(bool onPickButton) {
  if (!m_session.Picking()) return;
  m_session.PressOnOwnWindow(onPickButton);
  ::SendMessageA(Handle(), WM_COMMAND, kPickCommandFromProgram, 0);
}

void MainWindow::RemovePointerHook() { PointerHook::Remove(); }

void MainWindow::RequestSample() { ::SendMessageA(Handle(), kSampleRequest, 0, 0); }

void MainWindow::ShowPicking(bool picking) {
  ::SetDlgItemTextA(Handle(), IDC_PICK_BUTTON, picking ? "Stop" : "Pick");
  ShowLoupe(picking && m_loupeAtPointer);
}

// Made when first wanted; shown at once beside the pointer, and moved by each
// sample after.
void MainWindow::ShowLoupe(bool show) {
  if (!show) {
    m_loupe.Hide();
    return;
  }
  if (!m_loupe.Handle() && !m_loupe.Create(m_readouts.MagnifierSize(), m_dpi)) return;
  m_loupe.Show(m_sampler.Bitmap(), m_currentColour, NotationText(m_currentColour, m_currentNotation),
               SourceRectAt(PointerNow()), ScreenRect());
}

// While picking or dragging, the arrow keys move the pointer by one physical
// pixel (ten with Shift), whichever control has the focus, so that a colour can
// be reached exactly; Ctrl and Alt keep the keys for their own meanings (Ctrl+Up
// zooms in). The pointer stays on the virtual screen.
bool MainWindow::Nudge(WPARAM key) {
  const bool dragging = m_pickerIcon.Dragging();
  if (!m_session.Picking() && !dragging) return false;
  int dx = 0, dy = 0;
  switch (key) {
    case VK_LEFT: dx = -1; break;
    case VK_RIGHT: dx = 1; break;
    case VK_UP: dy = -1; break;
    case VK_DOWN: dy = 1; break;
    default: return false;
  }
  if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
  const int step = ::GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
  POINT from{};
  if (dragging || !PointerHook::LatestPosition(from)) ::GetCursorPos(&from);
  const RECT screen = m_sampler.ScreenArea();
  const POINT to{std::clamp<LONG>(from.x + dx * step, screen.left, screen.right - 1),
                 std::clamp<LONG>(from.y + dy * step, screen.top, screen.bottom - 1)};
  ::SetCursorPos(to.x, to.y);
  if (dragging) {
    m_dragHold.Left(from.x, from.y, ::GetTickCount());
    TakeSample(to, true);
  } else {
    PointerHook::MovedTo(from, to);
    RequestSample();
  }
  return true;
}

void MainWindow::OnIconDragMove(POINT point) {
  if (m_dragHold.Accept(point.x, point.y, ::GetTickCount)) TakeSample(point, true);
}

// The colour under the release point is kept. A release over our own windows, or
// where the screen cannot be read, points at no colour: the drag ends as a
// cancelled one does, rather than keeping the last colour it passed over.
void MainWindow::OnIconDragRelease(POINT point) {
  if (TakeSample(point, true, true)) KeepCurrentColour();
}

// On a monitor of another scale the system rescales the dialog's frame, font and
// controls; the window takes the size the system suggests, fitted to its layout,
// and all that the program made for the old DPI is made again.
// Handling the message keeps the dialog manager out, so its part is done here
// too: each control's place and font (DialogDpiLayout), and the suggested
// rectangle, fitted to the layout's height.
void MainWindow::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  m_dpi = newDpi;
  m_sampler.ReadScreenArea();
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  m_dpiLayout.Apply(Handle(), newDpi);
  FitLayoutHeight(IsAdvancedLayout());
  MeasureMagnifier();
  m_readouts.ReplacePicture(m_sampler.Bitmap());
  ApplyDpi();
  m_loupe.Resize(m_readouts.MagnifierSize(), newDpi);
  m_formatRow.Fit(m_dpi);
  RedrawMagnifier();  // a view of a new size starts black
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A kept text colour goes on top of the list as a picked one does, but not to
// the clipboard: Copy When Kept is for the start hotkey and the icon drag.
void MainWindow::OpenContrastChecker() {
  if (!m_checker.onKeep) {
    m_checker.onKeep = [this](ColourValue colour) { m_list.AddColour(colour); };
  }
  m_checker.Open(Handle(), *m_loop, m_currentColour);
}

// The entry right-clicked is the selected one by now.
void MainWindow::UseAsBackground(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_list.Model().Count()) return;
  OpenContrastChecker();
  m_checker.SetBackground(m_list.Model().ColourAt(static_cast<std::size_t>(index)));
}

// The list, its text and the recovery copy follow the model; the copy is
// written at the next idle moment, as after a pick.
void MainWindow::RenameEntry(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_list.Model().Count()) return;
  const auto at = static_cast<std::size_t>(index);
  RenameDialog dialog(m_list.Model().ColourAt(at), m_list.Model().NameAt(at));
  if (dialog.Run(Handle()) == IDOK) m_list.SetName(index, dialog.Name());
}

void MainWindow::OnExit() {
  if (!m_document.Flow().ConfirmExit()) return;  // Cancel, or the colours could not be saved
  m_document.DiscardRecoveryCopy();  // saved, or let go by the user's answer
  m_exiting = true;
  // The close request is handled before the quit request behind it, whose code
  // (0) becomes the exit code. The quit goes to the thread, not the window: the
  // close destroys the window, and with it anything still queued for it.
  ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
  ::PostMessageA(nullptr, WM_QUIT, 0, 0);
}

}  // namespace tl
