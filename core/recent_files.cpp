#include "core/recent_files.h"

#include <algorithm>

namespace tl {
namespace {

// A long path keeps its drive or share and its last two parts.
constexpr std::size_t kLongestMenuPath = 60;

bool SamePath(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) {
      if (c == '/') return '\\';
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::size_t CodePoints(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Shortened(const std::string& path) {
  if (CodePoints(path) <= kLongestMenuPath) return path;
  const std::size_t last = path.find_last_of("\\/");
  if (last == std::string::npos || last == 0) return path;
  const std::size_t beforeLast = path.find_last_of("\\/", last - 1);
  const std::size_t tail = beforeLast == std::string::npos ? last : beforeLast;
  const std::size_t head = path.find_first_of("\\/", path.rfind("\\\\", 0) == 0 ? 2 : 0);
  if (head == std::string::npos || head >= tail) return path;
  return path.substr(0, head + 1) + "..." + path.substr(tail);
}

}  // namespace

RecentFiles::RecentFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (m_paths.size() == kRecentFileCount) break;
    if (path.empty()) continue;
    if (std::none_of(m_paths.begin(), m_paths.end(),
                     [&](const std::string& kept) { return SamePath(kept, path); })) {
      m_paths.push_back(path);
    }
  }
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > kRecentFileCount) m_paths.resize(kRecentFileCount);
}

bool RecentFiles::Remove(const std::string& path) {
  const auto found = std::find_if(m_paths.begin(), m_paths.end(),
                                  [&](const std::string& kept) { return SamePath(kept, path); });
  if (found == m_paths.end()) return false;
  m_paths.erase(found);
  return true;
}

std::string RecentFileMenuText(std::size_t index, const std::string& path) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : Shortened(path)) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace tl
