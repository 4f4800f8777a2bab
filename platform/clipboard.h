#pragma once
// Putting text on the clipboard, as an edit control's Copy does.

#include <windows.h>

#include <cstring>
#include <string>

namespace tl {

// False when the clipboard could not be opened or the text not placed there;
// the clipboard then keeps what it had.
inline bool CopyTextToClipboard(HWND owner, const std::string& text) {
  const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  void* bytes = ::GlobalLock(memory);
  if (bytes) {
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
  }
  if (!bytes || !::OpenClipboard(owner)) {
    ::GlobalFree(memory);
    return false;
  }
  ::EmptyClipboard();
  // Once placed, the memory belongs to the clipboard.
  const bool placed = ::SetClipboardData(CF_TEXT, memory) != nullptr;
  if (!placed) ::GlobalFree(memory);
  ::CloseClipboard();
  return placed;
}

}  // namespace tl
