#pragma once
// Option > Formats...: formats of the user's own, each a name and a template,
// added, changed, moved up or down and removed in a copy that OK keeps. The
// preview shows the current colour in the template being typed, or why the
// template cannot be used.

#include <windows.h>

#include <vector>

#include "core/custom_formats.h"
#include "platform/dialog.h"

namespace tl {

class FormatsDialog final : public Dialog {
 public:
  FormatsDialog(std::vector<CustomFormat> formats, ColourValue colour)
      : m_editor(std::move(formats)), m_colour(colour) {}

  // IDOK or IDCANCEL.
  INT_PTR Run(HWND owner);
  const CustomFormatEditor& Editor() const { return m_editor; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnInitDialog();
  bool OnCommand(int id, int code);
  CustomFormat Typed() const;
  int Selection() const;
  void FillList(int select);
  void OnSelection();
  void ShowPreview();
  // Shows the error, if any, in the preview's place; true when there was none.
  bool Done(const std::string& error);

  CustomFormatEditor m_editor;
  ColourValue m_colour;
};

}  // namespace tl
