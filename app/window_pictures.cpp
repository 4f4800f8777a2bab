#include "app/window_pictures.h"

#include <utility>

#include "platform/dpi.h"
#include "platform/module.h"
#include "res/resource_ids.h"

namespace tl {

// The icons at the sizes the system asks for at the window's DPI; the
// notification area shows the small one.
void WindowPictures::Apply(HWND window, UINT dpi, PickerIconStatic& pickerIcon,
                           ImageButton& copyButton, ImageButton& deleteButton, TrayIcon& tray) {
  ScaledPictures pictures;
  pictures.Load(dpi);
  pickerIcon.SetIcon(pictures.PickerIcon(), pictures.PickerSize());
  copyButton.SetImageList(pictures.CopyPicture());
  deleteButton.SetImageList(pictures.DeletePicture());
  pickerIcon.SetDragCursor(pictures.DragCursor());
  m_pictures = std::move(pictures);  // the old set goes now that nothing shows it

  UniqueIcon big(LoadIconForDpi(IDR_MAINFRAME, SM_CXICON, dpi));
  UniqueIcon small(LoadIconForDpi(IDR_MAINFRAME, SM_CXSMICON, dpi));
  ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
  ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
  if (small) tray.SetIcon(small.Get());
  m_bigIcon = std::move(big);
  m_smallIcon = std::move(small);
}

HICON WindowPictures::SmallIcon() const {
  return m_smallIcon ? m_smallIcon.Get()
                     : ::LoadIconA(Module::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

}  // namespace tl
