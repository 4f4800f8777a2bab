#include "tests/fuzz/reader_checks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/colour_list.h"
#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/gimp_palette.h"
#include "files/palette_reader.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"

namespace tl::fuzz {
namespace {

void PrintAndAbort(const char* rule) {
  std::fprintf(stderr, "reader rule broken: %s\n", rule);
  std::abort();
}

RuleBrokenHandler g_ruleBroken = PrintAndAbort;

void Require(bool holds, const char* rule) {
  if (!holds) g_ruleBroken(rule);
}

using Names = std::vector<std::string>;

// No more colours than the bytes can hold, each a valid colour value, names
// only for colours read and each as the list keeps it, and the same colours and
// names once written by our own writer and read back.
void RequireSound(const PaletteRead& read, std::size_t size, std::size_t bytesPerColour,
                  Bytes (*encode)(const std::vector<ColourValue>&, const Names&),
                  PaletteRead (*reread)(const std::uint8_t*, std::size_t)) {
  Require(read.Ok() || read.colours.empty(), "a rejected file yields no colours");
  Require(read.colours.size() <= size / bytesPerColour + 1, "colours within what the bytes hold");
  for (ColourValue c : read.colours) Require(c <= 0xFFFFFF, "colour values are 0x00BBGGRR");
  Require(read.names.size() <= read.colours.size(), "names only for colours read");
  for (const std::string& name : read.names)
    Require(ColourNameOf(name) == name, "names are kept clean");
  if (!encode || read.colours.empty()) return;
  const Bytes written = encode(read.colours, read.names);
  const PaletteRead again = reread(written.data(), written.size());
  Require(again.colours == read.colours, "round trip");
  Require(again.names == read.names, "names round trip");
}

Bytes EncodeGimp(const std::vector<ColourValue>& colours, const Names& names) {
  const std::string text = EncodeGimpPalette("fuzz", colours, names);
  return Bytes(text.begin(), text.end());
}

PaletteRead ReadColourList(const std::uint8_t* data, std::size_t size) {
  return ReadColourListFile(data, size);
}

void CheckColourList(const std::uint8_t* data, std::size_t size) {
  const PaletteRead whole = ReadColourList(data, size);
  RequireSound(whole, size, 4, EncodeColourListFile, ReadColourList);
  Require(whole.colours == DecodeColourListFile(data, size), "the names block changes no colour");
  ReadPalette(data, size, "fuzz.clf");
}

void CheckSwatchExchange(const std::uint8_t* data, std::size_t size) {
  // The smallest colour entry: a block header, an empty name, "Gray" and one float.
  RequireSound(ReadSwatchExchange(data, size), size, 16, EncodeSwatchExchange, ReadSwatchExchange);
  ReadPalette(data, size, "fuzz.ase");
}

void CheckPhotoshopSwatches(const std::uint8_t* data, std::size_t size) {
  RequireSound(ReadPhotoshopSwatches(data, size), size, 10, EncodePhotoshopSwatches,
               ReadPhotoshopSwatches);
  ReadPalette(data, size, "fuzz.aco");
}

void CheckColourTable(const std::uint8_t* data, std::size_t size) {
  const PaletteRead read = ReadColourTable(data, size);
  RequireSound(read, size, 3, nullptr, nullptr);
  Require(read.Ok() == (size == 768 || size == 772), "only the two table sizes read");
  ReadPalette(data, size, "fuzz.act");
}

void CheckGimpPalette(const std::uint8_t* data, std::size_t size) {
  // The shortest colour line, "0 0 0", and its line end.
  RequireSound(ReadGimpPalette(data, size), size, 6, EncodeGimp, ReadGimpPalette);
  ReadPalette(data, size, "fuzz.gpl");
}

}  // namespace

const ReaderCheck kReaderChecks[5] = {
    {"clf", CheckColourList},  {"ase", CheckSwatchExchange}, {"aco", CheckPhotoshopSwatches},
    {"act", CheckColourTable}, {"gpl", CheckGimpPalette},
};

void SetRuleBrokenHandler(RuleBrokenHandler handler) {
  g_ruleBroken = handler ? handler : PrintAndAbort;
}

const ReaderCheck* FindReaderCheck(const std::string& name) {
  for (const ReaderCheck& check : kReaderChecks) {
    if (name == check.name) return &check;
  }
  return nullptr;
}

}  // namespace tl::fuzz
