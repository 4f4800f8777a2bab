#include "ui/rename_dialog.h"

#include <optional>

#include "core/colour_list.h"
#include "core/unicode_text.h"
#include "platform/code_page.h"
#include "platform/window_centring.h"
#include "res/resource_ids.h"

namespace tl {
namespace {

// The dialog is an ANSI window, but its edit keeps UTF-16: reading and writing
// it in UTF-16 keeps a name in any script, whatever the system's code page.
std::u16string EditText(HWND edit) {
  std::u16string text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(edit, WideChars(text), static_cast<int>(text.size()))));
  return text;
}

void SetEditText(HWND edit, const std::u16string& text) { ::SetWindowTextW(edit, WideChars(text)); }

// Spaces (and the control characters the list would make spaces) at either end
// are left out, so that a name of spaces alone is no name.
std::u16string Trimmed(const std::u16string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && text[first] <= u' ') ++first;
  while (last > first && text[last - 1] <= u' ') --last;
  return text.substr(first, last - first);
}

}  // namespace

INT_PTR RenameDialog::Run(HWND owner) { return RunModal(IDD_RENAME, owner); }

void RenameDialog::OnInitDialog() {
  CentreWindow(Handle(), ::GetParent(Handle()));
  const std::string prompt = "&Name for " + ColourListEntryText(m_colour) + ":";
  ::SetDlgItemTextA(Handle(), IDC_RENAME_PROMPT, prompt.c_str());
  const HWND edit = ::GetDlgItem(Handle(), IDC_RENAME_NAME);
  ::SendMessageW(edit, EM_LIMITTEXT, kLongestTypedName, 0);
  SetEditText(edit, Utf16OfUtf8(m_name));
  ::SetFocus(edit);
  ::SendMessageW(edit, EM_SETSEL, 0, -1);
}

bool RenameDialog::TakeName() {
  const std::optional<std::string> name =
      Utf8OfUtf16(Trimmed(EditText(::GetDlgItem(Handle(), IDC_RENAME_NAME))));
  if (!name) return false;
  m_name = *name;
  return true;
}

bool RenameDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      result = FALSE;  // the focus is placed, on the edit
      return true;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        if (TakeName()) {
          ::EndDialog(Handle(), IDOK);
        } else {
          ::MessageBeep(MB_ICONWARNING);  // the dialog stays for the user to mend the text
        }
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
