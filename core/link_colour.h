#pragma once
// The user's link colours are kept as text such as "0,0,255" (red, green, blue).

#include <cstddef>
#include <cstdint>

namespace tl {

// A link's colours (0x00BBGGRR) when the user has set none.
constexpr std::uint32_t kDefaultLinkColour = 0x00FF0000;     // blue
constexpr std::uint32_t kDefaultVisitedColour = 0x00800080;  // purple
constexpr std::size_t kLinkColourValueSize = 12;             // longer values are not colours

// Parses the raw bytes of a stored colour value. The text ends at the first zero
// byte or after the last byte. Each part is reduced to its low 8 bits (300 gives
// 44); text with fewer than three parts, or a first or second part of -1, leaves
// `fallback` as it is.
std::uint32_t ParseLinkColour(const char* data, std::size_t size, std::uint32_t fallback);

}  // namespace tl
