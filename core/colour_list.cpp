#include "core/colour_list.h"

#include <algorithm>

#include "core/unicode_text.h"

namespace tl {

std::optional<std::string> ColourNameOf(std::string_view text) {
  if (!IsUtf8(text)) return std::nullopt;
  std::string name(Utf8Prefix(text, kLongestColourName));
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return name;
}

std::string ColourListEntryText(ColourValue colour, const std::string& name) {
  if (name.empty()) return ColourListEntryText(colour);
  return name + " (" + ColourListEntryText(colour) + ")";
}

void ColourList::AddColour(ColourValue colour) {
  m_colours.insert(m_colours.begin(), colour);
  if (!m_names.empty()) m_names.insert(m_names.begin(), std::string());
  m_modified = true;
  ++m_generation;
}

void ColourList::AddColour(ColourValue colour, std::string_view name) {
  AddColour(colour);
  SetName(0, name);
}

void ColourList::Append(const std::vector<ColourValue>& colours) {
  m_colours.insert(m_colours.end(), colours.begin(), colours.end());
  ++m_generation;
}

void ColourList::Append(const std::vector<ColourValue>& colours,
                        const std::vector<std::string>& names) {
  const std::size_t first = m_colours.size();
  Append(colours);
  const std::size_t named = std::min(names.size(), colours.size());
  for (std::size_t i = 0; i < named; ++i) {
    if (names[i].empty()) continue;
    const std::optional<std::string> name = ColourNameOf(names[i]);
    if (!name) continue;
    if (m_names.size() < first + i + 1) m_names.resize(first + i + 1);
    m_names[first + i] = *name;
  }
}

const std::string& ColourList::NameAt(std::size_t index) const {
  static const std::string kNone;
  return index < m_names.size() ? m_names[index] : kNone;
}

bool ColourList::SetName(std::size_t index, std::string_view text) {
  const std::optional<std::string> name = ColourNameOf(text);
  if (index >= m_colours.size() || !name || *name == NameAt(index)) return false;
  if (m_names.size() <= index) m_names.resize(index + 1);
  m_names[index] = *name;
  m_modified = true;
  ++m_generation;
  return true;
}

ColourList::DeleteResult ColourList::DeleteAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_colours.size()) {
    return {false, kNoSelection};
  }
  m_colours.erase(m_colours.begin() + index);
  if (static_cast<std::size_t>(index) < m_names.size()) m_names.erase(m_names.begin() + index);
  ++m_generation;
  const int remaining = static_cast<int>(m_colours.size());
  if (remaining > index) return {true, index};
  if (remaining > 0) return {true, remaining - 1};
  return {true, kNoSelection};
}

}  // namespace tl
