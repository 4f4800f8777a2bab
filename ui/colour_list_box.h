#pragma once
// The owner-drawn list box that shows the colour list: each entry a bar in its
// colour with its "R, G, B" text (after its name, for a named one) in black or
// white. The model is the source of
// truth; every operation changes the model and the list box together.
// A right-click on an entry selects it (telling the parent, as a click does) and
// shows the list's context menu, whose commands go to the parent.

#include <windows.h>

#include <string>
#include <vector>

#include "core/colour_list.h"
#include "platform/subclass.h"

namespace tl {

// Sent to the parent when Delete is released in the list: wParam is the selected
// index (-1 for none), lParam 0.
constexpr UINT kListEditMessage = WM_USER + 0x201;

class ColourListBox final : public Subclass {
 public:
  const ColourList& Model() const { return m_model; }

  // A picked colour: on top, and the list is modified. The selection stays.
  void AddColour(ColourValue colour);
  // Colours read from a file, appended in order; the modified flag stays.
  void Append(const std::vector<ColourValue>& colours);
  // The same with their names (by index, as ColourList::Names).
  void Append(const std::vector<ColourValue>& colours, const std::vector<std::string>& names);
  // Names the entry at index, or with an empty name removes its name (see
  // ColourList::SetName); its text follows and its selection stays. False when
  // nothing changed.
  bool SetName(int index, const std::string& name);
  // Edit > Rename Colour... and the context menu's Rename...: the selected entry
  // named through the rename dialog, owned by `owner`.
  void RenameSelected(HWND owner);
  // Empties the list; nothing else changes.
  void Clear();
  // Deletes the entry at index and selects its successor (or the new last
  // entry); says what was deleted and which entry is selected now.
  ColourList::DeleteResult DeleteAt(int index);
  int Selection() const;
  void SetModified(bool modified) { m_model.SetModified(modified); }
  // Makes every entry, and every one added later, as high as the screen font's
  // characters at `dpi`, with room for the list's own text: at start, and
  // whenever the window moves to a monitor of another scale.
  void MeasureItems(UINT dpi);

  // The owner-draw questions, which the parent passes on.
  void Measure(MEASUREITEMSTRUCT& measure);
  static void DrawEntry(const DRAWITEMSTRUCT& item);

 protected:
  void OnAttached() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Insert(int index, ColourValue colour, const std::string& text);
  void ShowContextMenu(LPARAM where);

  ColourList m_model;
  int m_itemHeight = 0;  // measured once per DPI
};

}  // namespace tl
