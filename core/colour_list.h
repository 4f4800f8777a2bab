#pragma once
// The user's kept colours, newest first, and whether there are unsaved additions.
// The window's list box mirrors this model; files and exports read the model.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/colour.h"

namespace tl {

class ColourList {
 public:
  // What the list box selection becomes after a delete.
  static constexpr int kNoSelection = -1;
  struct DeleteResult {
    bool deleted;    // false: the index named no entry and nothing changed
    int selection;   // entry to select now, or kNoSelection; meaningful when deleted
  };

  // A picked colour: goes on top and marks the list modified.
  void AddColour(ColourValue colour);
  // Colours read from a file: go to the end, modified flag untouched.
  void Append(const std::vector<ColourValue>& colours);

  std::size_t Count() const { return m_colours.size(); }
  ColourValue ColourAt(std::size_t index) const { return m_colours.at(index); }
  const std::vector<ColourValue>& Colours() const { return m_colours; }

  // Empties the list; the modified flag stays as it is.
  void Clear() {
    m_colours.clear();
    ++m_generation;
  }

  // Deletes the entry at index (any int, -1 when nothing is selected) and says
  // which entry takes its place: the one that moved up, else the new last one.
  DeleteResult DeleteAt(int index);

  bool Modified() const { return m_modified; }
  void SetModified(bool modified) { m_modified = modified; }

  // Changes with every change of the entries, so that a copy of the list can tell
  // whether it is behind without comparing colours.
  std::uint64_t Generation() const { return m_generation; }

 private:
  std::vector<ColourValue> m_colours;  // index 0 is the top of the list
  bool m_modified = false;
  std::uint64_t m_generation = 0;
};

}  // namespace tl
