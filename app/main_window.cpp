#include "app/main_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/window_centring.h"
#include "platform/clipboard.h"
#include "platform/dpi.h"
#include "platform/module.h"
#include "platform/reflection.h"
#include "platform/shell.h"
#include "res/maker.h"
#include "res/resource_ids.h"
#include "core/magnifier_geometry.h"
#include "sampling/own_window.h"
#include "sampling/pointer_hook.h"
#include "settings/global_hotkeys.h"
#include "ui/options_dialog.h"
#include "settings/settings_store.h"
#include "ui/about_dialog.h"

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

bool MainWindow::Create() { return CreateModeless(IDD_MAIN, nullptr) != nullptr; }

bool MainWindow::PreTranslateMessage(MSG& message) {
  if (!Handle()) return false;
  if (message.message == WM_KEYDOWN && Nudge(message.wParam)) return true;
  if (m_accelerators && ::TranslateAcceleratorA(Handle(), m_accelerators, &message)) return true;
  return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

void MainWindow::OnIdle() {
  m_menuState.Apply();
  KeepRecoveryCopy();
}

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
    case WM_HOTKEY:
      OnHotkey(static_cast<int>(wParam));
      return true;
    case WM_HSCROLL:
      OnSliderScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return true;
    case WM_MOUSEMOVE:
      if (m_dragging) {
        const POINT point = ScreenPointOf(lParam);
        if (m_dragHold.Accept(point.x, point.y, ::GetTickCount())) TakeSample(point, true);
      }
      return true;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(lParam);
      return true;
    case WM_LBUTTONUP:
      OnLeftButtonUp(lParam);
      return true;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      // The only times the virtual screen's rectangle can change.
      m_sampler.ReadScreenArea();
      return false;
    case kTrayMessage:
      m_tray.OnNotify(wParam, lParam);
      return true;
    case WM_CAPTURECHANGED:
      // Capture lost in the middle of a drag (Alt+Tab, another program): end it
      // without adding anything, so no later release adds a colour nobody picked.
      if (m_dragging) EndIconDrag();
      return true;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return true;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      // The session may end at any moment from here: the copy of unsaved colours
      // is brought up to date at once. The answer stays the default, yes: the
      // log-off is never held up.
      if (message == WM_QUERYENDSESSION || wParam) KeepRecoveryCopy();
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
      // Every entry added asks this; the list box is known, no need to look it up.
      if (wParam == IDC_COLOUR_LIST) {
        result = ::SendMessageA(m_list.Handle(), Reflected(message), wParam, lParam);
        return true;
      }
      break;
    default:
      break;
  }
  return ReflectNotification(Handle(), message, wParam, lParam, result);
}

bool MainWindow::OnInitDialog() {
  CentreWindow(Handle());
  m_pickerIcon.AttachDlgItem(Handle(), IDC_PICKER_ICON);
  m_copyButton.AttachDlgItem(Handle(), IDC_COPY_BUTTON);
  m_deleteButton.AttachDlgItem(Handle(), IDC_DELETE_BUTTON);
  m_accelerators = ::LoadAcceleratorsA(Module::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  SetUpImageButton(m_copyButton, "Copy to clipboard");
  SetUpImageButton(m_deleteButton, "Delete");

  m_loop = LoopTable::ForCurrentThread();
  if (m_loop) {
    m_loop->AddMessageFilter(this);
    m_loop->AddIdleHandler(this);
  }
  m_menuState.SetOwner(Handle());
  m_menuState.Reset(ID_ALWAYS_ON_TOP);
  m_menuState.Reset(ID_COPY_WHEN_KEPT);

  m_currentColour = kWhite;
  AttachControls();
  const Settings settings = SettingsStore::Load();
  m_currentNotation = settings.notation;
  FillFormatBox();
  m_startHotkey = settings.startHotkey;
  m_stopHotkey = settings.stopHotkey;
  m_zoomLevel = settings.zoomLevel;
  m_copyOnKeep = settings.copyOnKeep;
  m_menuState.SetCheck(ID_COPY_WHEN_KEPT, m_copyOnKeep);
  RegisterHotkeys();
  ::SetWindowPos(Handle(), settings.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  m_menuState.SetCheck(ID_ALWAYS_ON_TOP, IsTopmost());
  KeepDialogSizeOnDpiChange(Handle());
  KeepControlFontOnDpiChange(m_colourText.Handle());
  m_dpi = WindowDpi(Handle());
  ApplyDpi();
  MeasureMagnifier();
  for (HWND slider : {m_redSlider, m_greenSlider, m_blueSlider}) {
    ::SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
  }
  RefreshColour(false, false);
  MeasureLayouts();
  SetLayout(false);
  CreateTrayIcon();
  TakeSample(PointerNow(), false);  // wherever the pointer is, even over our own window
  return true;        // the dialog manager focuses the first tab stop
}

void MainWindow::AttachControls() {
  m_magnifier.Attach(::GetDlgItem(Handle(), IDC_MAGNIFIER));
  m_magnifier.useBitmap = 1;
  m_positionLabel.Attach(::GetDlgItem(Handle(), IDC_POSITION_LABEL));
  m_swatch.Attach(::GetDlgItem(Handle(), IDC_SWATCH));
  m_swatch.useBitmap = 0;
  m_rgbLabel.Attach(::GetDlgItem(Handle(), IDC_RGB_LABEL));
  m_colourText.Attach(::GetDlgItem(Handle(), IDC_COLOUR_TEXT));
  m_formatBox = ::GetDlgItem(Handle(), IDC_FORMAT_BOX);
  m_list.AttachDlgItem(Handle(), IDC_COLOUR_LIST);
  m_redSlider = ::GetDlgItem(Handle(), IDC_RED_SLIDER);
  m_greenSlider = ::GetDlgItem(Handle(), IDC_GREEN_SLIDER);
  m_blueSlider = ::GetDlgItem(Handle(), IDC_BLUE_SLIDER);
  m_zoomLabel.Attach(::GetDlgItem(Handle(), IDC_ZOOM_LABEL));
  m_pickButton.AttachDlgItem(Handle(), IDC_PICK_BUTTON);
  m_pickButton.onPressEnded = [this] { m_session.PressEnded(); };
}

// What is drawn or measured for the window's DPI: made at start, and made again
// when the window moves to a monitor of another scale.
void MainWindow::ApplyDpi() {
  ScaledPictures pictures;
  pictures.Load(m_dpi);  // a picture that cannot be loaded leaves its control empty
  m_pickerIcon.SetIcon(pictures.PickerIcon(), pictures.PickerSize());
  m_copyButton.SetImageList(pictures.CopyPicture());
  m_deleteButton.SetImageList(pictures.DeletePicture());
  if (m_dragging) ::SetCursor(pictures.DragCursor());
  m_pictures = std::move(pictures);  // the old set goes now that nothing shows it
  LoadWindowIcons();
  CreateColourTextFont();
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

// The pictures come with the window's DPI (ApplyDpi); the buttons only borrow them.
void MainWindow::SetUpImageButton(ImageButton& button, const char* tooltip) {
  button.SetExtendedStyle(ImageButton::Edge3DDouble | ImageButton::SharedImageList);
  button.SetTooltipText(tooltip);
  button.SetNormalImage(0);
}

void MainWindow::FillFormatBox() {
  int selected = 0;
  for (std::size_t row = 0; row < kNotationTable.size(); ++row) {
    ::SendMessageA(m_formatBox, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(kNotationTable[row].name));
    if (kNotationTable[row].id == m_currentNotation) selected = static_cast<int>(row);
  }
  ::SendMessageA(m_formatBox, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// Twelve points at the window's DPI. Redrawn only when it replaces another font:
// at start the window is not shown yet.
void MainWindow::CreateColourTextFont() {
  const int height = -std::abs(::MulDiv(static_cast<int>(m_dpi), 120, 720));
  GdiObject<HFONT> font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial Bold"));
  ::SendMessageA(m_colourText.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()),
                 m_colourTextFont ? TRUE : FALSE);
  m_colourTextFont = std::move(font);
}

// Every read-out is written only when what it shows changes: this runs on every
// pointer move, and most moves land on the same colour.
void MainWindow::RefreshColour(bool addToList, bool keepSliders) {
  const ColourValue colour = m_currentColour;
  m_colourText.SetText(NotationText(colour, m_currentNotation));
  m_rgbLabel.SetText(RgbLabelText(colour));
  if (m_swatch.fillColour != colour || !m_swatchPainted) {
    m_swatch.fillColour = colour;
    ::InvalidateRect(m_swatch.Handle(), nullptr, TRUE);
    m_swatchPainted = true;
  }
  m_zoomLabel.SetText(ZoomLabelText(m_zoomLevel));
  if (addToList) m_list.AddColour(colour);
  if (!keepSliders) {
    const HWND sliders[3] = {m_redSlider, m_greenSlider, m_blueSlider};
    const int positions[3] = {static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                              static_cast<int>(BlueOf(colour))};
    for (int i = 0; i < 3; ++i) {
      if (m_sliderShown[i] == positions[i]) continue;
      ::SendMessageA(sliders[i], TBM_SETPOS, TRUE, positions[i]);
      m_sliderShown[i] = positions[i];
    }
  }
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
    case IDOK:  // Enter outside a push button does nothing
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
      if (code == EN_CHANGE) m_colourText.OnChanged();
      return false;  // passed back to the box as before
    case IDC_COLOUR_LIST:
      if (code != LBN_SELCHANGE) return false;
      OnListSelection();
      return true;
    case ID_OPTIONS:
      ChangeHotkeys();
      return true;
    case ID_FILE_OPEN:
      m_document.Open();
      return true;
    case ID_FILE_SAVE:
      m_document.Save();
      return true;
    case ID_APP_EXIT:
      OnExit();
      return true;
    case ID_FILE_NEW:
      m_document.New();
      return true;
    case ID_FILE_SAVE_AS:
      m_document.SaveAs();
      return true;
    case ID_EXPORT_ASE:
      m_document.Export(FileKind::SwatchExchange);
      return true;
    case ID_EXPORT_ACT:
      m_document.Export(FileKind::ColourTable);
      return true;
    case ID_EXPORT_ACO:
      m_document.Export(FileKind::PhotoshopSwatches);
      return true;
    case ID_EXPORT_GPL:
      m_document.Export(FileKind::GimpPalette);
      return true;
    case ID_FILE_IMPORT:
      m_document.Import();
      return true;
    case IDC_DELETE_BUTTON:
      DeleteSelected(m_list.Selection());
      return true;
    case ID_SUPPORT:
      OpenWithShell(TL_MAKER_SUPPORT);  // a failure has nothing useful to say
      return true;
    case ID_CHECK_UPDATE:
      OpenWithShell(TL_MAKER_UPDATE);
      return true;
    case ID_CLEAR_ALL:
      m_document.ClearAll();
      return true;
    case ID_COPY_WHEN_KEPT:
      m_copyOnKeep = !m_copyOnKeep;
      m_menuState.SetCheck(ID_COPY_WHEN_KEPT, m_copyOnKeep);
      SettingsStore::SaveCopyOnKeep(m_copyOnKeep);
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

void MainWindow::OnSliderScroll(int code, int position, HWND slider) {
  // Whatever the code, the user has moved this slider away from what we set.
  if (slider == m_redSlider) m_sliderShown[0] = -1;
  else if (slider == m_greenSlider) m_sliderShown[1] = -1;
  else if (slider == m_blueSlider) m_sliderShown[2] = -1;
  // Only a dragged thumb edits the colour; keys and page clicks just move it.
  if (code != TB_THUMBPOSITION && code != TB_THUMBTRACK) return;
  const unsigned value = static_cast<unsigned>(position) & 0xFF;
  unsigned r = RedOf(m_currentColour), g = GreenOf(m_currentColour), b = BlueOf(m_currentColour);
  if (slider == m_redSlider) r = value;
  else if (slider == m_greenSlider) g = value;
  else if (slider == m_blueSlider) b = value;
  else return;
  m_currentColour = MakeColour(r, g, b);
  RefreshColour(false, true);
}

void MainWindow::OnFormatChange() {
  const LRESULT row = ::SendMessageA(m_formatBox, CB_GETCURSEL, 0, 0);
  if (row < 0 || row >= static_cast<LRESULT>(kNotationTable.size())) return;
  const int chosen = kNotationTable[static_cast<std::size_t>(row)].id;
  if (chosen != m_currentNotation) SettingsStore::SaveNotation(chosen);
  m_currentNotation = chosen;
  RefreshColour(false, false);
}

void MainWindow::OnListSelection() {
  const int index = m_list.Selection();
  if (index < 0 || static_cast<std::size_t>(index) >= m_list.Model().Count()) return;
  m_currentColour = m_list.Model().ColourAt(static_cast<std::size_t>(index));
  RefreshColour(false, false);
}

void MainWindow::DeleteSelected(int index) {
  const ColourList::DeleteResult result = m_list.DeleteAt(index);
  if (result.deleted && result.selection != ColourList::kNoSelection) {
    m_currentColour = m_list.Model().ColourAt(static_cast<std::size_t>(result.selection));
  }
  RefreshColour(false, false);
}

// The edit keys (Ctrl+C, Ctrl+V, Shift+Insert and the rest) reach the window as
// commands through the accelerator table before any control sees them, so they
// are carried out here for the control that has the focus.
void MainWindow::OnEditCommand(int id) {
  const HWND focus = ::GetFocus();
  if (focus == m_colourText.Handle()) {
    const UINT message = id == ID_EDIT_COPY    ? WM_COPY
                         : id == ID_EDIT_CUT   ? WM_CUT
                         : id == ID_EDIT_PASTE ? WM_PASTE
                                               : EM_UNDO;
    ::SendMessageA(focus, message, 0, 0);
  } else if (focus == m_list.Handle() && id == ID_EDIT_COPY) {
    const int index = m_list.Selection();
    if (index >= 0 && static_cast<std::size_t>(index) < m_list.Model().Count()) {
      CopyTextToClipboard(Handle(), ColourListEntryText(m_list.Model().ColourAt(
                                        static_cast<std::size_t>(index))));
    }
  }
}

void MainWindow::CopyColourText() {
  // The box is editable: whatever stands in it now is what gets copied.
  const HWND box = m_colourText.Handle();
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
  m_menuState.SetCheck(ID_ALWAYS_ON_TOP, IsTopmost());
  SettingsStore::SaveAlwaysOnTop(nowTopmost);
}

// The hotkeys are given up while the dialog runs, so the user can type them into
// its controls, and stored only when they could all be taken again.
void MainWindow::ChangeHotkeys() {
  GlobalHotkeys::Unregister(Handle());
  OptionsDialog dialog(m_startHotkey, m_stopHotkey);
  if (dialog.Run(::GetActiveWindow()) == IDOK) {
    m_startHotkey = dialog.StartHotkey();
    m_stopHotkey = dialog.StopHotkey();
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

// Measured from the view's window rectangle, so the picture covers it exactly.
void MainWindow::MeasureMagnifier() {
  RECT view{};
  ::GetWindowRect(m_magnifier.Handle(), &view);
  m_sampler.SetViewSize(view.right - view.left, view.bottom - view.top);
}

// While picking, the hook knows where the pointer is without asking the system.
POINT MainWindow::PointerNow() const {
  POINT pointer{};
  if (!PointerHook::LatestPosition(pointer)) ::GetCursorPos(&pointer);
  return pointer;
}

POINT MainWindow::ScreenPointOf(LPARAM clientPosition) const {
  POINT point{GET_X_LPARAM(clientPosition), GET_Y_LPARAM(clientPosition)};
  ::ClientToScreen(Handle(), &point);
  return point;
}

// However many pointer moves came in since the request was posted, one sample of
// the newest point serves them all.
void MainWindow::OnSampleRequest() {
  PointerHook::RequestTaken();
  TakeSample(PointerNow(), true);
}

bool MainWindow::TakeSample(POINT pointer, bool skipOwnWindows) {
  if (skipOwnWindows && IsOwnWindowAt(Handle(), pointer)) return false;
  const ScreenSampler::Sample sample = m_sampler.Take(pointer, m_zoomLevel);
  m_magnifier.bitmap = m_sampler.Bitmap();
  ::InvalidateRect(m_magnifier.Handle(), nullptr, TRUE);
  // A failed read keeps the colour we have rather than showing garbage.
  if (sample.read) m_currentColour = sample.colour;
  m_positionLabel.SetText(PositionLabelText(pointer.x, pointer.y));
  RefreshColour(false, false);
  return sample.read;
}

// The start hotkey and a drag's release keep the colour: on top of the list and,
// when the user wants it, on the clipboard as the copy button would put it there.
void MainWindow::KeepCurrentColour() {
  RefreshColour(true, false);
  if (m_copyOnKeep) CopyTextToClipboard(Handle(), NotationText(m_currentColour, m_currentNotation));
}

void MainWindow::Zoom(bool in) {
  m_zoomLevel = in ? ZoomedIn(m_zoomLevel) : ZoomedOut(m_zoomLevel);
  m_zoomLabel.SetText(ZoomLabelText(m_zoomLevel));
  if (PointerHook::Installed()) RequestSample();
}

void MainWindow::OnHotkey(int id) {
  if (id == kStartHotkeyId) {
    if (m_session.Picking()) {
      // The colour kept is the one under the pointer now, not an older sample's.
      if (PointerHook::RequestPending()) OnSampleRequest();
      KeepCurrentColour();
    }
  } else if (id == kStopHotkeyId) {
    ::SendMessageA(Handle(), WM_COMMAND, kPickCommandFromProgram, 0);
  } else {
    return;
  }
  ::SetForegroundWindow(Handle());
}

bool MainWindow::InstallPointerHook() {
  return PointerHook::Install(Handle(), &m_session, IDC_PICK_BUTTON);
}

void MainWindow::RemovePointerHook() { PointerHook::Remove(); }

void MainWindow::RequestSample() { ::SendMessageA(Handle(), kSampleRequest, 0, 0); }

void MainWindow::ShowPicking(bool picking) {
  ::SetDlgItemTextA(Handle(), IDC_PICK_BUTTON, picking ? "Stop" : "Pick");
}

namespace {

RECT ClientRectOf(HWND window, HWND parent) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  if (::ScreenToClient(parent, reinterpret_cast<POINT*>(&rect))) {
    ::ScreenToClient(parent, reinterpret_cast<POINT*>(&rect) + 1);
  }
  return rect;
}

}  // namespace

// An icon drag starts with a press on the eyedropper icon.
// While picking or dragging, the arrow keys move the pointer by one physical
// pixel (ten with Shift), whichever control has the focus, so that a colour can
// be reached exactly; Ctrl and Alt keep the keys for their own meanings (Ctrl+Up
// zooms in). The pointer stays on the virtual screen.
bool MainWindow::Nudge(WPARAM key) {
  if (!m_session.Picking() && !m_dragging) return false;
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
  if (m_dragging || !PointerHook::LatestPosition(from)) ::GetCursorPos(&from);
  const RECT screen = m_sampler.ScreenArea();
  const POINT to{std::clamp<LONG>(from.x + dx * step, screen.left, screen.right - 1),
                 std::clamp<LONG>(from.y + dy * step, screen.top, screen.bottom - 1)};
  ::SetCursorPos(to.x, to.y);
  if (m_dragging) {
    m_dragHold.Left(from.x, from.y, ::GetTickCount());
    TakeSample(to, true);
  } else {
    PointerHook::MovedTo(from, to);
    RequestSample();
  }
  return true;
}

void MainWindow::OnLeftButtonDown(LPARAM position) {
  const RECT icon = ClientRectOf(m_pickerIcon.Handle(), Handle());
  const POINT press{LOWORD(position), HIWORD(position)};
  if (!::PtInRect(&icon, press)) return;
  m_pickerIcon.dragFrame = true;
  const LONG_PTR exStyle = ::GetWindowLongPtrA(m_pickerIcon.Handle(), GWL_EXSTYLE);
  if (!(exStyle & WS_EX_STATICEDGE)) {
    ::SetWindowLongPtrA(m_pickerIcon.Handle(), GWL_EXSTYLE, exStyle | WS_EX_STATICEDGE);
  }
  m_dragging = true;
  m_savedCursor = ::SetCursor(m_pictures.DragCursor());
  ::RedrawWindow(m_pickerIcon.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  ::SetCapture(Handle());
}

// The colour under the release point is kept. A release over our own windows, or
// where the screen cannot be read, points at no colour: the drag ends as a
// cancelled one does, rather than keeping the last colour it passed over.
void MainWindow::OnLeftButtonUp(LPARAM position) {
  if (m_dragging && TakeSample(ScreenPointOf(position), true)) KeepCurrentColour();
  EndIconDrag();
}

// Every release that reaches the window ends a drag, whether one ran or not.
void MainWindow::EndIconDrag() {
  m_dragging = false;  // first: releasing the capture must not end the drag twice
  ::ReleaseCapture();
  if (m_savedCursor) ::SetCursor(m_savedCursor);
  const LONG_PTR exStyle = ::GetWindowLongPtrA(m_pickerIcon.Handle(), GWL_EXSTYLE);
  if (exStyle & WS_EX_STATICEDGE) {
    ::SetWindowLongPtrA(m_pickerIcon.Handle(), GWL_EXSTYLE, exStyle & ~WS_EX_STATICEDGE);
  }
  m_pickerIcon.dragFrame = false;
  const RECT icon = ClientRectOf(m_pickerIcon.Handle(), Handle());
  ::RedrawWindow(Handle(), &icon, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// On a monitor of another scale the system rescales the dialog's frame, font and
// controls; the window takes the size the system suggests, fitted to its layout,
// and all that the program made for the old DPI is made again.
void MainWindow::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  m_dpi = newDpi;
  m_sampler.ReadScreenArea();
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitLayoutHeight(IsAdvancedLayout());
  MeasureMagnifier();
  if (m_magnifier.bitmap) m_magnifier.bitmap = m_sampler.Bitmap();
  ApplyDpi();
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::OnExit() {
  if (!m_document.ConfirmExit()) return;  // Cancel, or the colours could not be saved
  DiscardRecoveryCopy();  // saved, or let go by the user's answer
  m_exiting = true;
  // The close request is handled before the quit request behind it, whose code
  // (0) becomes the exit code. The quit goes to the thread, not the window: the
  // close destroys the window, and with it anything still queued for it.
  ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
  ::PostMessageA(nullptr, WM_QUIT, 0, 0);
}

}  // namespace tl
