#include "app/main_window.h"

#include <windowsx.h>

#include <utility>

#include "app/file_arrival.h"
#include "platform/clipboard.h"
#include "platform/edit_keys.h"
#include "platform/module.h"
#include "platform/shell.h"
#include "platform/window_centring.h"
#include "res/maker.h"
#include "res/resource_ids.h"
#include "sampling/pointer_hook.h"
#include "settings/global_hotkeys.h"
#include "ui/about_dialog.h"
#include "app/recent_files_menu.h"

namespace tl {

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
  if (message.message == WM_KEYDOWN && m_picking.Nudge(message.wParam)) return true;
  // The wheel over the magnifier zooms, whichever of our controls has the focus.
  if (message.message == WM_MOUSEWHEEL) {
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (::WindowFromPoint(at) == m_readouts.Magnifier()) {
      m_picking.Zoom(GET_WHEEL_DELTA_WPARAM(message.wParam) > 0);
      return true;
    }
  }
  if (m_accelerators && ::TranslateAcceleratorA(Handle(), m_accelerators, &message)) return true;
  return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

void MainWindow::OnIdle() { m_document.OnIdle(); }

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  if (m_picking.OnMessage(message, wParam)) return true;
  if (m_document.OnMessage(message, wParam, lParam, result)) return true;
  switch (message) {
    case WM_INITDIALOG:
      result = OnInitDialog();
      return true;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case kListEditMessage:
      DeleteSelected(static_cast<int>(wParam));
      return true;
    case WM_HOTKEY:
      OnHotkey(static_cast<int>(wParam));
      return true;
    case WM_HSCROLL:
      return m_input.OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    case WM_MOUSEWHEEL:
      return m_input.OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam),
                                  POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_INITMENUPOPUP:
      if (!RecentFilesMenu::FillIfOurs(reinterpret_cast<HMENU>(wParam))) CheckMenuItems();
      return true;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      // The only times the virtual screen's rectangle can change.
      m_picking.ReadScreenArea();
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
      return false;
  }
}

bool MainWindow::OnInitDialog() {
  CentreWindow(Handle());
  m_pickerIcon.AttachDlgItem(Handle(), IDC_PICKER_ICON);
  m_copyButton.AttachDlgItem(Handle(), IDC_COPY_BUTTON);
  m_deleteButton.AttachDlgItem(Handle(), IDC_DELETE_BUTTON);
  m_pickButton.AttachDlgItem(Handle(), IDC_PICK_BUTTON);
  m_list.AttachDlgItem(Handle(), IDC_COLOUR_LIST);
  m_readouts.Attach(Handle());
  m_accelerators = ::LoadAcceleratorsA(Module::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  // The pictures come with the window's DPI (ApplyDpi).
  m_copyButton.SetTooltipText("Copy to clipboard");
  m_deleteButton.SetTooltipText("Delete");
  m_tooltips = std::make_unique<Tooltips>(Handle());
  m_tooltips->Add(m_pickerIcon.Handle(), "Drag onto any pixel to keep its colour");
  m_tooltips->Add(m_pickButton.Handle(), "Pick colours anywhere on the screen");

  m_preferences.Load();
  m_preferences.RegisterHotkeys(Handle());
  ::SetWindowPos(Handle(), m_preferences.Values().alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  KeepDialogSizeOnDpiChange(Handle());
  KeepControlFontOnDpiChange(m_readouts.ColourTextBox());
  m_dpi = WindowDpi(Handle());
  ApplyDpi();
  m_dpiLayout.Measure(Handle(), m_dpi);
  m_input.onColour = [this](ColourValue colour) { ShowColour(colour); };
  m_input.Attach(Handle(), m_dpi);
  m_picking.onSample = [this](ColourValue colour) { ShowColour(colour); };
  m_picking.onKeep = [this] { KeepCurrentColour(); };
  m_picking.loupeText = [this](ColourValue colour) { return m_readouts.Text(colour); };
  m_picking.Attach(Handle(), m_readouts, m_pickerIcon, m_pickButton, m_dpi);
  ShowColour(kWhite);
  m_layout.Measure(Handle(), m_dpi);
  m_layout.Set(false);
  // Without the icon the program still runs; the hotkeys bring the window back.
  m_tray.Create(Handle(), IDR_TRAYMENU, "Keepcase", m_pictures.SmallIcon(), kTrayMessage);
  ReceiveArrivingFiles(Handle());
  m_picking.SampleAtStart();
  return true;  // the dialog manager focuses the first tab stop
}

// The commands by id, or by a range of ids: the window's message map. Those of
// the colour input's controls go to it first; a notification that no one takes
// goes on to the dialog manager.
bool MainWindow::OnCommand(int id, int code) {
  if (m_input.OnCommand(id, code)) return true;
  // F2 (code 1, from the accelerators) renames only in the list; elsewhere the
  // key is the focused control's.
  if (id == ID_RENAME_COLOUR) {
    if (code != 1 || ::GetFocus() == m_list.Handle()) m_list.RenameSelected(Handle());
    return true;
  }
  if (id == IDC_COLOUR_LIST) {
    if (code == LBN_SELCHANGE) OnListSelection();
    return code == LBN_SELCHANGE;
  }
  struct Route {
    int id;
    void (*run)(MainWindow& window, int id);
    int last = 0;  // a range of ids from `id`, when not 0
  };
  static const Route kRoutes[] = {
      {ID_OPEN_MAIN_WINDOW, [](MainWindow& w, int) { w.ShowMainWindow(); }},
      {ID_APP_ABOUT, [](MainWindow& w, int) { w.ShowAbout(); }},
      {IDCANCEL, [](MainWindow& w, int) { w.OnClose(); }},
      {ID_APP_EXIT, [](MainWindow& w, int) { w.OnExit(); }},
      {ID_ALWAYS_ON_TOP, [](MainWindow& w, int) { w.ToggleAlwaysOnTop(); }},
      {ID_OPTIONS, [](MainWindow& w, int) { w.m_preferences.EditOptions(w.Handle()); }},
      {ID_FORMATS, [](MainWindow& w, int) { w.m_input.EditFormats(); }},
      {ID_ZOOM_IN, [](MainWindow& w, int) { w.m_picking.Zoom(true); }},
      {ID_ZOOM_OUT, [](MainWindow& w, int) { w.m_picking.Zoom(false); }},
      {IDC_PICK_BUTTON, [](MainWindow& w, int) { w.m_picking.TogglePicking(); }},
      {IDC_COPY_BUTTON, [](MainWindow& w, int) { w.m_input.CopyColourText(); }},
      {IDC_MODE_BUTTON, [](MainWindow& w, int) { w.m_layout.Set(!w.m_layout.Advanced()); }},
      {IDC_DELETE_BUTTON, [](MainWindow& w, int) { w.DeleteSelected(w.m_list.Selection()); }},
      {ID_LIST_DELETE, [](MainWindow& w, int) { w.DeleteSelected(w.m_list.Selection()); }},
      {ID_CONTRAST_CHECKER, [](MainWindow& w, int) { w.OpenContrastChecker(); }},
      {ID_USE_AS_BACKGROUND, [](MainWindow& w, int) { w.UseAsBackground(w.m_list.Selection()); }},
      {ID_SUPPORT, [](MainWindow&, int) { OpenWithShell(TL_MAKER_SUPPORT); }},
      {ID_CHECK_UPDATE, [](MainWindow&, int) { OpenWithShell(TL_MAKER_UPDATE); }},
      {ID_COPY_WHEN_KEPT, [](MainWindow& w, int) { w.m_preferences.Toggle(Switch::CopyOnKeep); }},
      {ID_CLICK_KEEPS, [](MainWindow& w, int) { w.m_picking.Toggle(Switch::ClickKeeps); }},
      {ID_LOUPE_AT_POINTER, [](MainWindow& w, int) { w.m_picking.Toggle(Switch::LoupeAtPointer); }},
      {ID_PIXEL_GRID, [](MainWindow& w, int) { w.m_picking.Toggle(Switch::PixelGrid); }},
      {ID_SAMPLE_1,
       [](MainWindow& w, int id) {
         w.m_picking.SetSampleSize(kSampleSizes[static_cast<std::size_t>(id - ID_SAMPLE_1)]);
       },
       ID_SAMPLE_9},
      {ID_EDIT_COPY, [](MainWindow& w, int id) { w.OnEditCommand(id); }, ID_EDIT_CUT},
      {ID_EDIT_PASTE, [](MainWindow& w, int id) { w.OnEditCommand(id); }},
      {ID_EDIT_UNDO, [](MainWindow& w, int id) { w.OnEditCommand(id); }},
  };
  for (const Route& route : kRoutes) {
    if (id == route.id || (route.last && id > route.id && id <= route.last)) {
      route.run(*this, id);
      return true;
    }
  }
  return m_document.OnCommand(id);
}

// What is drawn or measured for the window's DPI: made at start, and made again
// when the window moves to a monitor of another scale.
void MainWindow::ApplyDpi() {
  m_pictures.Apply(Handle(), m_dpi, m_pickerIcon, m_copyButton, m_deleteButton, m_tray);
  m_readouts.MakeFont(m_dpi);
  m_list.MeasureItems(m_dpi);
}

// On a monitor of another scale the system rescales the dialog's frame, font and
// controls; the window takes the size the system suggests, fitted to its layout,
// and all that the program made for the old DPI is made again. Handling the
// message keeps the dialog manager out, so its part is done here too: each
// control's place and font (DialogDpiLayout).
void MainWindow::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  m_dpi = newDpi;
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  m_dpiLayout.Apply(Handle(), newDpi);
  m_layout.Fit(newDpi);
  ApplyDpi();
  m_input.OnDpiChanged(newDpi);
  m_picking.OnDpiChanged(newDpi);
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::ShowColour(ColourValue colour) {
  m_readouts.Show(colour & 0xFFFFFF);
  m_checker.OnCurrentColour(colour & 0xFFFFFF);
}

// On top of the list and, when the user wants it, on the clipboard as the copy
// button would put it there.
void MainWindow::KeepCurrentColour() {
  m_list.AddColour(CurrentColour());
  if (m_preferences.On(Switch::CopyOnKeep)) {
    CopyTextToClipboard(Handle(), m_readouts.Text(CurrentColour()));
  }
}

void MainWindow::OnHotkey(int id) {
  if (id == kStartHotkeyId) {
    m_picking.OnStartHotkey();
  } else if (id == kStopHotkeyId) {
    ::SendMessageA(Handle(), WM_COMMAND, kPickCommandFromProgram, 0);
  } else {
    return;
  }
  ::SetForegroundWindow(Handle());
}

// The check marks are set as the menu opens, from the state they show.
void MainWindow::CheckMenuItems() {
  const HMENU menu = ::GetMenu(Handle());
  m_preferences.CheckMenu(menu);
  ::CheckMenuItem(menu, ID_ALWAYS_ON_TOP, IsTopmost() ? MF_CHECKED : MF_UNCHECKED);
  ::EnableMenuItem(menu, ID_RENAME_COLOUR,
                   MF_BYCOMMAND | (m_list.Selection() >= 0 ? MF_ENABLED : MF_GRAYED));
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
  if (CarryOutEditKey(Handle(), id) || ::GetFocus() != m_list.Handle() || id != ID_EDIT_COPY)
    return;
  const int index = m_list.Selection();
  if (index >= 0 && static_cast<std::size_t>(index) < m_list.Model().Count()) {
    // The colour as the colour text writes it: never the entry's name.
    CopyTextToClipboard(Handle(),
                        m_readouts.Text(m_list.Model().ColourAt(static_cast<std::size_t>(index))));
  }
}

bool MainWindow::IsTopmost() const {
  return (::GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void MainWindow::ToggleAlwaysOnTop() {
  const bool nowTopmost = !IsTopmost();
  ::SetWindowPos(Handle(), nowTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
  m_preferences.SetAlwaysOnTop(nowTopmost);
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

// A kept text colour goes on top of the list as a picked one does, but not to
// the clipboard: Copy When Kept is for the start hotkey and the icon drag.
void MainWindow::OpenContrastChecker() {
  if (!m_checker.onKeep) {
    m_checker.onKeep = [this](ColourValue colour) { m_list.AddColour(colour); };
  }
  m_checker.Open(Handle(), *m_loop, CurrentColour());
}

// The entry right-clicked is the selected one by now.
void MainWindow::UseAsBackground(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_list.Model().Count()) return;
  OpenContrastChecker();
  m_checker.SetBackground(m_list.Model().ColourAt(static_cast<std::size_t>(index)));
}

// Closing only hides the window, unless the program is exiting.
void MainWindow::OnClose() {
  if (!m_exiting) {
    ::ShowWindow(Handle(), SW_HIDE);
    return;
  }
  m_preferences.SaveOnExit();
  GlobalHotkeys::Unregister(Handle());
  StopReceivingFiles(Handle());
  ::DestroyWindow(Handle());
  m_picking.Stop();
  ::PostQuitMessage(IDCANCEL);
}

void MainWindow::OnExit() {
  if (!m_document.Flow().ConfirmExit()) return;  // Cancel, or the colours could not be saved
  m_document.DiscardRecoveryCopy();              // saved, or let go by the user's answer
  m_exiting = true;
  // The close request is handled before the quit request behind it, whose code
  // (0) becomes the exit code. The quit goes to the thread, not the window: the
  // close destroys the window, and with it anything still queued for it.
  ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
  ::PostMessageA(nullptr, WM_QUIT, 0, 0);
}

}  // namespace tl
