#pragma once
// UTF-8 and UTF-16 for the names palette files carry: checked where bytes come
// from a file, converted where a format stores UTF-16.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tl {

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates,
// nothing past U+10FFFF, no sequence cut short.
bool IsUtf8(std::string_view text);

// The longest start of well-formed `text` that fits in maxBytes without
// splitting a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);

// UTF-16 units to UTF-8; nothing when a surrogate is unpaired.
std::optional<std::string> Utf8OfUtf16(const std::u16string& units);

// Well-formed UTF-8 to UTF-16.
std::u16string Utf16OfUtf8(std::string_view text);

}  // namespace tl
