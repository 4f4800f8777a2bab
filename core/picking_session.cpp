#include "core/picking_session.h"

namespace tl {

void PickingSession::Toggle() {
  if (m_picking) {
    m_host.RemovePointerHook();
    m_picking = false;
  } else if (m_mark) {
    m_mark = false;  // the click of the very press that ended the session
  } else {
    m_host.RemovePointerHook();
    if (m_host.InstallPointerHook()) {
      m_picking = true;
      m_host.RequestSample();  // follow the pointer at once
    }
  }
  m_host.ShowPicking(m_picking);
}

void PickingSession::Stop() {
  m_host.RemovePointerHook();
  m_picking = false;
}

}  // namespace tl
