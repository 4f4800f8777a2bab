#pragma once
// REG_MULTI_SZ's form, in bytes or in UTF-16 units: strings each ended by a zero,
// and an empty one after the last. A missing final zero is forgiven; the first
// empty string ends the list.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace tl {

template <typename Char>
std::vector<std::basic_string<Char>> SplitMultiString(const Char* data, std::size_t size) {
  std::vector<std::basic_string<Char>> strings;
  std::size_t start = 0;
  while (data && start < size) {
    const Char* end = std::find(data + start, data + size, Char());
    const auto length = static_cast<std::size_t>(end - (data + start));
    if (length == 0) break;
    strings.emplace_back(data + start, length);
    start += length + 1;
  }
  return strings;
}

template <typename Char>
std::basic_string<Char> JoinMultiString(const std::vector<std::basic_string<Char>>& strings) {
  std::basic_string<Char> joined;
  for (const std::basic_string<Char>& text : strings) {
    joined += text;
    joined += Char();
  }
  joined += Char();
  return joined;
}

}  // namespace tl
