#pragma once
// The program's strings are in its code page (UTF-8 where the manifest's setting
// is honoured), as the file calls take them; the shell, the registry's UTF-16
// values and the Unicode controls give and take UTF-16.

#include <optional>
#include <string>

namespace tl {

std::wstring WideOfCodePage(const std::string& text);
// Nothing when the text has a character the code page cannot hold: a path so
// changed would name another file, or none.
std::optional<std::string> CodePageOfWide(const std::wstring& text);

}  // namespace tl
