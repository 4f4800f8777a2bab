#include "ui/formats_dialog.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/colour_template.h"
#include "platform/window_centring.h"
#include "res/resource_ids.h"

namespace tl {
namespace {

std::string ItemText(HWND dialog, int id) {
  const HWND item = ::GetDlgItem(dialog, id);
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(item)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

INT_PTR FormatsDialog::Run(HWND owner) { return RunModal(IDD_FORMATS, owner); }

bool FormatsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      result = TRUE;  // the dialog manager places the focus
      return true;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam));
    default:
      return false;
  }
}

void FormatsDialog::OnInitDialog() {
  CentreWindow(Handle(), ::GetParent(Handle()));
  ::SendDlgItemMessageA(Handle(), IDC_FORMAT_NAME, EM_LIMITTEXT, 100, 0);
  ::SendDlgItemMessageA(Handle(), IDC_FORMAT_TEMPLATE, EM_LIMITTEXT, 500, 0);
  FillList(m_editor.Formats().empty() ? -1 : 0);
  OnSelection();
}

bool FormatsDialog::OnCommand(int id, int code) {
  const int selected = Selection();
  switch (id) {
    case IDC_FORMAT_LIST:
      if (code == LBN_SELCHANGE) OnSelection();
      return true;
    case IDC_FORMAT_NAME:
    case IDC_FORMAT_TEMPLATE:
      if (code == EN_CHANGE) ShowPreview();
      return true;
    case IDC_FORMAT_ADD:
      if (Done(m_editor.Add(Typed()))) FillList(static_cast<int>(m_editor.Formats().size()) - 1);
      return true;
    case IDC_FORMAT_CHANGE:
      if (selected >= 0 && Done(m_editor.Change(static_cast<std::size_t>(selected), Typed()))) {
        FillList(selected);
      }
      return true;
    case IDC_FORMAT_REMOVE:
      if (selected < 0) return true;
      m_editor.Remove(static_cast<std::size_t>(selected));
      FillList(std::min(selected, static_cast<int>(m_editor.Formats().size()) - 1));
      OnSelection();
      return true;
    case IDC_FORMAT_UP:
    case IDC_FORMAT_DOWN:
      if (selected >= 0 && m_editor.Move(static_cast<std::size_t>(selected), id == IDC_FORMAT_UP)) {
        FillList(selected + (id == IDC_FORMAT_UP ? -1 : 1));
      }
      return true;
    case IDOK:
    case IDCANCEL:
      ::EndDialog(Handle(), id);
      return true;
    default:
      return false;
  }
}

CustomFormat FormatsDialog::Typed() const {
  return {ItemText(Handle(), IDC_FORMAT_NAME), ItemText(Handle(), IDC_FORMAT_TEMPLATE)};
}

int FormatsDialog::Selection() const {
  return static_cast<int>(::SendDlgItemMessageA(Handle(), IDC_FORMAT_LIST, LB_GETCURSEL, 0, 0));
}

void FormatsDialog::FillList(int select) {
  const HWND list = ::GetDlgItem(Handle(), IDC_FORMAT_LIST);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const CustomFormat& format : m_editor.Formats()) {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format.name.c_str()));
  }
  ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(select), 0);
}

// The chosen format in the boxes, to change; with none chosen they keep what
// was typed, to add.
void FormatsDialog::OnSelection() {
  const int selected = Selection();
  if (selected >= 0) {
    const CustomFormat& format = m_editor.Formats()[static_cast<std::size_t>(selected)];
    ::SetDlgItemTextA(Handle(), IDC_FORMAT_NAME, format.name.c_str());
    ::SetDlgItemTextA(Handle(), IDC_FORMAT_TEMPLATE, format.templateText.c_str());
  }
  ShowPreview();
}

void FormatsDialog::ShowPreview() {
  const std::string text = ItemText(Handle(), IDC_FORMAT_TEMPLATE);
  std::string error;
  const std::optional<ColourTemplate> parsed = ColourTemplate::Parse(text, error);
  const std::string preview = parsed ? parsed->Format(m_colour) : "The template has " + error + ".";
  ::SetDlgItemTextA(Handle(), IDC_FORMAT_PREVIEW, preview.c_str());
}

bool FormatsDialog::Done(const std::string& error) {
  if (error.empty()) return true;
  ::SetDlgItemTextA(Handle(), IDC_FORMAT_PREVIEW, error.c_str());
  ::MessageBeep(MB_ICONWARNING);
  return false;
}

}  // namespace tl
