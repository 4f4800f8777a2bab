#pragma once
// Helpers of the in-process tests: the main window under test, text and pixel
// read-outs, and a surface to paint into.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "platform/gdi.h"
#include "platform/message_loop.h"
#include "res/resource_ids.h"

namespace tl::testing_support {

inline std::string TextOf(HWND window) {
  char buffer[256] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
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

// The real main window from its template, with a loop registered for its thread.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane");  // every test starts afresh
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
