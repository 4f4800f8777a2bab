#include "core/link_colour.h"

#include <cstdlib>
#include <string>

namespace tl {

std::uint32_t ParseLinkColour(const char* data, std::size_t size, std::uint32_t fallback) {
  if (size > kLinkColourValueSize) return fallback;
  std::size_t length = 0;
  while (length < size && data[length] != '\0') ++length;
  const std::string text(data, length);

  int parts[3] = {-1, -1, -1};
  std::size_t position = 0;
  for (int part = 0; part < 2; ++part) {
    const std::size_t comma = text.find(',', position);
    if (comma == std::string::npos) return fallback;
    parts[part] = std::atoi(text.substr(position, comma - position).c_str());
    if (parts[part] == -1) return fallback;
    position = comma + 1;
  }
  if (position >= text.size()) return fallback;
  parts[2] = std::atoi(text.c_str() + position);
  return (static_cast<std::uint32_t>(parts[0]) & 0xFF) |
         ((static_cast<std::uint32_t>(parts[1]) & 0xFF) << 8) |
         ((static_cast<std::uint32_t>(parts[2]) & 0xFF) << 16);
}

}  // namespace tl
