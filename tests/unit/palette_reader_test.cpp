// The readers against files built by hand from the formats' public descriptions,
// and every writer read back.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>

#include "files/colour_table.h"
#include "files/gimp_palette.h"
#include "files/palette_reader.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"
#include "files/palette_writer.h"
#include "tests/fuzz/reader_checks.h"

namespace tl {
namespace {

using Colours = std::vector<ColourValue>;

struct ReadCase {
  const char* what;
  Bytes file;
  Colours colours;
  bool ok = true;
};

void ExpectReads(PaletteRead (*reader)(const std::uint8_t*, std::size_t),
                 const std::vector<ReadCase>& cases) {
  for (const ReadCase& c : cases) {
    const PaletteRead read = reader(c.file.data(), c.file.size());
    EXPECT_EQ(read.Ok(), c.ok) << c.what << ": " << read.error;
    EXPECT_EQ(read.colours, c.colours) << c.what;
  }
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Bytes Words(std::initializer_list<std::uint32_t> words) {
  Bytes out;
  for (std::uint32_t w : words) PutBigEndian16(out, w);
  return out;
}

// --- Adobe Swatch Exchange ---------------------------------------------------

Bytes AseBlock(std::uint32_t type, const Bytes& body) {
  Bytes out = Words({type});
  PutBigEndian32(out, static_cast<std::uint32_t>(body.size()));
  return out + body;
}

Bytes AseName(const char* name) {
  Bytes out = Words({static_cast<std::uint32_t>(std::strlen(name) + 1)});
  for (const char* c = name; *c; ++c) PutBigEndian16(out, static_cast<unsigned char>(*c));
  return out + Words({0});
}

Bytes AseColour(const char* model, std::initializer_list<float> values) {
  Bytes out = AseName("swatch") + Bytes(model, model + 4);
  for (float v : values) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    PutBigEndian32(out, bits);
  }
  return AseBlock(0x0001, out + Words({2}));
}

Bytes Ase(const Bytes& blocks, std::uint32_t count = 1) {
  Bytes out = {'A', 'S', 'E', 'F', 0, 1, 0, 0};
  PutBigEndian32(out, count);
  return out + blocks;
}

TEST(SwatchExchangeReader, ModelsGroupsAndDamage) {
  const Bytes red = AseColour("RGB ", {1, 0, 0});
  const Bytes group = AseBlock(0xC001, AseName("Brand"));
  const Bytes groupEnd = AseBlock(0xC002, {});
  const float nan = std::nanf("");
  ExpectReads(ReadSwatchExchange, {
      {"RGB", Ase(AseColour("RGB ", {18 / 255.f, 52 / 255.f, 86 / 255.f})), {MakeColour(18, 52, 86)}},
      {"RGB out of range and NaN are clamped", Ase(AseColour("RGB ", {1.5f, -2, nan})), {MakeColour(255, 0, 0)}},
      {"Gray", Ase(AseColour("Gray", {0.5f})), {MakeColour(128, 128, 128)}},
      {"CMYK cyan", Ase(AseColour("CMYK", {1, 0, 0, 0})), {MakeColour(0, 255, 255)}},
      {"CMYK half black", Ase(AseColour("CMYK", {0, 0, 0, 0.5f})), {MakeColour(128, 128, 128)}},
      {"Lab white", Ase(AseColour("LAB ", {1, 0, 0})), {kWhite}},
      {"Lab mid grey", Ase(AseColour("LAB ", {0.5f, 0, 0})), {MakeColour(119, 119, 119)}},
      {"Lab D50 of sRGB red", Ase(AseColour("LAB ", {0.5429f, 80.81f, 69.89f})), {MakeColour(255, 0, 0)}},
      {"groups flattened in file order",
       Ase(red + group + AseColour("Gray", {0}) + AseColour("Gray", {1}) + groupEnd + red, 6),
       {MakeColour(255, 0, 0), kBlack, kWhite, MakeColour(255, 0, 0)}},
      {"unknown model, unknown block and a short entry are skipped",
       Ase(AseColour("XYZ ", {1, 1, 1}) + AseBlock(0x0042, {1, 2, 3}) + AseBlock(1, AseName("cut")) + red, 4),
       {MakeColour(255, 0, 0)}},
      {"a name longer than its block", Ase(AseBlock(1, Words({0xFFFF, 0x41})) + red, 2), {MakeColour(255, 0, 0)}},
      {"truncated last block", Ase(red + Bytes(red.begin(), red.end() - 1), 2), {MakeColour(255, 0, 0)}},
      {"four billion blocks claimed", Ase(red, 0xFFFFFFFF), {MakeColour(255, 0, 0)}},
      {"a block claiming four gigabytes", Ase(Words({1, 0xFFFF, 0xFFFF}) + red), {}},
      {"header only", Ase({}, 0), {}},
      {"wrong magic", Bytes{'A', 'S', 'E', 'X', 0, 1, 0, 0, 0, 0, 0, 0}, {}, false},
      {"short header", Bytes{'A', 'S', 'E', 'F', 0, 1}, {}, false},
  });
}

// --- Photoshop swatches -----------------------------------------------------

Bytes AcoName(const char* name) {
  Bytes out;
  PutBigEndian32(out, static_cast<std::uint32_t>(std::strlen(name) + 1));
  for (const char* c = name; *c; ++c) PutBigEndian16(out, static_cast<unsigned char>(*c));
  return out + Words({0});
}

TEST(PhotoshopSwatchesReader, SpacesSectionsAndDamage) {
  const Bytes rgb = Words({0, 0x1212, 0x3434, 0x5656, 0});
  const Bytes v1 = Words({1, 1}) + rgb;
  const Bytes v2 = Words({2, 1}) + rgb + AcoName("Brand blue");
  const Colours blue = {MakeColour(18, 52, 86)};
  ExpectReads(ReadPhotoshopSwatches, {
      {"version 1 alone", v1, blue},
      {"version 1 then 2: read once", v1 + v2, blue},
      {"version 2 alone", v2, blue},
      {"HSB red and green", Words({1, 2, 1, 0, 65535, 65535, 0, 1, 21845, 65535, 65535, 0}),
       {MakeColour(255, 0, 0), MakeColour(0, 255, 0)}},
      {"CMYK stored inverted: cyan, then no ink", Words({1, 2, 2, 0, 65535, 65535, 65535, 2, 65535, 65535, 65535, 65535}),
       {MakeColour(0, 255, 255), kWhite}},
      {"Lab white, mid grey, signed a and b", Words({1, 3, 7, 10000, 0, 0, 0, 7, 5000, 0, 0, 0, 7, 5429, 8081, 6989, 0}),
       {kWhite, MakeColour(119, 119, 119), MakeColour(255, 0, 0)}},
      {"Lab negative a: green", Words({1, 1, 7, 8774, static_cast<std::uint16_t>(-7933), 8097, 0}), {MakeColour(0, 255, 0)}},
      {"grayscale is ink: 0 white", Words({1, 3, 8, 0, 0, 0, 0, 8, 5000, 0, 0, 0, 8, 10000, 0, 0, 0}),
       {kWhite, MakeColour(128, 128, 128), kBlack}},
      {"Pantone and unknown spaces skipped", Words({1, 3, 3, 1, 2, 3, 4, 99, 0, 0, 0, 0}) + rgb, blue},
      {"truncated record keeps those before", v1 + Words({1, 2}) + rgb + Words({0, 1, 2}), blue},
      {"65,535 claimed, one there", Words({1, 65535}) + rgb, blue},
      {"hostile name length", Words({2, 2}) + rgb + Bytes{0xFF, 0xFF, 0xFF, 0xFF} + rgb, {}},
      {"empty", Words({1, 0}), {}},
      {"version 3", Words({3, 1}) + rgb, {}, false},
      {"one byte", Bytes{0}, {}, false},
  });
}

TEST(PhotoshopSwatchesWriter, BothSectionsExactlyAndAtMost65535) {
  const Bytes expected = Words({1, 1, 0, 18 * 257, 52 * 257, 86 * 257, 0, 2, 1, 0, 18 * 257, 52 * 257, 86 * 257, 0}) +
                         AcoName("R=18 G=52 B=86");
  EXPECT_EQ(EncodePhotoshopSwatches({MakeColour(18, 52, 86)}), expected);
  Colours many(65536, kWhite);
  many[0] = kBlack;
  const Bytes big = EncodePhotoshopSwatches(many);
  EXPECT_EQ(GetBigEndian16(big.data() + 2), 65535u);
  EXPECT_EQ(GetBigEndian16(big.data() + 6), 0u) << "the top of the list first";
  const PaletteRead read = ReadPhotoshopSwatches(big.data(), big.size());
  EXPECT_EQ(read.colours, Colours(many.begin(), many.end() - 1));
}

// --- Adobe Color Table -------------------------------------------------------

Bytes Table(std::size_t trailerCount, bool trailer = true) {
  Bytes out;
  for (unsigned i = 0; i < 256; ++i) out.insert(out.end(), {std::uint8_t(i), 1, 2});
  if (trailer) out = out + Words({static_cast<std::uint32_t>(trailerCount), 0xFFFF});
  return out;
}

TEST(ColourTableReader, SizesAndCounts) {
  Colours all;
  for (unsigned i = 0; i < 256; ++i) all.push_back(MakeColour(i, 1, 2));
  ExpectReads(ReadColourTable, {
      {"768 bytes: all slots", Table(0, false), all},
      {"count 3", Table(3), Colours(all.begin(), all.begin() + 3)},
      {"count 256", Table(256), all},
      {"count 0 means all", Table(0), all},
      {"count over 256 means all", Table(0xFFFF), all},
      {"771 bytes", Bytes(771, 0), {}, false},
      {"empty", Bytes{}, {}, false},
  });
}

// --- GIMP palette ------------------------------------------------------------

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST(GimpPaletteReader, LinesCommentsAndMalformedColours) {
  const Colours two = {MakeColour(18, 52, 86), kWhite};
  ExpectReads(ReadGimpPalette, {
      {"LF, header lines, name after", Text("GIMP Palette\nName: Brand\nColumns: 4\n#\n 18  52  86\tBlue\n255 255 255 White\n"), two},
      {"CRLF and no final line end", Text("GIMP Palette\r\nName: Brand\r\n18 52 86 Blue\r\n255\t255\t255"), two},
      {"byte order mark", Text("\xEF\xBB\xBFGIMP Palette\n18 52 86\n255 255 255\n"), two},
      {"comments and malformed lines skipped",
       Text("GIMP Palette\n# 1 2 3\n18 52 86\n256 0 0\n1 2\n1 2 3x\n-1 2 3\n1,2,3\n00000000001 2 99999999999\n\n255 255 255\n"), two},
      {"no colours", Text("GIMP Palette\nName: Empty\n"), {}},
      {"no magic", Text("18 52 86\n"), {}, false},
      {"another program's palette", Text("JASC-PAL\n0100\n1\n18 52 86\n"), {}, false},
  });
}

// --- Detection and round trips ----------------------------------------------

TEST(PaletteReader, ContentDecidesAndTheExtensionOnlyWhereItCannot) {
  const Bytes tableLikeSwatches = Table(2);  // first slot 00 01 02
  const Bytes swatches = Words({1, 0});
  const std::tuple<const char*, Bytes, std::optional<FileKind>> cases[] = {
      {"a.gpl", Text("TintLns"), FileKind::ColourList},
      {"a.clf", Text("ASEF"), FileKind::SwatchExchange},
      {"a.aco", Text("GIMP Palette\n"), FileKind::GimpPalette},
      {"a.gpl", Table(3), FileKind::ColourTable},
      {"a.gpl", swatches, FileKind::PhotoshopSwatches},
      {"a.ACO", tableLikeSwatches, FileKind::PhotoshopSwatches},
      {"a.act", tableLikeSwatches, FileKind::ColourTable},
      {"a", tableLikeSwatches, FileKind::ColourTable},
      {"old.clf", Text("anything"), FileKind::ColourList},
      {"x.ase", Text("anything"), FileKind::SwatchExchange},
      {"notes.txt", Text("anything"), std::nullopt},
      {"dir.gpl/none", Text("anything"), std::nullopt},
  };
  for (const auto& [path, bytes, kind] : cases) {
    EXPECT_EQ(DetectFileKind(bytes.data(), bytes.size(), path), kind) << path;
  }
  const Bytes text = Text("anything");
  EXPECT_FALSE(ReadPalette(text.data(), text.size(), "notes.txt").Ok());
  EXPECT_FALSE(ReadPalette(text.data(), text.size(), "x.ase").Ok());
}

TEST(PaletteReader, EveryWriterReadsBack) {
  Colours colours;
  for (unsigned i = 0; i < 300; ++i) colours.push_back(MakeColour(i * 7 % 256, i % 256, 255 - i % 256));
  for (FileKind kind : {FileKind::ColourList, FileKind::SwatchExchange, FileKind::ColourTable,
                        FileKind::PhotoshopSwatches, FileKind::GimpPalette}) {
    const Bytes bytes = EncodePalette(kind, colours, "brand");
    const PaletteRead read = ReadPalette(bytes.data(), bytes.size(), "no extension");
    EXPECT_TRUE(read.Ok()) << read.error;
    const std::size_t kept = kind == FileKind::ColourTable ? 256 : colours.size();
    EXPECT_EQ(read.colours, Colours(colours.begin(), colours.begin() + kept)) << int(kind);
  }
}

// Every seed of the fuzz targets, and every crash they ever found, under the
// sanitizers of this build.
TEST(PaletteReader, FuzzSeedsKeepTheReadersRules) {
  int replayed = 0;
  for (const fuzz::ReaderCheck& check : fuzz::kReaderChecks) {
    const std::string folder = std::string(TL_SOURCE_DIR) + "/tests/fuzz/seeds/" + check.name;
    DIR* dir = ::opendir(folder.c_str());
    ASSERT_NE(dir, nullptr) << folder;
    while (const dirent* entry = ::readdir(dir)) {
      if (entry->d_name[0] == '.') continue;
      std::ifstream in(folder + "/" + entry->d_name, std::ios::binary);
      const Bytes bytes((std::istreambuf_iterator<char>(in)), {});
      check.check(bytes.data(), bytes.size());
      ++replayed;
    }
    ::closedir(dir);
  }
  EXPECT_GE(replayed, 20);
}

}  // namespace
}  // namespace tl
