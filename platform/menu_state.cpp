#include "platform/menu_state.h"

namespace tl {

MenuStateTable::Row* MenuStateTable::Find(UINT commandId) {
  for (Row& row : m_rows) {
    if (row.commandId == commandId) return &row;
  }
  return nullptr;
}

void MenuStateTable::Reset(UINT commandId) {
  if (Row* row = Find(commandId)) {
    *row = {commandId, false, true, true};
  } else {
    m_rows.push_back({commandId, false, true, true});
  }
}

void MenuStateTable::SetCheck(UINT commandId, bool checked) {
  Row* row = Find(commandId);
  if (!row) {
    Reset(commandId);
    row = Find(commandId);
  }
  if (row->checked != checked) {
    row->checked = checked;
    row->pending = true;
  }
}

bool MenuStateTable::IsChecked(UINT commandId) const {
  for (const Row& row : m_rows) {
    if (row.commandId == commandId) return row.checked;
  }
  return false;
}

void MenuStateTable::Apply() {
  const HMENU menu = m_owner ? ::GetMenu(m_owner) : nullptr;
  if (!menu) return;
  for (Row& row : m_rows) {
    if (!row.pending) continue;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = (row.checked ? MFS_CHECKED : 0u) | (row.enabled ? 0u : MFS_DISABLED);
    ::SetMenuItemInfoA(menu, row.commandId, FALSE, &info);
    row.pending = false;
  }
}

}  // namespace tl
