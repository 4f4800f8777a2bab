#include <windows.h>
#include <io.h>

#include <algorithm>
#include <vector>

#include "app/console_output.h"

namespace tl {

// A console shows bytes in its own code page (an OEM one, whatever the program's
// is), so a file name in UTF-8 would come out garbled: a console is given the
// text in UTF-16. Anything else (a file, a pipe) gets the bytes as they are.
bool WriteText(std::FILE* stream, const std::string& text) {
  const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  }
  if (text.empty()) return true;
  const int length =
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(length));
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  std::fflush(stream);
  // In pieces a console takes in one call, never splitting a surrogate pair.
  for (std::size_t done = 0; done < wide.size();) {
    std::size_t piece = std::min<std::size_t>(wide.size() - done, 8192);
    if (piece > 1 && IS_HIGH_SURROGATE(wide[done + piece - 1])) --piece;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(piece);
    if (!::WriteConsoleW(handle, wide.data() + done, size, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace tl
