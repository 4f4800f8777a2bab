#pragma once
// The eyedropper icon that an icon drag starts from; while a drag is under way
// it looks pressed in.

#include <windows.h>

#include "platform/subclass.h"

namespace tl {

class PickerIconStatic final : public Subclass {
 public:
  bool dragFrame = false;  // set by the icon drag; the owner redraws the control

  // Shows another icon (not owned), `size` pixels square, and repaints.
  void SetIcon(HICON icon, int size);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  int m_iconSize = 16;  // the template's icon
};

}  // namespace tl
