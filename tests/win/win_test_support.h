#pragma once
// Helpers of the in-process tests: the main window under test, text and pixel
// read-outs, a surface to paint into, and a closer for the dialogs a command shows.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "platform/gdi.h"
#include "platform/message_loop.h"
#include "platform/module.h"
#include "res/resource_ids.h"

namespace tl::testing_support {

inline std::string TextOf(HWND window) {
  char buffer[256] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

inline std::string ClipboardText() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (const HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) text = bytes;
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

// A 32-bit off-screen surface whose pixels can be read back.
class Surface {
 public:
  Surface(int width, int height) : m_dc(nullptr) {
    const WindowDC screen;
    m_bitmap.Reset(::CreateCompatibleBitmap(screen.Get(), width, height));
    m_old = ::SelectObject(m_dc.Get(), m_bitmap.Get());
  }
  ~Surface() { ::SelectObject(m_dc.Get(), m_old); }
  HDC Get() const { return m_dc.Get(); }
  COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.Get(), x, y); }

 private:
  MemoryDC m_dc;
  GdiObject<HBITMAP> m_bitmap;
  HGDIOBJ m_old;
};

// Repaints `window`, then reads its client pixel (x, y) from the screen until it
// is `expected` or five seconds have passed: Wine hands painting to the X server at
// its own pace, while the thread looks at its queue.
inline COLORREF ScreenPixel(HWND window, int x, int y, COLORREF expected) {
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  POINT point{x, y};
  ::ClientToScreen(window, &point);
  COLORREF pixel = CLR_INVALID;
  for (int waited = 0; waited < 5000; waited += 10) {
    if (const WindowDC screen; (pixel = ::GetPixel(screen.Get(), point.x, point.y)) == expected) {
      break;
    }
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    ::Sleep(10);
  }
  return pixel;
}

// What the desktop was asked to open. The test session points the browser and
// mail program at a recorder that writes each address it gets on a line of the
// file named by TL_OPENED.
inline bool WasOpened(const std::string& target, int timeoutMs = 10000) {
  const char* log = std::getenv("TL_OPENED");
  if (!log) return false;
  for (int waited = 0;; waited += 50) {
    std::ifstream file(log);
    for (std::string line; std::getline(file, line);) {
      if (line == target) return true;
    }
    if (waited >= timeoutMs) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// Closes the next dialog that the UI thread shows (the command's modal loop runs
// meanwhile), with `answer`, and remembers its caption and message.
class DialogCloser {
 public:
  // Without a main window: the next dialog of the calling thread.
  // `patienceMs`: how long to look for one.
  DialogCloser(HWND mainWindow, int answer, int patienceMs = 20000) : m_main(mainWindow) {
    const DWORD thread =
        mainWindow ? ::GetWindowThreadProcessId(mainWindow, nullptr) : ::GetCurrentThreadId();
    m_worker = std::thread([this, thread, answer, patienceMs] {
      for (int waited = 0; waited < patienceMs && !m_found; waited += 20) {
        ::EnumThreadWindows(thread, &DialogCloser::Visit, reinterpret_cast<LPARAM>(this));
        if (!m_found) std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      if (m_found) ::PostMessageA(m_found, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    });
  }
  ~DialogCloser() { Wait(); }
  std::string Caption() {
    Wait();
    return m_caption;
  }
  std::string Message() {
    Wait();
    return m_message;
  }

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    auto* closer = reinterpret_cast<DialogCloser*>(self);
    char className[16] = {}, caption[64] = {}, message[256] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (window == closer->m_main || !::IsWindowVisible(window)) return TRUE;
    if (std::string(className) != "#32770") return TRUE;
    ::GetWindowTextA(window, caption, sizeof caption);
    ::GetDlgItemTextA(window, 0xFFFF, message, sizeof message);  // a message box's text
    closer->m_caption = caption;
    closer->m_message = message;
    closer->m_found = window;
    return FALSE;
  }
  void Wait() {
    if (m_worker.joinable()) m_worker.join();
  }

  HWND m_main;
  std::atomic<HWND> m_found{nullptr};
  std::string m_caption;
  std::string m_message;
  std::thread m_worker;
};

// Runs `action` on this thread while another thread, as the user would, finds
// the first dialog it shows and has `drive` work it (and close it). False when
// the action showed no dialog.
class DialogDriver {
 public:
  static bool Run(HWND mainWindow, const std::function<void()>& action,
                  const std::function<void(HWND)>& drive) {
    DialogDriver driver{mainWindow};
    const DWORD thread = ::GetWindowThreadProcessId(mainWindow, nullptr);
    std::thread user([&] {
      while (!driver.m_done && !driver.m_found) {
        ::EnumThreadWindows(thread, &DialogDriver::Visit, reinterpret_cast<LPARAM>(&driver));
        if (!driver.m_found) std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      if (driver.m_found) drive(driver.m_found);
    });
    action();
    driver.m_done = true;
    user.join();
    return driver.m_found != nullptr;
  }

 private:
  explicit DialogDriver(HWND mainWindow) : m_main(mainWindow) {}
  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    auto* driver = reinterpret_cast<DialogDriver*>(self);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (window == driver->m_main || !::IsWindowVisible(window)) return TRUE;
    if (std::string(className) != "#32770") return TRUE;
    driver->m_found = window;
    return FALSE;
  }

  HWND m_main;
  std::atomic<bool> m_done{false};
  std::atomic<HWND> m_found{nullptr};
};

// The real main window from its template, with a loop registered for its thread.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane");  // every test starts afresh
    // A quit request left by an earlier test's Exit would end this one's modal
    // loops (a question, a dialog) at once.
    MSG quit;
    while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ASSERT_TRUE(m_window.Create(m_loop));
  }

  HWND Window() const { return m_window.Handle(); }
  HWND Item(int id) const { return ::GetDlgItem(Window(), id); }
  void Command(int id, int code = 0, HWND control = nullptr) {
    ::SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  }
  // Shown in front without taking the activation, so its pixels reach the screen.
  void Show() {
    ::ShowWindow(Window(), SW_SHOWNOACTIVATE);
    ::SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // What a pick does: the colour becomes current and goes on top of the list.
  void Pick(ColourValue colour) {
    m_window.ShowColour(colour);
    m_window.KeepCurrentColour();
  }
  std::vector<ColourValue> ListColours() const {
    std::vector<ColourValue> colours;
    const HWND list = Item(IDC_COLOUR_LIST);
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      colours.push_back(static_cast<ColourValue>(::SendMessageA(list, LB_GETITEMDATA, i, 0)));
    }
    return colours;
  }
  // A menu item's check as the user sees it: the menu bar's popup that holds it
  // is told it is about to open, after an idle moment, as when the user clicks.
  static bool MenuChecked(MainWindow& window, UINT id) {
    const HMENU bar = ::GetMenu(window.Handle());
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
      const HMENU popup = ::GetSubMenu(bar, i);
      if (!popup || ::GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
      ::SendMessageA(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                     MAKELPARAM(i, FALSE));
      return (::GetMenuState(popup, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    ADD_FAILURE() << "no popup holds " << id;
    return false;
  }

  MessageLoop m_loop;
  MainWindow m_window;
};

}  // namespace tl::testing_support
