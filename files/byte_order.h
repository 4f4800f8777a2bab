#pragma once
// Fixed-width integers in a chosen byte order: appended to a byte buffer, or read
// from bytes the caller has checked are there.

#include <cstddef>
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

inline std::uint32_t GetBigEndian16(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 8 | std::uint32_t(p[1]);
}

inline std::uint32_t GetBigEndian32(const std::uint8_t* p) {
  return GetBigEndian16(p) << 16 | GetBigEndian16(p + 2);
}

inline std::uint32_t GetLittleEndian32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

// Walks big-endian values through bytes held in memory and never past their end:
// a read that does not fit fails, consumes nothing, and says so.
class BigEndianReader {
 public:
  BigEndianReader(const std::uint8_t* data, std::size_t size) : m_at(data), m_left(size) {}

  std::size_t Left() const { return m_left; }
  const std::uint8_t* At() const { return m_at; }

  bool Skip(std::size_t count) {
    if (count > m_left) return false;
    m_at += count;
    m_left -= count;
    return true;
  }
  bool Read16(std::uint32_t& value) {
    if (m_left < 2) return false;
    value = GetBigEndian16(m_at);
    return Skip(2);
  }
  bool Read32(std::uint32_t& value) {
    if (m_left < 4) return false;
    value = GetBigEndian32(m_at);
    return Skip(4);
  }

 private:
  const std::uint8_t* m_at;
  std::size_t m_left;
};

}  // namespace tl
