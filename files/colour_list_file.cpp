#include "files/colour_list_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/colour_list.h"
#include "core/unicode_text.h"

namespace tl {
namespace {
constexpr std::uint8_t kMagicAndMarker[9] = {'T', 'i', 'n', 't', 'L', 'n', 's', 0x00, 0x10};
constexpr std::uint8_t kNamesMagic[4] = {'T', 'L', 'N', 'M'};
constexpr std::size_t kNameRecordHeader = 6;  // index and length

// R, G, B and a byte that is always 0 when we write it. Anything else there would
// make the value a palette reference to Windows, not a colour, so it is dropped.
ColourValue EntryAt(const std::uint8_t* p) { return GetLittleEndian32(p) & 0xFFFFFFu; }

// Only the names of entries there are, each cut to what its 16-bit length holds.
void PutNames(Bytes& out, const std::vector<ColourValue>& colours,
              const std::vector<std::string>& names) {
  const std::size_t named = std::min(colours.size(), names.size());
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < named; ++i) count += !names[i].empty();
  if (count == 0) return;
  out.insert(out.end(), std::begin(kNamesMagic), std::end(kNamesMagic));
  PutLittleEndian32(out, count);
  for (std::size_t i = 0; i < named; ++i) {
    if (names[i].empty()) continue;
    const std::string_view name = Utf8Prefix(names[i], kLongestColourName);
    PutLittleEndian32(out, static_cast<std::uint32_t>(i));
    out.push_back(static_cast<std::uint8_t>(name.size()));
    out.push_back(static_cast<std::uint8_t>(name.size() >> 8));
    out.insert(out.end(), name.begin(), name.end());
  }
}
}  // namespace

Bytes EncodeColourListFile(const std::vector<ColourValue>& colours,
                           const std::vector<std::string>& names) {
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
  PutNames(out, colours, names);
  return out;
}

std::vector<ColourValue> DecodeColourListEntries(const std::uint8_t* entries, std::size_t size,
                                                 std::uint64_t counted) {
  std::vector<ColourValue> colours(
      static_cast<std::size_t>(std::min<std::uint64_t>(counted, size / 4)));
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = EntryAt(entries + 4 * i);
  return colours;
}

std::vector<ColourValue> DecodeColourListFile(const std::uint8_t* data, std::size_t size) {
  if (size < kColourListHeaderSize) return {};
  const auto count = static_cast<std::int32_t>(GetLittleEndian32(data + 9));
  if (count <= 0) return {};
  return DecodeColourListEntries(data + kColourListHeaderSize, size - kColourListHeaderSize,
                                 static_cast<std::uint64_t>(count));
}

PaletteRead ReadColourListFile(const std::uint8_t* data, std::size_t size) {
  PaletteRead read{DecodeColourListFile(data, size), {}, {}};
  if (size < kColourListHeaderSize || read.colours.empty()) return read;
  const std::uint32_t counted = GetLittleEndian32(data + 9);
  if (read.colours.size() != counted) return read;  // cut short: no block follows
  const std::size_t namesAt = kColourListHeaderSize + 4 * read.colours.size();
  ReadColourListNames(data + namesAt, size - namesAt, read);
  return read;
}

bool StartsLikeNamesBlock(const std::uint8_t* data, std::size_t size) {
  return size > 0 && std::memcmp(data, kNamesMagic, std::min<std::size_t>(size, 4)) == 0;
}

void ReadColourListNames(const std::uint8_t* data, std::size_t size, PaletteRead& read) {
  if (size < 8 || std::memcmp(data, kNamesMagic, 4) != 0) return;
  const std::uint32_t count = GetLittleEndian32(data + 4);
  const std::uint8_t* p = data + 8;
  std::size_t left = size - 8;
  for (std::uint32_t i = 0; i < count && left >= kNameRecordHeader; ++i) {
    const std::uint32_t index = GetLittleEndian32(p);
    const std::size_t length = std::size_t(p[4]) | std::size_t(p[5]) << 8;
    if (left - kNameRecordHeader < length) return;
    const std::string_view text(reinterpret_cast<const char*>(p + kNameRecordHeader), length);
    if (index >= read.names.size() || read.names[index].empty()) NameReadColour(read, index, text);
    p += kNameRecordHeader + length;
    left -= kNameRecordHeader + length;
  }
}

}  // namespace tl
