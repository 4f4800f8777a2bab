#include "files/colour_list_file.h"

#include <algorithm>
#include <cstring>

namespace tl {
namespace {
constexpr std::uint8_t kMagicAndMarker[9] = {'T', 'i', 'n', 't', 'L', 'n', 's', 0x00, 0x10};

// R, G, B and a byte that is always 0 when we write it. Anything else there would
// make the value a palette reference to Windows, not a colour, so it is dropped.
ColourValue EntryAt(const std::uint8_t* p) { return GetLittleEndian32(p) & 0xFFFFFFu; }
}  // namespace

Bytes EncodeColourListFile(const std::vector<ColourValue>& colours) {
  Bytes out;
  out.reserve(kColourListHeaderSize + 4 * colours.size());
  out.assign(std::begin(kMagicAndMarker), std::end(kMagicAndMarker));
  PutLittleEndian32(out, static_cast<std::uint32_t>(colours.size()));
  const std::size_t entriesAt = out.size();
  out.resize(entriesAt + 4 * colours.size());
  std::uint8_t* p = out.data() + entriesAt;
  for (ColourValue c : colours) {
    p[0] = static_cast<std::uint8_t>(c);
    p[1] = static_cast<std::uint8_t>(c >> 8);
    p[2] = static_cast<std::uint8_t>(c >> 16);
    p[3] = static_cast<std::uint8_t>(c >> 24);
    p += 4;
  }
  return out;
}

bool ColourListFileDecoder::Feed(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return m_headerFill < kColourListHeaderSize || m_remaining > 0;
  if (m_headerFill < kColourListHeaderSize) {
    const std::size_t take = std::min(size, kColourListHeaderSize - m_headerFill);
    std::memcpy(m_header + m_headerFill, data, take);
    m_headerFill += take;
    data += take;
    size -= take;
    if (m_headerFill < kColourListHeaderSize) return true;
    const auto count = static_cast<std::int32_t>(GetLittleEndian32(m_header + 9));
    m_remaining = count > 0 ? count : 0;
  }
  if (m_remaining == 0) return false;

  if (m_partialFill > 0) {
    const std::size_t take = std::min(size, 4 - m_partialFill);
    std::memcpy(m_partial + m_partialFill, data, take);
    m_partialFill += take;
    data += take;
    size -= take;
    if (m_partialFill < 4) return true;
    m_colours.push_back(EntryAt(m_partial));
    m_partialFill = 0;
    if (--m_remaining == 0) return false;
  }

  const std::size_t whole =
      static_cast<std::size_t>(std::min<std::int64_t>(m_remaining, std::int64_t(size / 4)));
  const std::size_t first = m_colours.size();
  m_colours.resize(first + whole);
  for (std::size_t i = 0; i < whole; ++i) {
    m_colours[first + i] = EntryAt(data + 4 * i);
  }
  m_remaining -= static_cast<std::int64_t>(whole);
  data += 4 * whole;
  size -= 4 * whole;
  if (m_remaining == 0) return false;

  m_partialFill = std::min<std::size_t>(size, 4);
  if (m_partialFill > 0) std::memcpy(m_partial, data, m_partialFill);
  return true;
}

std::vector<ColourValue> DecodeColourListFile(const std::uint8_t* data, std::size_t size) {
  ColourListFileDecoder decoder;
  decoder.Feed(data, size);
  return decoder.TakeColours();
}

}  // namespace tl
