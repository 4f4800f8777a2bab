#pragma once
// File > Recent Files: its items made as the menu opens, from the list the
// registry keeps (another instance may have added to it since), and the list
// brought up to date as files are opened and saved.

#include <windows.h>

#include <optional>
#include <string>

namespace tl {

class RecentFilesMenu {
 public:
  // True when popup is the Recent Files menu; its items are then made anew.
  static bool FillIfOurs(HMENU popup);
  // The file an item names, or nothing when id is not one of the items'.
  static std::optional<std::string> PathOf(int id);
  static void Add(const std::string& path);
  static void Remove(const std::string& path);
};

}  // namespace tl
