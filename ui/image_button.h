#pragma once
// A push button that shows a picture from an image list inside a 3-D edge, with a
// tooltip. The click stays the standard button's: the parent gets BN_CLICKED.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/subclass.h"

namespace tl {

class ImageButton final : public Subclass {
 public:
  // Bits of `extendedStyle`.
  static constexpr DWORD Edge3DDouble = 0x04;     // a full double edge around the picture
  static constexpr DWORD AutoSize = 0x08;         // setting an image list sizes the button to it
  static constexpr DWORD SharedImageList = 0x10;  // the image list is not destroyed with us

  ImageButton() = default;
  ~ImageButton() override;

  void SetExtendedStyle(DWORD style) { extendedStyle = style; }
  void SetTooltipText(const char* text);
  void SetImageList(HIMAGELIST list);
  void SetNormalImage(int index) { normalImage = index; }

  bool Pressed() const { return pressed; }
  bool HasFocus() const { return hasFocus; }

  // Paints the button into any DC (WM_PAINT and WM_PRINTCLIENT both come here).
  void Paint(HDC dc);

 protected:
  void OnAttached() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool HoldsCapture() const { return ::GetCapture() == Handle(); }
  void SetPressed(bool value);
  void RepaintNow();
  int ImageForState() const;

  DWORD extendedStyle = AutoSize;
  HIMAGELIST imageList = nullptr;
  int normalImage = -1;
  int pushedImage = -1;
  int focusImage = -1;
  int disabledImage = -1;
  HWND tooltipWindow = nullptr;
  std::string tooltipText;
  bool hasFocus = false;
  bool pressed = false;
};

}  // namespace tl
