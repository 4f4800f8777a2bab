#pragma once
// Edit > Rename Colour...: one list entry's name in an edit, selected, so that
// typing replaces it. OK takes the name as typed, less the spaces at either end;
// an empty one means the entry has no name.

#include <windows.h>

#include <cstddef>
#include <string>

#include "core/colour.h"
#include "platform/dialog.h"

namespace tl {

// Room for any name a user types; a longer one from a file is shown whole and
// kept when left alone.
constexpr std::size_t kLongestTypedName = 255;  // UTF-16 units

class RenameDialog final : public Dialog {
 public:
  RenameDialog(ColourValue colour, std::string name) : m_colour(colour), m_name(std::move(name)) {}

  // IDOK or IDCANCEL.
  INT_PTR Run(HWND owner);
  // UTF-8; after IDOK what the user typed, trimmed.
  const std::string& Name() const { return m_name; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnInitDialog();
  // False when the edit holds text that is not Unicode (a lone surrogate pasted in).
  bool TakeName();

  ColourValue m_colour;
  std::string m_name;
};

}  // namespace tl
