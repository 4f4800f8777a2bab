#pragma once
// The program's icon in the taskbar's notification area. It lives as long as the
// window it belongs to, shown or hidden: a double-click sends the menu's default
// command, a right-click opens the menu. It watches its window's messages to put
// itself back when the taskbar is re-created and to go away with the window.

#include <windows.h>
#include <shellapi.h>

#include "platform/handles.h"
#include "platform/subclass.h"

namespace tl {

class TrayIcon final : private Subclass {
 public:
  TrayIcon();
  ~TrayIcon() override;

  // The broadcast a new taskbar sends; registered once, before any window exists.
  static UINT TaskbarCreatedMessage();
  // Major version of the shell library (4 when it does not say).
  static int ShellVersion();

  // Loads menu `id` (its first popup is the icon's menu, item 0 the default) and
  // places the icon; false when any step fails.
  bool Create(HWND owner, UINT id, const char* tip, HICON icon, UINT callbackMessage);
  // The owner's handler for the callback message.
  void OnNotify(WPARAM iconId, LPARAM mouseMessage);
  // Shows another icon (not owned; it must outlive this one or the next change).
  void SetIcon(HICON icon);

  bool Added() const { return m_added; }
  HMENU Popup() const;
  const NOTIFYICONDATAA& Data() const { return m_data.icon; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL Notify(DWORD action, UINT flags);

  // Room for the largest layout the shell knows; cbSize says which one is used.
  union {
    NOTIFYICONDATAA icon;
    BYTE bytes[sizeof(NOTIFYICONDATAA) + 16];
  } m_data{};
  bool m_added = false;
  HWND m_owner = nullptr;
  UniqueMenu m_menu;
  UINT m_defaultItem = 0;
  bool m_defaultByPosition = true;
};

}  // namespace tl
