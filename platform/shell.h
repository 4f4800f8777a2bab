#pragma once
// Opening documents and addresses with whatever the desktop has for them.

#include <windows.h>
#include <shellapi.h>

namespace tl {

// A web address goes to the browser, a mailto address to the mail program.
// True when the shell found a handler and started it.
inline bool OpenWithShell(const char* target) {
  const HINSTANCE result =
      ::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace tl
