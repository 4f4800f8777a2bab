#pragma once
// The program's strings are in its code page (UTF-8 where the manifest's setting
// is honoured), as the file calls take them; the shell, the registry's UTF-16
// values and the Unicode controls give and take UTF-16. UTF-16 is held as
// std::u16string: std::wstring would bring the C++ library's compiled wide
// strings, some 36 KB, into the programs.

#include <optional>
#include <string>

namespace tl {

std::u16string WideOfCodePage(const std::string& text);
// Nothing when the text has a character the code page cannot hold: a path so
// changed would name another file, or none.
std::optional<std::string> CodePageOfWide(const std::u16string& text);

// The UTF-16 units as the W calls take them (wchar_t is 16 bits on Windows).
inline const wchar_t* WideChars(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* WideChars(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }

}  // namespace tl
