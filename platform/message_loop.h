#pragma once
// The program's message loop: message filters see each message before it is
// dispatched (newest filter first), and idle handlers run once each time the
// queue runs dry after a message that can change what the user sees.

#include <windows.h>

#include <vector>

namespace tl {

class MessageFilter {
 public:
  // True when the message was fully handled and must not be dispatched.
  virtual bool PreTranslateMessage(MSG& message) = 0;

 protected:
  ~MessageFilter() = default;
};

class IdleHandler {
 public:
  virtual void OnIdle() = 0;

 protected:
  ~IdleHandler() = default;
};

class MessageLoop {
 public:
  void AddMessageFilter(MessageFilter* filter) { m_filters.push_back(filter); }
  void AddIdleHandler(IdleHandler* handler) { m_idleHandlers.push_back(handler); }
  void RemoveMessageFilter(MessageFilter* filter);
  void RemoveIdleHandler(IdleHandler* handler);

  // Runs until WM_QUIT and returns its code.
  int Run();

  // Mouse moves, paints and the caret blink happen all the time and change no
  // menu state, so they do not start another idle pass.
  static bool IsIdleMessage(const MSG& message);

 private:
  bool PreTranslate(MSG& message);
  void RunIdleHandlers();

  std::vector<MessageFilter*> m_filters;
  std::vector<IdleHandler*> m_idleHandlers;
};

}  // namespace tl
