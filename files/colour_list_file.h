#pragma once
// The colour list file (.clf): "TintLns", 00 10, a little-endian count, then one
// little-endian colour value per entry, top of the list first. When entries have
// names, a names block follows the entries, where a reader that stops after the
// count never looks: "TLNM", a 32-bit count, then per name a 32-bit entry index,
// a 16-bit byte length and that many bytes of UTF-8, all little-endian.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/palette_read.h"

namespace tl {

constexpr std::size_t kColourListHeaderSize = 13;

// The whole file for these colours and their names (by index, as
// ColourList::Names). Without a name, byte for byte the file of old.
Bytes EncodeColourListFile(const std::vector<ColourValue>& colours,
                           const std::vector<std::string>& names = {});

// The entries of a colour list file held whole in memory. Like the program always
// has, it accepts any file: the magic and marker are not compared, the count is
// signed (0 or below: no entries), and reading stops at the first incomplete
// entry. An entry's fourth byte is ignored. It never allocates by the count, so
// a short file that claims two billion entries costs only what is really there.
std::vector<ColourValue> DecodeColourListFile(const std::uint8_t* data, std::size_t size);

// The whole entries of the bytes after the header, at most `counted` of them:
// what a damaged file still holds when its count is not to be trusted.
std::vector<ColourValue> DecodeColourListEntries(const std::uint8_t* entries, std::size_t size,
                                                 std::uint64_t counted = UINT64_MAX);

// The colours as DecodeColourListFile reads them and, when every counted entry
// is there, the names of the block after them.
PaletteRead ReadColourListFile(const std::uint8_t* data, std::size_t size);

// The names of a block that starts at data (right after the last entry) for the
// colours read. Bytes that are no names block give no names; the counts are not
// trusted: a record cut short ends the block, and a record whose index names no
// colour, whose text is not UTF-8 or whose entry is already named gives no name.
void ReadColourListNames(const std::uint8_t* data, std::size_t size, PaletteRead& read);

// Whether bytes (some at least) start as a names block does, if only in part.
bool StartsLikeNamesBlock(const std::uint8_t* data, std::size_t size);

}  // namespace tl
