#include "core/colour_list.h"

namespace tl {

void ColourList::AddColour(ColourValue colour) {
  m_colours.insert(m_colours.begin(), colour);
  m_modified = true;
  ++m_generation;
}

void ColourList::Append(const std::vector<ColourValue>& colours) {
  m_colours.insert(m_colours.end(), colours.begin(), colours.end());
  ++m_generation;
}

ColourList::DeleteResult ColourList::DeleteAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_colours.size()) {
    return {false, kNoSelection};
  }
  m_colours.erase(m_colours.begin() + index);
  ++m_generation;
  const int remaining = static_cast<int>(m_colours.size());
  if (remaining > index) return {true, index};
  if (remaining > 0) return {true, remaining - 1};
  return {true, kNoSelection};
}

}  // namespace tl
