#pragma once
// Wanted states of menu items, kept in a table and applied at the next idle
// moment, so a command never has to touch the menu itself.

#include <windows.h>

#include <vector>

namespace tl {

class MenuStateTable {
 public:
  // The window whose menu bar the rows apply to.
  void SetOwner(HWND window) { m_owner = window; }

  // Enters (or resets) a row: enabled, unchecked, and pending.
  void Reset(UINT commandId);
  // Records the wanted check; the menu changes only when it differs.
  void SetCheck(UINT commandId, bool checked);
  bool IsChecked(UINT commandId) const;

  // Brings the owner's menu bar up to date; idle handlers call this.
  void Apply();

 private:
  struct Row {
    UINT commandId;
    bool checked;
    bool enabled;
    bool pending;
  };
  Row* Find(UINT commandId);

  HWND m_owner = nullptr;
  std::vector<Row> m_rows;
};

}  // namespace tl
