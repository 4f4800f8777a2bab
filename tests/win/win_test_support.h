#pragma once
// Helpers of the in-process tests: the main window under test, text and pixel
// read-outs, and a surface to paint into.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

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
  void Fill(COLORREF colour, const RECT& rect) {
    const GdiObject<HBRUSH> brush(::CreateSolidBrush(colour));
    ::FillRect(m_dc.Get(), &rect, brush.Get());
  }

 private:
  MemoryDC m_dc;
  GdiObject<HBITMAP> m_bitmap;
  HGDIOBJ m_old;
};

// A visible, topmost parent to put a control on, so its painting reaches the screen.
class ControlHost : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dialog class, so the parent paints its background as a dialog does.
    m_parent = ::CreateWindowExA(WS_EX_TOPMOST, "#32770", "", WS_POPUP | WS_VISIBLE, 100, 100,
                                 200, 120, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_parent, nullptr);
  }
  void TearDown() override { ::DestroyWindow(m_parent); }

  HWND AddControl(const char* className, DWORD style, int id, int width, int height,
                  const char* text = "") {
    return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                             height, m_parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             Module::Instance(), nullptr);
  }
  // Repaints `redraw` (by default the window itself), then reads the screen.
  static COLORREF ScreenPixel(HWND window, int x, int y, HWND redraw = nullptr) {
    ::RedrawWindow(redraw ? redraw : window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    const WindowDC screen;
    return ::GetPixel(screen.Get(), point.x, point.y);
  }

  HWND m_parent = nullptr;
};

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
// meanwhile), with `answer`, and remembers its caption.
class DialogCloser {
 public:
  // Without a main window: the next dialog of the calling thread.
  DialogCloser(HWND mainWindow, int answer) : m_main(mainWindow) {
    const DWORD thread =
        mainWindow ? ::GetWindowThreadProcessId(mainWindow, nullptr) : ::GetCurrentThreadId();
    m_worker = std::thread([this, thread, answer] {
      for (int waited = 0; waited < 20000 && !m_found; waited += 20) {
        ::EnumThreadWindows(thread, &DialogCloser::Visit, reinterpret_cast<LPARAM>(this));
        if (m_found) {
          ::PostMessageA(m_found, WM_COMMAND, static_cast<WPARAM>(answer), 0);
          return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
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
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (window == closer->m_main || !::IsWindowVisible(window) ||
        std::string(className) != "#32770") {
      return TRUE;
    }
    char caption[64] = {}, message[256] = {};
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
    LoopTable::Add(::GetCurrentThreadId(), &m_loop);
    ASSERT_TRUE(m_window.Create());
  }
  void TearDown() override { LoopTable::Remove(::GetCurrentThreadId()); }

  HWND Window() const { return m_window.Handle(); }
  HWND Item(int id) const { return ::GetDlgItem(Window(), id); }
  void Command(int id, int code = 0, HWND control = nullptr) {
    ::SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  }
  // What a pick does: the colour becomes current and goes on top of the list.
  void Pick(ColourValue colour) {
    m_window.SetCurrentColour(colour);
    m_window.RefreshColour(true, false);
  }
  RECT WindowRect() const {
    RECT r{};
    ::GetWindowRect(Window(), &r);
    return r;
  }

  MessageLoop m_loop;
  MainWindow m_window;
};

}  // namespace tl::testing_support
