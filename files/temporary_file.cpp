#include "files/temporary_file.h"

#include "core/number_text.h"

namespace tl {
namespace {

constexpr char kPrefix[] = ".tl-", kOldPrefix[] = "tl", kSuffix[] = ".tmp";

// FNV-1a over the name with ASCII letters in lower case.
std::uint32_t NameHash(const std::string& name) {
  std::uint32_t hash = 2166136261u;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    hash *= 16777619u;
  }
  return hash;
}

std::string HashText(std::uint32_t hash) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) AppendHex2(text, (hash >> shift) & 0xFF);
  return text;
}

// A process id as written: decimal, without leading zeros, within 32 bits.
std::optional<std::uint32_t> ParseProcessId(const std::string& text) {
  if (text.empty() || text.size() > 10 || text[0] == '0') return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + std::uint64_t(c - '0');
  }
  if (value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

bool IsLowerHex(const std::string& text) {
  return text.size() == 8 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// What lies between prefix and suffix, when name has both.
std::optional<std::string> Between(const std::string& name, const std::string& prefix,
                                   const std::string& suffix) {
  if (name.size() < prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return std::nullopt;
  }
  return name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
}

}  // namespace

std::string TemporaryNameFor(const std::string& targetName, std::uint32_t processId) {
  std::string name = kPrefix + HashText(NameHash(targetName)) + '-';
  AppendDecimal(name, processId);
  return name + kSuffix;
}

std::optional<std::uint32_t> TemporaryFileOwner(const std::string& name,
                                                const std::string& targetName) {
  if (const std::optional<std::string> middle = Between(name, kPrefix, kSuffix)) {
    // <hash>-<pid>
    const std::string hash = middle->substr(0, 8);
    const bool forTarget =
        targetName.empty() ? IsLowerHex(hash) : hash == HashText(NameHash(targetName));
    if (!forTarget || middle->size() < 9 || (*middle)[8] != '-') return std::nullopt;
    return ParseProcessId(middle->substr(9));
  }
  const std::optional<std::string> old = Between(name, kOldPrefix, kSuffix);
  const std::size_t dash = old ? old->find('-') : std::string::npos;
  if (!targetName.empty() || dash == std::string::npos || !ParseProcessId(old->substr(dash + 1))) {
    return std::nullopt;
  }
  return ParseProcessId(old->substr(0, dash));
}

std::vector<std::string> StaleTemporaryFiles(const std::vector<std::string>& names,
                                             const std::string& targetName,
                                             bool (*processGone)(std::uint32_t)) {
  std::vector<std::string> stale;
  for (const std::string& name : names) {
    const std::optional<std::uint32_t> owner = TemporaryFileOwner(name, targetName);
    if (owner && processGone(*owner)) stale.push_back(name);
  }
  return stale;
}

}  // namespace tl
