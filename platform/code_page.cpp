#include "platform/code_page.h"

#include <windows.h>

namespace tl {

std::u16string WideOfCodePage(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
  if (length > 0) {
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), WideChars(wide),
                          length);
  }
  return wide;
}

std::optional<std::string> CodePageOfWide(const std::u16string& text) {
  if (text.empty()) return std::string();
  const int length = ::WideCharToMultiByte(
      CP_ACP, 0, WideChars(text), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, WideChars(text), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
  if (WideOfCodePage(narrow) != text) return std::nullopt;
  return narrow;
}

}  // namespace tl
