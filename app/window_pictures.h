#pragma once
// The main window's pictures at its DPI: the eyedropper and its drag cursor, the
// copy and delete buttons' pictures, and the window's icons (the small one is the
// tray icon's too). Made at start, and made again at a new DPI.

#include <windows.h>

#include "platform/handles.h"
#include "ui/image_button.h"
#include "ui/picker_icon_static.h"
#include "ui/scaled_pictures.h"
#include "ui/tray_icon.h"

namespace tl {

class WindowPictures {
 public:
  // A picture that cannot be loaded leaves its control empty.
  void Apply(HWND window, UINT dpi, PickerIconStatic& pickerIcon, ImageButton& copyButton,
             ImageButton& deleteButton, TrayIcon& tray);
  // The small icon, or the program's own from its resources when none was made.
  HICON SmallIcon() const;

 private:
  // Outlive the controls and the tray icon that show them.
  ScaledPictures m_pictures;
  UniqueIcon m_bigIcon;
  UniqueIcon m_smallIcon;
};

}  // namespace tl
