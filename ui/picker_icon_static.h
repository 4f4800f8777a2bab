#pragma once
// The eyedropper icon that an icon drag starts from. A press on it starts the
// drag: the control takes the capture and shows the drag cursor, looks pressed in
// until the drag ends, and tells its owner where the pointer goes and where the
// button is released. A drag whose capture is taken away (Alt+Tab, another
// program) ends without a release, so nothing is kept.

#include <windows.h>

#include <functional>

#include "platform/subclass.h"

namespace tl {

class PickerIconStatic final : public Subclass {
 public:
  // Screen coordinates.
  std::function<void(POINT)> onDragMove;
  std::function<void(POINT)> onDragRelease;
  // A drag began (true) or ended, however it ended (false).
  std::function<void(bool)> onDragging;

  // Shows another icon (not owned), `size` pixels square, and repaints.
  void SetIcon(HICON icon, int size);
  // The cursor a drag shows (not owned); a drag under way takes it at once.
  void SetDragCursor(HCURSOR cursor);
  bool Dragging() const { return m_dragging; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void BeginDrag();
  void EndDrag();
  void ShowPressed(bool pressed);
  POINT ScreenPointOf(LPARAM position) const;

  int m_iconSize = 16;  // the template's icon
  HCURSOR m_dragCursor = nullptr;
  HCURSOR m_savedCursor = nullptr;
  bool m_dragging = false;
};

}  // namespace tl
