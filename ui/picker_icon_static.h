#pragma once
// The eyedropper icon that an icon drag starts from; while a drag is under way
// it looks pressed in.

#include <windows.h>

#include "platform/subclass.h"

namespace tl {

class PickerIconStatic final : public Subclass {
 public:
  bool dragFrame = false;  // set by the icon drag; the owner redraws the control

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
};

}  // namespace tl
