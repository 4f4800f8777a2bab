#include "ui/about_dialog.h"

#include "platform/window_centring.h"
#include "res/maker.h"
#include "res/resource_ids.h"

namespace tl {

INT_PTR AboutDialog::Run(HWND owner) { return RunModal(IDD_ABOUT, owner); }

bool AboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_INITDIALOG:
      CentreWindow(Handle(), ::GetParent(Handle()));
      m_webLink.AttachDlgItem(Handle(), IDC_WEB_LINK);
      m_mailLink.AttachDlgItem(Handle(), IDC_MAIL_LINK);
      m_webLink.SetTarget(TL_MAKER_WEB);
      m_mailLink.SetTarget(TL_MAKER_MAIL_TARGET);
      result = TRUE;  // the dialog manager focuses OK
      return true;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(Handle(), LOWORD(wParam));
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace tl
