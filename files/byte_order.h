#pragma once
// Appending fixed-width integers to a byte buffer in a chosen byte order.

#include <cstdint>
#include <vector>

namespace tl {

using Bytes = std::vector<std::uint8_t>;

inline void PutBigEndian16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

inline void PutBigEndian32(Bytes& out, std::uint32_t value) {
  PutBigEndian16(out, value >> 16);
  PutBigEndian16(out, value);
}

inline void PutLittleEndian32(Bytes& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

inline std::uint32_t GetLittleEndian32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

}  // namespace tl
