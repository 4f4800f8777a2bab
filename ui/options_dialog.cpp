#include "ui/options_dialog.h"

#include <commctrl.h>

#include <string>

#include "core/magnifier_geometry.h"
#include "platform/window_centring.h"
#include "res/resource_ids.h"

namespace tl {

INT_PTR OptionsDialog::Run(HWND owner) { return RunModal(IDD_OPTIONS, owner); }

bool OptionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_INITDIALOG:
      CentreWindow(Handle(), ::GetParent(Handle()));
      ::SendDlgItemMessageA(Handle(), IDC_START_HOTKEY, HKM_SETHOTKEY, m_startHotkey & 0xFFFF, 0);
      ::SendDlgItemMessageA(Handle(), IDC_STOP_HOTKEY, HKM_SETHOTKEY, m_stopHotkey & 0xFFFF, 0);
      for (std::size_t i = 0; i < kLargestZoomChoices.size(); ++i) {
        const std::string text = std::to_string(kLargestZoomChoices[i]);
        ::SendDlgItemMessageA(Handle(), IDC_MAX_ZOOM, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(text.c_str()));
        if (kLargestZoomChoices[i] == m_largestZoom) {
          ::SendDlgItemMessageA(Handle(), IDC_MAX_ZOOM, CB_SETCURSEL, i, 0);
        }
      }
      result = FALSE;  // the dialog manager places the focus
      return true;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        m_startHotkey = static_cast<std::uint32_t>(
            ::SendDlgItemMessageA(Handle(), IDC_START_HOTKEY, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
        m_stopHotkey = static_cast<std::uint32_t>(
            ::SendDlgItemMessageA(Handle(), IDC_STOP_HOTKEY, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
        const LRESULT row = ::SendDlgItemMessageA(Handle(), IDC_MAX_ZOOM, CB_GETCURSEL, 0, 0);
        if (row >= 0 && static_cast<std::size_t>(row) < kLargestZoomChoices.size()) {
          m_largestZoom = kLargestZoomChoices[static_cast<std::size_t>(row)];
        }
        ::EndDialog(Handle(), IDOK);
        return true;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(Handle(), IDCANCEL);
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace tl
