#pragma once
// File > Recent Files: the last files opened or saved, newest first, and how the
// registry keeps them (REG_MULTI_SZ in UTF-16, so a path in any script survives).

#include <cstddef>
#include <string>
#include <vector>

namespace tl {

constexpr std::size_t kRecentFileCount = 8;
constexpr const char* kRecentFilesValue = "RecentFiles";

class RecentFiles {
 public:
  RecentFiles() = default;
  // Stored paths, as they were kept: empty ones and repeats are dropped, and
  // only the first kRecentFileCount stay.
  explicit RecentFiles(const std::vector<std::string>& paths);

  // To the top; the same file further down goes. Windows paths differ by case
  // and slash direction without naming another file.
  void Add(const std::string& path);
  // False when the path was not in the list.
  bool Remove(const std::string& path);
  const std::vector<std::string>& Paths() const { return m_paths; }

 private:
  std::vector<std::string> m_paths;
};

// An item's text: "&1 path", the path's ampersands doubled so that none becomes
// a mnemonic, and a long path shortened in the middle ("C:\...\folder\file.clf").
std::string RecentFileMenuText(std::size_t index, const std::string& path);

}  // namespace tl
