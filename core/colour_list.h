#pragma once
// The user's kept colours, newest first, each perhaps with a name, and whether
// there are unsaved changes. The window's list box mirrors this model; files and
// exports read the model.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"

namespace tl {

// What every format with names holds: the swatch exchange counts a name's
// UTF-16 units and its terminator in 16 bits, and no name has more units than
// UTF-8 bytes.
constexpr std::size_t kLongestColourName = 65534;

// A name as the list keeps it: UTF-8, a control character (a tab or a line end,
// which would break a GIMP palette's line or the console tool's columns) made a
// space, and at most kLongestColourName bytes, cut between characters. Nothing
// for bytes that are not UTF-8.
std::optional<std::string> ColourNameOf(std::string_view text);

// The list's text for an entry: the colour's own (ColourListEntryText), or
// "name (18, 52, 86)" for a named one.
std::string ColourListEntryText(ColourValue colour, const std::string& name);

class ColourList {
 public:
  // What the list box selection becomes after a delete.
  static constexpr int kNoSelection = -1;
  struct DeleteResult {
    bool deleted;   // false: the index named no entry and nothing changed
    int selection;  // entry to select now, or kNoSelection; meaningful when deleted
  };

  // A picked colour: goes on top and marks the list modified.
  void AddColour(ColourValue colour);
  // The same with a name (see SetName for what is kept of it).
  void AddColour(ColourValue colour, std::string_view name);
  // Colours read from a file: go to the end, modified flag untouched.
  void Append(const std::vector<ColourValue>& colours);
  // The same with their names, by index: names[i] is the name of colours[i];
  // where names runs out, or a name is empty, the colour has none.
  void Append(const std::vector<ColourValue>& colours, const std::vector<std::string>& names);

  std::size_t Count() const { return m_colours.size(); }
  ColourValue ColourAt(std::size_t index) const { return m_colours.at(index); }
  const std::vector<ColourValue>& Colours() const { return m_colours; }

  // The entry's name; empty when it has none, or there is no such entry.
  const std::string& NameAt(std::size_t index) const;
  // Every entry's name by index, as the files take them: shorter than the list
  // (empty while no entry has a name) where the last entries have none.
  const std::vector<std::string>& Names() const { return m_names; }
  // Names the entry (an empty name removes its name), cleaned as ColourNameOf
  // says. A change marks the list modified, as an addition does. False when
  // nothing changed: no such entry, the same name, or a name that is not UTF-8.
  bool SetName(std::size_t index, std::string_view name);
  // The entry's text in the list (see ColourListEntryText).
  std::string EntryText(std::size_t index) const {
    return ColourListEntryText(ColourAt(index), NameAt(index));
  }

  // Empties the list; the modified flag stays as it is.
  void Clear() {
    m_colours.clear();
    m_names.clear();
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
  // By index, and never longer than m_colours: a list without names costs nothing.
  std::vector<std::string> m_names;
  bool m_modified = false;
  std::uint64_t m_generation = 0;
};

}  // namespace tl
