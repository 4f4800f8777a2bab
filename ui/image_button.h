#pragma once
// A push button that shows the first picture of an image list inside a double
// 3-D edge, with a tooltip; pressed, the edge sinks and the picture moves by a
// pixel. The click stays the standard button's: the parent gets BN_CLICKED.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/handles.h"
#include "platform/subclass.h"

namespace tl {

class ImageButton final : public Subclass {
 public:
  void SetTooltipText(const char* text);
  // The pictures are borrowed: their owner keeps them while the button shows them.
  void SetImageList(HIMAGELIST list);

  // Paints the button into any DC (WM_PAINT and WM_PRINTCLIENT both come here).
  void Paint(HDC dc);

 protected:
  void OnAttached() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool HoldsCapture() const { return ::GetCapture() == Handle(); }
  void SetPressed(bool value);
  void RepaintNow();

  HIMAGELIST m_imageList = nullptr;
  UniqueWindow m_tooltip;
  std::string m_tooltipText;
  bool m_hasFocus = false;
  bool m_pressed = false;
};

}  // namespace tl
