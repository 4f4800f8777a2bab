#pragma once
// The About box: product name and version, the icon, and links to the maker's
// web site and support mail.

#include <windows.h>

#include "platform/dialog.h"
#include "ui/hyperlink.h"

namespace tl {

class AboutDialog final : public Dialog {
 public:
  // Modal; centred on the owner, or on the work area when the owner is hidden.
  INT_PTR Run(HWND owner);

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  Hyperlink m_webLink;
  Hyperlink m_mailLink;
};

}  // namespace tl
