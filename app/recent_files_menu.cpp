#include "app/recent_files_menu.h"

#include "core/recent_files.h"
#include "platform/code_page.h"
#include "res/resource_ids.h"
#include "settings/settings_store.h"

namespace tl {

bool RecentFilesMenu::FillIfOurs(HMENU popup) {
  const UINT first = ::GetMenuItemID(popup, 0);
  if (first < ID_RECENT_FILE_1 || first >= ID_RECENT_FILE_1 + kRecentFileCount) return false;
  while (::GetMenuItemCount(popup) > 0) ::DeleteMenu(popup, 0, MF_BYPOSITION);
  const std::vector<std::string> paths = SettingsStore::LoadRecentFiles();
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::u16string text = WideOfCodePage(RecentFileMenuText(i, paths[i]));
    ::AppendMenuW(popup, MF_STRING, ID_RECENT_FILE_1 + i, WideChars(text));
  }
  // An empty list still has an item, greyed, so that the menu says it is empty.
  if (paths.empty()) ::AppendMenuW(popup, MF_STRING | MF_GRAYED, ID_RECENT_FILE_1, L"(Empty)");
  return true;
}

std::optional<std::string> RecentFilesMenu::PathOf(int id) {
  if (id < ID_RECENT_FILE_1 || id >= static_cast<int>(ID_RECENT_FILE_1 + kRecentFileCount)) {
    return std::nullopt;
  }
  const std::vector<std::string> paths = SettingsStore::LoadRecentFiles();
  const auto index = static_cast<std::size_t>(id - ID_RECENT_FILE_1);
  if (index >= paths.size()) return std::nullopt;
  return paths[index];
}

void RecentFilesMenu::Add(const std::string& path) {
  RecentFiles recent(SettingsStore::LoadRecentFiles());
  recent.Add(path);
  SettingsStore::SaveRecentFiles(recent.Paths());
}

void RecentFilesMenu::Remove(const std::string& path) {
  RecentFiles recent(SettingsStore::LoadRecentFiles());
  if (recent.Remove(path)) SettingsStore::SaveRecentFiles(recent.Paths());
}

}  // namespace tl
