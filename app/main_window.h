#pragma once
// The program's one lasting window: a modeless dialog from template 129 that owns
// all run-time state and is the message loop's filter and idle handler.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "core/colour.h"
#include "ui/colour_list_box.h"
#include "document/document.h"
#include "platform/recovery_folder.h"
#include "platform/dialog.h"
#include "platform/gdi.h"
#include "platform/handles.h"
#include "platform/menu_state.h"
#include "platform/message_loop.h"
#include "core/picking_session.h"
#include "core/pointer_hold.h"
#include "sampling/screen_sampler.h"
#include "ui/framed_fill_static.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "ui/picker_icon_static.h"
#include "ui/press_watcher.h"
#include "ui/scaled_pictures.h"
#include "ui/tray_icon.h"

namespace tl {

// Where the shell reports the notification-area icon's mouse messages.
constexpr UINT kTrayMessage = WM_USER + 100;

class MainWindow final : public Dialog,
                         public MessageFilter,
                         public IdleHandler,
                         private PickingHost,
                         private DocumentHost {
 public:
  MainWindow() = default;
  ~MainWindow() override;

  // Builds the window (hidden) and runs its initialisation; false on failure.
  bool Create();

  bool PreTranslateMessage(MSG& message) override;
  void OnIdle() override;

  // Pushes the current colour into every read-out; with addToList it also goes
  // on top of the colour list, and keepSliders leaves the sliders where they are
  // (the one being dragged must not be moved back under the user's hand).
  void RefreshColour(bool addToList, bool keepSliders);

  ColourValue CurrentColour() const { return m_currentColour; }
  void SetCurrentColour(ColourValue colour) { m_currentColour = colour & 0xFFFFFF; }
  int CurrentNotation() const { return m_currentNotation; }
  int ZoomLevel() const { return m_zoomLevel; }
  bool Picking() const { return m_session.Picking(); }
  bool Dragging() const { return m_dragging; }
  HBITMAP MagnifierPicture() const { return m_sampler.Bitmap(); }
  const ColourList& ColourListModel() const { return m_list.Model(); }
  bool IsAdvancedLayout() const;
  bool IsExiting() const { return m_exiting; }
  const std::string& CurrentPath() const { return m_document.CurrentPath(); }
  const TrayIcon& Tray() const { return m_tray; }

  // Restores the colours that instances no longer running left in folder, and from
  // now on keeps a copy of unsaved colours there (main_window_document.cpp).
  void StartRecovery(const std::string& folder);

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool OnInitDialog();
  void AttachControls();
  void SetUpImageButton(ImageButton& button, const char* tooltip);
  void FillFormatBox();
  void ApplyDpi();
  void LoadWindowIcons();
  void CreateTrayIcon();
  void ShowAbout();
  void CreateColourTextFont();

  bool OnCommand(int id, int code);
  POINT PointerNow() const;
  POINT ScreenPointOf(LPARAM clientPosition) const;
  void OnSampleRequest();
  // False when nothing was read: the point is on our own windows (and those are
  // skipped), or the screen could not be read.
  bool TakeSample(POINT pointer, bool skipOwnWindows);
  void MeasureMagnifier();
  void Zoom(bool in);
  void OnHotkey(int id);
  bool Nudge(WPARAM key);
  void KeepCurrentColour();
  void OnLeftButtonDown(LPARAM position);
  void OnLeftButtonUp(LPARAM position);
  void EndIconDrag();
  void OnDpiChanged(UINT newDpi, const RECT& suggested);

  // DocumentHost, in main_window_document.cpp
  const std::vector<ColourValue>& Colours() const override { return m_list.Model().Colours(); }
  bool Modified() const override { return m_list.Model().Modified(); }
  void SetModified(bool modified) override { m_list.SetModified(modified); }
  void ReplaceColours(const std::vector<ColourValue>& colours) override;
  void AppendColours(const std::vector<ColourValue>& colours) override;
  std::optional<ChosenFile> ChooseFileToOpen() override;
  std::optional<ChosenFile> ChooseFileToSave(FileKind kind) override;
  std::optional<ChosenFile> ChooseFileToImport() override;
  Answer AskToSaveColours() override;
  void ShowCannotSave(const std::string& path) override;
  void ShowCannotOpen(const std::string& path) override;
  void ShowExportFailed() override;
  void ShowNoColoursFound(const std::string& path) override;
  void SetTitle(const std::string& title) override;
  std::optional<ChosenFile> ChooseFile(bool toSave, const char* filter, const char* extension);
  void KeepRecoveryCopy();
  void DiscardRecoveryCopy();

  // PickingHost
  bool InstallPointerHook() override;
  void RemovePointerHook() override;
  void RequestSample() override;
  void ShowPicking(bool picking) override;
  void OnSliderScroll(int code, int position, HWND slider);
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

  // Controls, attached while the window initialises.
  PickerIconStatic m_pickerIcon;
  PressWatcher m_pickButton;
  ImageButton m_copyButton;
  ImageButton m_deleteButton;
  FramedFillStatic m_magnifier;
  FramedFillStatic m_swatch;
  ColourListBox m_list;
  HWND m_formatBox = nullptr;
  Label m_colourText;  // editable: the user may type over it
  Label m_positionLabel;
  Label m_rgbLabel;
  Label m_zoomLabel;
  HWND m_redSlider = nullptr;
  HWND m_greenSlider = nullptr;
  HWND m_blueSlider = nullptr;

  HACCEL m_accelerators = nullptr;
  UniqueIcon m_bigIcon;
  UniqueIcon m_smallIcon;  // also the tray icon's, so it outlives the tray icon
  TrayIcon m_tray;
  ScaledPictures m_pictures;  // outlive the controls that show them
  GdiObject<HFONT> m_colourTextFont;
  MenuStateTable m_menuState;
  MessageLoop* m_loop = nullptr;
  // The client area's height in each layout, measured at start at m_layoutDpi.
  int m_advancedHeight = 0;
  int m_simpleHeight = 0;
  UINT m_layoutDpi = 0;
  std::vector<HWND> m_advancedControls;  // the RGB group and what lies in it
  ScreenSampler m_sampler;
  PickingSession m_session{*this};
  Document m_document{*this};
  std::unique_ptr<RecoveryFolder> m_recoveryFolder;
  std::unique_ptr<RecoveryKeeper> m_recovery;  // off until StartRecovery
  bool m_swatchPainted = false;  // the swatch repaints only when its colour changes
  int m_sliderShown[3] = {-1, -1, -1};  // -1: moved by the user since we set it
  bool m_dragging = false;
  PointerHold m_dragHold;  // against stale moves after a nudge during a drag
  bool m_copyOnKeep = false;
  HCURSOR m_savedCursor = nullptr;
  UINT m_dpi = 0;  // the window's; the pictures, fonts and sizes are made for it

  ColourValue m_currentColour = kWhite;
  int m_currentNotation = kNotationRgb;
  int m_zoomLevel = 4;
  std::uint32_t m_startHotkey = 0;
  std::uint32_t m_stopHotkey = 0;
  bool m_exiting = false;
};

}  // namespace tl
