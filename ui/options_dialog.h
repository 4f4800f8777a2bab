#pragma once
// The Options dialog: the two hotkeys in the system's hotkey controls, and the
// largest zoom level.

#include <windows.h>

#include <cstdint>

#include "platform/dialog.h"

namespace tl {

class OptionsDialog final : public Dialog {
 public:
  OptionsDialog(std::uint32_t startHotkey, std::uint32_t stopHotkey, int largestZoom)
      : m_startHotkey(startHotkey), m_stopHotkey(stopHotkey), m_largestZoom(largestZoom) {}

  // IDOK or IDCANCEL; after IDOK the values are what the controls hold (0 for a
  // cleared one).
  INT_PTR Run(HWND owner);
  std::uint32_t StartHotkey() const { return m_startHotkey; }
  std::uint32_t StopHotkey() const { return m_stopHotkey; }
  int LargestZoom() const { return m_largestZoom; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::uint32_t m_startHotkey;
  std::uint32_t m_stopHotkey;
  int m_largestZoom;
};

}  // namespace tl
