#pragma once
// The program's small pictures for one display scale: the eyedropper icon, the
// icon drag's cursor and the copy and delete buttons' pictures. Each is drawn
// for 100, 125, 150 and 200 % (tools/make_images.py); a DPI between two of them
// gets the smaller set, so that no picture outgrows the control it sits in.

#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"

namespace tl {

class ScaledPictures {
 public:
  // A size in pixels at 100 %, at `percent`; as the pictures were drawn.
  static int Scaled(int size, int percent) { return (size * percent + 50) / 100; }

  // Loads the set for `dpi`; a picture that cannot be loaded stays null.
  void Load(UINT dpi);

  HICON PickerIcon() const { return m_picker.Get(); }
  int PickerSize() const { return Scaled(16, m_percent); }
  HCURSOR DragCursor() const { return m_dragCursor.Get(); }
  HIMAGELIST CopyPicture() const { return m_copy.Get(); }
  HIMAGELIST DeletePicture() const { return m_delete.Get(); }

 private:
  int m_percent = 100;
  UniqueIcon m_picker;
  UniqueCursor m_dragCursor;
  UniqueImageList m_copy;
  UniqueImageList m_delete;
};

// The icon `id` at the size the system gives `metric` (SM_CXICON, SM_CXSMICON)
// at `dpi`; null when it cannot be loaded.
HICON LoadIconForDpi(int id, int metric, UINT dpi);

}  // namespace tl
