#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/menu_state.h"
#include "platform/message_loop.h"
#include "res/resource_ids.h"

namespace tl {
namespace {

constexpr UINT kProbe = WM_APP + 7;

TEST(MessageLoop, OnlyMovesPaintsAndCaretBlinksKeepIdleOff) {
  struct Case {
    UINT message;
    bool rearms;
  };
  const Case cases[] = {{WM_MOUSEMOVE, false}, {WM_NCMOUSEMOVE, false}, {WM_PAINT, false},
                        {0x0118, false},       {WM_KEYDOWN, true},      {WM_TIMER, true},
                        {WM_LBUTTONDOWN, true}, {WM_USER, true},        {WM_COMMAND, true}};
  for (const Case& c : cases) {
    MSG message{};
    message.message = c.message;
    EXPECT_EQ(MessageLoop::IsIdleMessage(message), c.rearms) << std::hex << c.message;
  }
}

// Counts idle passes; its first pass posts one message to the thread, and once that
// message has been seen the run is ended a little later from another thread.
class IdleRecorder : public IdleHandler, public MessageFilter {
 public:
  explicit IdleRecorder(UINT toPost) : m_toPost(toPost) {}
  ~IdleRecorder() {
    if (m_stopper.joinable()) m_stopper.join();
  }
  void OnIdle() override {
    if (++m_idlePasses == 1) ::PostThreadMessageA(::GetCurrentThreadId(), m_toPost, 0, 0);
  }
  bool PreTranslateMessage(MSG& message) override {
    if (message.message == m_toPost && !m_stopper.joinable()) {
      const DWORD thread = ::GetCurrentThreadId();
      m_stopper = std::thread([thread] {
        ::Sleep(200);
        ::PostThreadMessageA(thread, WM_QUIT, 7, 0);
      });
    }
    return message.message == m_toPost;  // never dispatched: it has no window
  }
  int m_idlePasses = 0;

 private:
  UINT m_toPost;
  std::thread m_stopper;
};

TEST(MessageLoop, IdleHandlersRunOncePerIdlePeriod) {
  struct Case {
    UINT posted;
    int idlePasses;
  };
  for (const Case& c : {Case{kProbe, 2}, Case{WM_MOUSEMOVE, 1}, Case{0x0118, 1}}) {
    // Whatever earlier tests left for this thread would count as a period of its own.
    for (MSG left; ::PeekMessageA(&left, nullptr, 0, 0, PM_REMOVE);) {
    }
    MessageLoop loop;
    IdleRecorder recorder(c.posted);
    loop.AddIdleHandler(&recorder);
    loop.AddMessageFilter(&recorder);
    EXPECT_EQ(loop.Run(), 7);
    EXPECT_EQ(recorder.m_idlePasses, c.idlePasses) << std::hex << c.posted;
  }
}

class NamedFilter : public MessageFilter {
 public:
  NamedFilter(std::vector<char>& log, char name, bool handles)
      : m_log(log), m_name(name), m_handles(handles) {}
  bool PreTranslateMessage(MSG& message) override {
    if (message.message != kProbe) return false;
    m_log.push_back(m_name);
    ::PostQuitMessage(0);
    return m_handles;
  }

 private:
  std::vector<char>& m_log;
  char m_name;
  bool m_handles;
};

TEST(MessageLoop, NewestFilterFirstAndTheFirstThatHandlesEndsTheOffer) {
  std::vector<char> log;
  NamedFilter a(log, 'a', false), b(log, 'b', true), c(log, 'c', false);
  MessageLoop loop;
  loop.AddMessageFilter(&a);
  loop.AddMessageFilter(&b);
  loop.AddMessageFilter(&c);
  ::PostThreadMessageA(::GetCurrentThreadId(), kProbe, 0, 0);
  loop.Run();
  EXPECT_EQ(log, (std::vector<char>{'c', 'b'}));
}

TEST(MenuStateTable, CheckMarksReachTheMenuOnlyWhenApplied) {
  const HWND window = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                        nullptr,
                                        ::LoadMenuA(::GetModuleHandleA(nullptr),
                                                    MAKEINTRESOURCEA(IDR_MAINMENU)),
                                        nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const HMENU menu = ::GetMenu(window);
  ::CheckMenuItem(menu, ID_ALWAYS_ON_TOP, MF_CHECKED);
  MenuStateTable table;
  table.SetOwner(window);
  table.Reset(ID_ALWAYS_ON_TOP);  // pending and unchecked
  EXPECT_TRUE(::GetMenuState(menu, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  table.Apply();
  EXPECT_FALSE(::GetMenuState(menu, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  table.SetCheck(ID_ALWAYS_ON_TOP, true);
  EXPECT_FALSE(::GetMenuState(menu, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  table.Apply();
  EXPECT_TRUE(::GetMenuState(menu, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(table.IsChecked(ID_ALWAYS_ON_TOP));
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace tl
