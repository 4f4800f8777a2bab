#include "platform/message_loop.h"

#include <algorithm>

namespace tl {
namespace {

constexpr UINT kCaretBlinkTimer = 0x0118;

template <typename T>
void Erase(std::vector<T*>& items, T* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

void MessageLoop::RemoveMessageFilter(MessageFilter* filter) { Erase(m_filters, filter); }
void MessageLoop::RemoveIdleHandler(IdleHandler* handler) { Erase(m_idleHandlers, handler); }

bool MessageLoop::IsIdleMessage(const MSG& message) {
  switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case kCaretBlinkTimer:
      return false;
    default:
      return true;
  }
}

bool MessageLoop::PreTranslate(MSG& message) {
  // Newest first: a window added later is more specific than one added before.
  for (auto it = m_filters.rbegin(); it != m_filters.rend(); ++it) {
    if ((*it)->PreTranslateMessage(message)) return true;
  }
  return false;
}

void MessageLoop::RunIdleHandlers() {
  // A handler may add or remove handlers; walk a copy.
  const std::vector<IdleHandler*> handlers = m_idleHandlers;
  for (IdleHandler* handler : handlers) handler->OnIdle();
}

int MessageLoop::Run() {
  MSG message{};
  bool idleAllowed = true;
  for (;;) {
    if (idleAllowed && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      RunIdleHandlers();  // once per idle period
      idleAllowed = false;
    }
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) continue;  // a bad call; nothing was taken from the queue
    if (got == 0) break;
    if (!PreTranslate(message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    if (IsIdleMessage(message)) idleAllowed = true;
  }
  return static_cast<int>(message.wParam);
}

}  // namespace tl
