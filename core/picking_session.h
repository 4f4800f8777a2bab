#pragma once
// When a picking session runs. The pick button, the stop hotkey and a press on
// the program's own windows all toggle it through one command; a press on the
// pick button itself leaves a mark so that the button's own click that follows
// does not start the session again. Portable: the pointer hook and the window
// are behind PickingHost.

namespace tl {

class PickingHost {
 public:
  virtual bool InstallPointerHook() = 0;  // false when the system refuses
  virtual void RemovePointerHook() = 0;   // harmless when none is installed
  virtual void RequestSample() = 0;
  virtual void ShowPicking(bool picking) = 0;  // the pick button reads "Stop" or "Pick"

 protected:
  ~PickingHost() = default;
};

class PickingSession {
 public:
  explicit PickingSession(PickingHost& host) : m_host(host) {}

  bool Picking() const { return m_picking; }

  // The pick-button command, whoever sends it.
  void Toggle();
  // A left press on one of the program's windows while the hook runs, just
  // before the hook sends the pick-button command.
  void PressOnOwnWindow(bool onPickButton) { m_mark = onPickButton; }
  // The press on the pick button is over, clicked or not: the mark belongs to
  // that press alone, and a release beside the button brings no click to clear it.
  void PressEnded() { m_mark = false; }
  // The program is ending.
  void Stop();

 private:
  PickingHost& m_host;
  bool m_picking = false;
  bool m_mark = false;
};

}  // namespace tl
