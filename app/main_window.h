#pragma once
// The program's one lasting window: a modeless dialog from template 129. It
// wires its parts together (the picking controller, the colour input, the
// layouts, the document and the preferences), routes messages and commands to
// them, and keeps the window's life: its pictures for the DPI, the tray, close
// and exit. It is the message loop's filter and idle handler.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/colour_input.h"
#include "app/layout_switch.h"
#include "app/picking_controller.h"
#include "app/preferences.h"
#include "app/readout_view.h"
#include "app/window_document.h"
#include "app/window_pictures.h"
#include "core/colour.h"
#include "platform/dialog.h"
#include "platform/dpi.h"
#include "platform/handles.h"
#include "platform/message_loop.h"
#include "ui/colour_list_box.h"
#include "ui/contrast_checker.h"
#include "ui/image_button.h"
#include "ui/picker_icon_static.h"
#include "ui/press_watcher.h"
#include "ui/tooltips.h"
#include "ui/tray_icon.h"

namespace tl {

// Where the shell reports the notification-area icon's mouse messages.
constexpr UINT kTrayMessage = WM_USER + 100;

class MainWindow final : public Dialog, public MessageFilter, public IdleHandler {
 public:
  MainWindow() = default;
  ~MainWindow() override;

  // Builds the window (hidden) and runs its initialisation; false on failure.
  // The loop that runs it offers the window its messages and idle moments.
  bool Create(MessageLoop& loop);

  bool PreTranslateMessage(MSG& message) override;
  void OnIdle() override;

  // Makes a colour the current one, and shows it.
  void ShowColour(ColourValue colour);
  // The start hotkey and a drag's release keep the current colour: on top of the
  // list and, when the user wants it, on the clipboard.
  void KeepCurrentColour();

  ColourValue CurrentColour() const { return m_readouts.Colour(); }
  int ZoomLevel() const { return m_picking.ZoomLevel(); }
  bool Dragging() const { return m_picking.Dragging(); }
  HBITMAP MagnifierPicture() const { return m_picking.Picture(); }
  const ColourList& ColourListModel() const { return m_list.Model(); }
  bool IsAdvancedLayout() const { return m_layout.Advanced(); }
  const TrayIcon& Tray() const { return m_tray; }
  const ContrastChecker& Checker() const { return m_checker; }

  // Restores the colours that instances no longer running left in folder, and from
  // now on keeps a copy of unsaved colours there.
  void StartRecovery(const std::string& folder) { m_document.StartRecovery(folder); }
  // Files from the command line or a second start: opened from the message loop,
  // once the window shows, with the window brought to the front.
  void OpenFilesSoon(const std::vector<std::string>& files) { m_document.OpenFilesSoon(files); }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool OnInitDialog();
  bool OnCommand(int id, int code);
  void ApplyDpi();
  void OnDpiChanged(UINT newDpi, const RECT& suggested);
  void OnHotkey(int id);
  void CheckMenuItems();
  void OnListSelection();
  void DeleteSelected(int index);
  void OnEditCommand(int id);
  bool IsTopmost() const;
  void ToggleAlwaysOnTop();
  void ShowAbout();
  void ShowMainWindow();
  void OpenContrastChecker();
  void UseAsBackground(int index);
  void OnClose();
  void OnExit();

  // Controls, attached while the window initialises.
  PickerIconStatic m_pickerIcon;
  PressWatcher m_pickButton;
  ImageButton m_copyButton;
  ImageButton m_deleteButton;
  ColourListBox m_list;
  ReadoutView m_readouts;
  std::unique_ptr<Tooltips> m_tooltips;

  Preferences m_preferences;
  PickingController m_picking{m_preferences};
  ColourInput m_input{m_readouts, m_preferences};
  LayoutSwitch m_layout;
  WindowDocument m_document{*this, m_list};
  ContrastChecker m_checker;  // made when first opened

  HACCEL m_accelerators = nullptr;
  WindowPictures m_pictures;  // declared first: they outlive the tray icon
  TrayIcon m_tray;
  DialogDpiLayout m_dpiLayout;
  UINT m_dpi = 0;  // the window's; the pictures, fonts and sizes are made for it
  MessageLoop* m_loop = nullptr;
  bool m_exiting = false;
};

}  // namespace tl
