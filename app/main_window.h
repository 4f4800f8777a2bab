#pragma once
// The program's one lasting window: a modeless dialog from template 129 that owns
// all run-time state and is the message loop's filter and idle handler.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/readout_view.h"
#include "app/window_document.h"
#include "core/colour.h"
#include "core/custom_formats.h"
#include "core/magnifier_geometry.h"
#include "core/picking_session.h"
#include "core/pointer_hold.h"
#include "platform/dialog.h"
#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/handles.h"
#include "platform/message_loop.h"
#include "sampling/screen_sampler.h"
#include "ui/balloon_tip.h"
#include "ui/colour_list_box.h"
#include "ui/contrast_checker.h"
#include "ui/format_box.h"
#include "ui/image_button.h"
#include "ui/loupe_window.h"
#include "ui/picker_icon_static.h"
#include "ui/press_watcher.h"
#include "ui/scaled_pictures.h"
#include "ui/tooltips.h"
#include "ui/tray_icon.h"

namespace tl {

// Where the shell reports the notification-area icon's mouse messages.
constexpr UINT kTrayMessage = WM_USER + 100;

class MainWindow final : public Dialog,
                         public MessageFilter,
                         public IdleHandler,
                         private PickingHost {
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

  ColourValue CurrentColour() const { return m_currentColour; }
  int ZoomLevel() const { return m_zoomLevel; }
  bool Picking() const { return m_session.Picking(); }
  bool Dragging() const { return m_pickerIcon.Dragging(); }
  HBITMAP MagnifierPicture() const { return m_sampler.Bitmap(); }
  const ColourList& ColourListModel() const { return m_list.Model(); }
  bool IsAdvancedLayout() const;
  const std::string& CurrentPath() const { return m_document.CurrentPath(); }
  const TrayIcon& Tray() const { return m_tray; }
  const ContrastChecker& Checker() const { return m_checker; }

  // Restores the colours that instances no longer running left in folder, and from
  // now on keeps a copy of unsaved colours there.
  void StartRecovery(const std::string& folder) { m_document.StartRecovery(folder); }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool OnInitDialog();
  void AttachControls();
  void FillFormatBox();
  void ApplyDpi();
  void LoadWindowIcons();
  void CreateTrayIcon();
  void ShowAbout();

  bool OnCommand(int id, int code);
  POINT PointerNow() const;
  void OnSampleRequest();
  void OnOwnWindowPress(bool onPickButton);
  void SetSampleSize(int size);
  void RedrawMagnifier();
  ScreenSampler::Options SampleOptions() const;
  void CreateTooltips();
  void ShowLoupe(bool show);
  // False when nothing was read: the point is on our own windows (and those are
  // skipped), or the screen could not be read.
  // `settle`: a keep, which waits for the screen the loupe leaves to be painted.
  bool TakeSample(POINT pointer, bool skipOwnWindows, bool settle = false);
  Rect SourceRectAt(POINT pointer) const;
  Rect ScreenRect();
  void OnLoupeSettled();
  void MeasureMagnifier();
  void Zoom(bool in);
  void OnHotkey(int id);
  bool Nudge(WPARAM key);
  void OnIconDragMove(POINT point);
  void OnIconDragRelease(POINT point);
  void CheckMenuItems();
  void OnDpiChanged(UINT newDpi, const RECT& suggested);

  // PickingHost
  bool InstallPointerHook() override;
  void RemovePointerHook() override;
  void RequestSample() override;
  void ShowPicking(bool picking) override;
  void OnFormatChange();
  void OnListSelection();
  void DeleteSelected(int index);
  void CopyColourText();
  void OnEditCommand(int id);
  bool IsTopmost() const;
  void ToggleAlwaysOnTop();
  void ChangeHotkeys();
  bool RegisterHotkeys();
  void ShowMainWindow();
  void SetLayout(bool advanced);
  void MeasureLayouts();
  int LayoutHeight(bool advanced) const;
  void FitLayoutHeight(bool advanced);
  void OnClose();
  void OnExit();
  void OpenContrastChecker();
  void UseAsBackground(int index);
  void RenameEntry(int index);
  // A colour typed into the colour text, or a value into a slider's box, taken.
  void TakeTypedColour();
  void TakeSliderValue(int index);
  bool OnMouseWheel(int delta, POINT screen);
  void OnSliderModelChange();
  void EditFormats();

  // Controls, attached while the window initialises.
  PickerIconStatic m_pickerIcon;
  PressWatcher m_pickButton;
  ImageButton m_copyButton;
  ImageButton m_deleteButton;
  ColourListBox m_list;
  HWND m_formatBox = nullptr;
  ReadoutView m_readouts;
  FormatBox m_formatRow;  // the format box, fitted beside the colour text
  BalloonTip m_balloon;   // why a typed colour or value was not taken

  HACCEL m_accelerators = nullptr;
  UniqueIcon m_bigIcon;
  UniqueIcon m_smallIcon;  // also the tray icon's, so it outlives the tray icon
  TrayIcon m_tray;
  ScaledPictures m_pictures;  // outlive the controls that show them
  MessageLoop* m_loop = nullptr;
  // The client area's height in each layout, measured at start at m_layoutDpi.
  int m_advancedHeight = 0;
  int m_simpleHeight = 0;
  UINT m_layoutDpi = 0;
  std::vector<HWND> m_advancedControls;  // the RGB group and what lies in it
  ScreenSampler m_sampler;
  PickingSession m_session{*this};
  WindowDocument m_document{*this, m_list};
  PointerHold m_dragHold;  // against stale moves after a nudge during a drag
  bool m_copyOnKeep = false;
  DialogDpiLayout m_dpiLayout;
  LoupeWindow m_loupe;
  std::unique_ptr<Tooltips> m_tooltips;
  int m_largestZoom = kMaxZoomLevel;
  bool m_pixelGrid = false;
  int m_sampleSize = 1;
  bool m_clickKeeps = false;
  bool m_loupeAtPointer = false;
  bool m_loupeSettling = false;  // a sample waits for the screen the loupe left
  static constexpr UINT_PTR kLoupeSettleTimer = 1;
  static constexpr UINT kLoupeSettleMilliseconds = 60;
  POINT m_lastSamplePoint{};
  UINT m_dpi = 0;  // the window's; the pictures, fonts and sizes are made for it

  ColourValue m_currentColour = kWhite;
  int m_currentNotation = kNotationRgb;
  FormatList m_formats;  // the built-in notations and the user's own formats
  int m_zoomLevel = kDefaultZoomLevel;
  std::uint32_t m_startHotkey = 0;
  std::uint32_t m_stopHotkey = 0;
  bool m_exiting = false;
  ContrastChecker m_checker;  // made when first opened
};

}  // namespace tl
