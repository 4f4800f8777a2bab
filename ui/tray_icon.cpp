#include "ui/tray_icon.h"

#include <shlwapi.h>

#include <cstring>

#include "platform/module.h"
#include "platform/window_root.h"

namespace tl {
namespace {

constexpr UINT kAddFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

DWORD IconDataSize(int shellVersion) {
  if (shellVersion >= 6) return NOTIFYICONDATAA_V3_SIZE;
  if (shellVersion == 5) return NOTIFYICONDATAA_V2_SIZE;
  return NOTIFYICONDATAA_V1_SIZE;
}

}  // namespace

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
  return message;
}

int TrayIcon::ShellVersion() {
  static const int version = [] {
    const HMODULE shell = ::GetModuleHandleA("shell32.dll");
    const auto query = shell ? reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(
                                   ::GetProcAddress(shell, "DllGetVersion")))
                             : nullptr;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (!query || FAILED(query(&info))) return 4;
    return static_cast<int>(info.dwMajorVersion);
  }();
  return version;
}

TrayIcon::TrayIcon() { m_data.icon.cbSize = IconDataSize(ShellVersion()); }

TrayIcon::~TrayIcon() {
  if (m_added) Notify(NIM_DELETE, 0);
  Detach();
}

HMENU TrayIcon::Popup() const { return m_menu ? ::GetSubMenu(m_menu.Get(), 0) : nullptr; }

bool TrayIcon::Create(HWND ownerWindow, UINT id, const char* tip, HICON icon,
                      UINT callbackMessage) {
  m_menu.Reset(::LoadMenuA(Module::Instance(), MAKEINTRESOURCEA(id)));
  if (!m_menu) return false;
  const HMENU popup = Popup();
  if (!::IsMenu(popup)) return false;
  ::SetMenuDefaultItem(popup, m_defaultItem, m_defaultByPosition);
  if (!Attach(RootOf(ownerWindow))) return false;

  m_owner = ownerWindow;
  m_data.icon.hWnd = ownerWindow;
  m_data.icon.uID = id;
  m_data.icon.uCallbackMessage = callbackMessage;
  m_data.icon.hIcon = icon;
  const std::size_t tipSize =
      m_data.icon.cbSize == NOTIFYICONDATAA_V1_SIZE ? 64 : sizeof m_data.icon.szTip;
  std::strncpy(m_data.icon.szTip, tip, tipSize - 1);
  m_added = Notify(NIM_ADD, kAddFlags) != FALSE;
  return m_added;
}

void TrayIcon::SetIcon(HICON icon) {
  m_data.icon.hIcon = icon;
  if (m_added) Notify(NIM_MODIFY, NIF_ICON);
}

BOOL TrayIcon::Notify(DWORD action, UINT flags) {
  m_data.icon.uFlags = flags;
  return ::Shell_NotifyIconA(action, &m_data.icon);
}

void TrayIcon::OnNotify(WPARAM iconId, LPARAM mouseMessage) {
  if (iconId != m_data.icon.uID) return;
  const HMENU popup = Popup();
  switch (mouseMessage) {
    case WM_RBUTTONUP: {
      POINT pointer{};
      ::GetCursorPos(&pointer);
      // Without the foreground the menu would not close on a click elsewhere;
      // the posted message lets the menu's loop finish cleanly.
      ::SetForegroundWindow(m_owner);
      ::TrackPopupMenu(popup, 0, pointer.x, pointer.y, 0, m_owner, nullptr);
      ::PostMessageA(m_owner, WM_NULL, 0, 0);
      break;
    }
    case WM_LBUTTONDBLCLK: {
      ::SetForegroundWindow(m_owner);
      const UINT command = ::GetMenuDefaultItem(popup, FALSE, GMDI_GOINTOPOPUPS);
      if (command != static_cast<UINT>(-1)) ::SendMessageA(m_owner, WM_COMMAND, command, 0);
      break;
    }
    default:
      break;
  }
}

LRESULT TrayIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const UINT taskbarCreated = TaskbarCreatedMessage();
  if (taskbarCreated != 0 && message == taskbarCreated) {
    // A new taskbar knows nothing of us: place the icon again. When it is placed
    // it is ours to take away at the end, even if the first attempt failed.
    Notify(NIM_DELETE, 0);
    if (Notify(NIM_ADD, kAddFlags)) m_added = true;
    return 0;
  }
  if (message == WM_DESTROY) {
    if (m_added) {
      Notify(NIM_DELETE, 0);
      m_added = false;
    }
    const LRESULT result = CallPrevious(message, wParam, lParam);
    Detach();
    return result;
  }
  return CallPrevious(message, wParam, lParam);
}

}  // namespace tl
