// The colour list file, every palette reader and writer against files built by
// hand from the formats' public descriptions, whole-file writes, the fuzz seeds
// replayed under the sanitizers, and the console tool.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>

#include "app/palette_tool.h"
#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/file_io.h"
#include "files/gimp_palette.h"
#include "files/palette_reader.h"
#include "files/palette_writer.h"
#include "files/photoshop_swatches.h"
#include "files/swatch_exchange.h"
#include "files/temporary_file.h"
#include "res/product.h"
#include "tests/fuzz/reader_checks.h"
#include "tests/unit/temp_folder.h"

namespace tl {
namespace {

using Colours = std::vector<ColourValue>;
const ColourValue kBlue = MakeColour(18, 52, 86), kRed = MakeColour(255, 0, 0);

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
Bytes Words(std::initializer_list<std::uint32_t> words) {
  Bytes out;
  for (std::uint32_t w : words) PutBigEndian16(out, w);
  return out;
}
Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }
Bytes Utf16Name(const char* name, bool wide) {  // length with the terminator, then the name
  Bytes out;
  wide ? PutBigEndian32(out, std::strlen(name) + 1) : PutBigEndian16(out, std::strlen(name) + 1);
  PutUtf16Name(out, name);
  return out;
}

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

// --- The colour list file ------------------------------------------------------

Bytes ListHeader(std::uint32_t count) {
  Bytes header = Text("TintLns") + Bytes{0x00, 0x10};
  PutLittleEndian32(header, count);
  return header;
}

TEST(ColourListFile, EncodesTheWorkedExampleAndDecodesWhatIsPresentAndNoMore) {
  const Bytes two = ListHeader(2) + Bytes{0x12, 0x34, 0x56, 0x00, 0xFF, 0xFF, 0xFF, 0x00};
  Bytes foreignMagic = two;
  std::fill(foreignMagic.begin(), foreignMagic.begin() + 9, 0xA0);
  const std::pair<Bytes, Colours> cases[] = {
      {two, {kBlue, kWhite}},
      {foreignMagic, {kBlue, kWhite}},                                // magic and marker unchecked
      {ListHeader(5) + Bytes{1, 0, 0, 0, 2, 0, 0, 0, 9, 9}, {1, 2}},  // whole entries only
      {ListHeader(1) + Bytes{1, 0, 0, 0, 2, 0, 0, 0}, {1}},           // past the count: ignored
      {ListHeader(2) + Bytes{1, 2, 3, 1, 4, 5, 6, 0xFF}, {0x030201, 0x060504}},  // 4th byte ignored
      {ListHeader(0xFFFFFFFF) + Bytes{1, 0, 0, 0}, {}},  // a negative count: no entries
      {Bytes(two.begin(), two.begin() + 11), {}},        // cut inside the count
  };
  for (const auto& [file, colours] : cases) {
    EXPECT_EQ(DecodeColourListFile(file.data(), file.size()), colours) << file.size() << " bytes";
  }
}

TEST(ColourListFile, AHugeCountInATinyFileCostsNothing) {
  // 20 bytes that claim 2,000,000,000 entries: one whole entry and 3 stray bytes.
  const Bytes file = ListHeader(2000000000) + Bytes{7, 0, 0, 0, 1, 2, 3};
  const Colours colours = DecodeColourListFile(file.data(), file.size());
  EXPECT_EQ(colours, Colours{7});
  EXPECT_LT(colours.capacity(), 1024u);
}

// A names block: "TLNM", the count, then index, 16-bit length and UTF-8 per name.
Bytes NamesBlock(std::uint32_t count,
                 std::initializer_list<std::pair<std::uint32_t, std::string>> records) {
  Bytes out = Text("TLNM");
  PutLittleEndian32(out, count);
  for (const auto& [index, name] : records) {
    PutLittleEndian32(out, index);
    out = out + Bytes{std::uint8_t(name.size()), std::uint8_t(name.size() >> 8)} + Text(name);
  }
  return out;
}
using Names = std::vector<std::string>;

TEST(ColourListFile, NamesFollowTheEntriesAndAListWithoutNamesIsWrittenAsEver) {
  const Bytes plain = EncodeColourListFile({kBlue, kWhite, kRed});
  EXPECT_EQ(EncodeColourListFile({kBlue, kWhite, kRed}, {"", ""}), plain);
  const Bytes named =
      EncodeColourListFile({kBlue, kWhite, kRed}, {"", "Sn\xC3\xB6", "", "past the end"});
  EXPECT_EQ(named, plain + NamesBlock(1, {{1, "Sn\xC3\xB6"}}));
  const PaletteRead read = ReadColourListFile(named.data(), named.size());
  EXPECT_EQ(std::make_pair(read.colours, read.names),
            std::make_pair(Colours{kBlue, kWhite, kRed}, Names{"", "Sn\xC3\xB6"}));
}

// Damage drops the names it touches, never a colour.
TEST(ColourListFile, ADamagedNamesBlockDropsOnlyTheNamesItTouches) {
  const Bytes two = EncodeColourListFile({kBlue, kWhite});
  const Bytes good = NamesBlock(2, {{0, "a"}, {1, "b"}});
  const std::pair<Bytes, Names> cases[] = {
      {two + good, {"a", "b"}},
      {two + Bytes(good.begin(), good.end() - 1), {"a"}},     // the last record cut short
      {two + Bytes(good.begin(), good.begin() + 6), {}},      // cut inside the count
      {two + NamesBlock(0xFFFFFFFF, {{1, "b"}}), {"", "b"}},  // a count past the records
      {two + NamesBlock(1, {{0, "a"}, {1, "b"}}), {"a"}},     // records past the count
      {two + NamesBlock(3, {{2, "x"}, {0xFFFFFFFF, "y"}, {1, "b"}}), {"", "b"}},  // no such entry
      {two + NamesBlock(2, {{0, "\xC0\x80"}, {1, "\xED\xA0\x80"}}), {}},  // overlong, a surrogate
      {two + NamesBlock(2, {{1, "first"}, {1, "second"}}), {"", "first"}},
      {two + NamesBlock(1, {{0, "tab	here"}}), {"tab here"}},
      {two + Text("TLNX") + Bytes(good.begin() + 4, good.end()), {}},
      {ListHeader(3) + Bytes(two.begin() + 13, two.end()) + good, {}},  // entries cut short
  };
  for (const auto& [file, names] : cases) {
    const PaletteRead read = ReadColourListFile(file.data(), file.size());
    EXPECT_EQ(read.names, names) << file.size() << " bytes";
    EXPECT_EQ(read.colours, DecodeColourListFile(file.data(), file.size()))
        << file.size() << " bytes";
  }
}

// --- Adobe Swatch Exchange ------------------------------------------------------

Bytes AseBlock(std::uint32_t type, const Bytes& body) {
  Bytes out = Words({type});
  PutBigEndian32(out, static_cast<std::uint32_t>(body.size()));
  return out + body;
}
Bytes AseColour(const char* model, std::initializer_list<float> values) {
  Bytes out = Utf16Name("swatch", false) + Bytes(model, model + 4);
  for (float v : values) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    PutBigEndian32(out, bits);
  }
  return AseBlock(0x0001, out + Words({2}));
}
Bytes Ase(const Bytes& blocks, std::uint32_t count = 1) {
  Bytes out = Text("ASEF") + Bytes{0, 1, 0, 0};
  PutBigEndian32(out, count);
  return out + blocks;
}

TEST(SwatchExchange, WritesTheWorkedExampleBitForBit) {
  // c x (the single nearest to 1/255): 52 gives ...D2 where c / 255 in single gives ...D1.
  const Bytes expected = Ase(AseBlock(1, Utf16Name("R=18 G=52 B=86", false) + Text("RGB ") +
                                             Bytes{0x3D, 0x90, 0x90, 0x91, 0x3E, 0x50, 0xD0, 0xD2,
                                                   0x3E, 0xAC, 0xAC, 0xAD, 0x00, 0x02}));
  ASSERT_EQ(expected.size(), 68u);
  EXPECT_EQ(EncodeSwatchExchange({kBlue}), expected);
  const Bytes one = {0x3F, 0x80, 0x00, 0x00}, white = EncodeSwatchExchange({kWhite});
  EXPECT_NE(std::search(white.begin(), white.end(), one.begin(), one.end()), white.end())
      << "255 is 1.0";
}

TEST(SwatchExchange, ReadsModelsGroupsAndDamage) {
  const Bytes red = AseColour("RGB ", {1, 0, 0});
  const Bytes group = AseBlock(0xC001, Utf16Name("Brand", false)) + AseColour("Gray", {0}) +
                      AseColour("Gray", {1}) + AseBlock(0xC002, {});
  ExpectReads(
      ReadSwatchExchange,
      {
          {"out of range and NaN are clamped",
           Ase(AseColour("RGB ", {1.5f, -2, std::nanf("")})),
           {kRed}},
          {"Lab D50 of sRGB red", Ase(AseColour("LAB ", {0.5429f, 80.81f, 69.89f})), {kRed}},
          {"groups flattened in file order",
           Ase(red + group + red, 6),
           {kRed, kBlack, kWhite, kRed}},
          {"unknown model, unknown block and a short entry are skipped",
           Ase(AseColour("XYZ ", {1, 1, 1}) + AseBlock(0x42, {1, 2, 3}) +
                   AseBlock(1, Utf16Name("cut", false)) + red,
               4),
           {kRed}},
          {"a name longer than its block",
           Ase(AseBlock(1, Words({0xFFFF, 0x41})) + red, 2),
           {kRed}},
          // The file (copied to a buffer of its exact size) ends inside or before the
          // model: nothing may be read past it.
          {"the last block ends before its model",
           Ase(red + AseBlock(1, Utf16Name("cut", false)), 2),
           {kRed}},
          {"the last block ends inside its model",
           Ase(red + AseBlock(1, Utf16Name("cut", false) + Text("RG")), 2),
           {kRed}},
          {"truncated last block", Ase(red + Bytes(red.begin(), red.end() - 1), 2), {kRed}},
          {"four billion blocks claimed", Ase(red, 0xFFFFFFFF), {kRed}},
          {"a block claiming four gigabytes", Ase(Words({1, 0xFFFF, 0xFFFF}) + red), {}},
          {"wrong magic", Text("ASEX") + Bytes(8, 0), {}, false},
          {"short header", Text("ASEF") + Bytes{0, 1}, {}, false},
      });
}

// --- Photoshop swatches ---------------------------------------------------------

TEST(PhotoshopSwatches, ReadsSpacesSectionsAndDamage) {
  const Bytes rgb = Words({0, 0x1212, 0x3434, 0x5656, 0});
  const Bytes v1 = Words({1, 1}) + rgb, v2 = Words({2, 1}) + rgb + Utf16Name("Brand blue", true);
  ExpectReads(
      ReadPhotoshopSwatches,
      {
          {"version 1 alone", v1, {kBlue}},
          {"version 1 then 2: read once", v1 + v2, {kBlue}},
          {"version 2", v2, {kBlue}},
          {"CMYK stored inverted: cyan, then no ink",
           Words({1, 2, 2, 0, 65535, 65535, 65535, 2, 65535, 65535, 65535, 65535}),
           {MakeColour(0, 255, 255), kWhite}},
          {"Lab white and red",
           Words({1, 2, 7, 10000, 0, 0, 0, 7, 5429, 8081, 6989, 0}),
           {kWhite, kRed}},
          {"Lab negative a: green",
           Words({1, 1, 7, 8774, 0x10000 - 7933, 8097, 0}),
           {MakeColour(0, 255, 0)}},
          {"grayscale is ink: 0 white",
           Words({1, 2, 8, 0, 0, 0, 0, 8, 10000, 0, 0, 0}),
           {kWhite, kBlack}},
          {"Pantone and unknown spaces skipped",
           Words({1, 3, 3, 1, 2, 3, 4, 99, 0, 0, 0, 0}) + rgb,
           {kBlue}},
          {"truncated record keeps those before",
           v1 + Words({1, 2}) + rgb + Words({0, 1, 2}),
           {kBlue}},
          {"hostile name length", Words({2, 2}) + rgb + Bytes{0xFF, 0xFF, 0xFF, 0xFF} + rgb, {}},
          {"version 3", Words({3, 1}) + rgb, {}, false},
          {"one byte", Bytes{0}, {}, false},
      });
}

TEST(PhotoshopSwatches, WritesAtMost65535) {
  Colours many(65536, kWhite);
  many[0] = kBlack;
  const Bytes big = EncodePhotoshopSwatches(many);
  EXPECT_EQ(GetBigEndian16(big.data() + 2), 65535u);
  EXPECT_EQ(ReadPhotoshopSwatches(big.data(), big.size()).colours,
            Colours(many.begin(), many.end() - 1))
      << "the top of the list first";
}

// --- Adobe Color Table ----------------------------------------------------------

// The first 256 colours, then black; then the count and FF FF (no transparent
// colour), but for a full table, which stands alone.
TEST(ColourTable, WritesTheFirst256ColoursThenCountAndNoTransparentColour) {
  const std::pair<std::size_t, Bytes> cases[] = {
      {1, {0, 1, 0xFF, 0xFF}}, {256, {}}, {300, {1, 0, 0xFF, 0xFF}}};
  for (const auto& [count, trailer] : cases) {
    Bytes expected;
    for (std::size_t i = 0; i < std::min<std::size_t>(count, 256); ++i)
      expected = expected + Bytes{0x12, 0x34, 0x56};
    expected.resize(768);
    EXPECT_EQ(EncodeColourTable(Colours(count, kBlue)), expected + trailer) << count;
  }
}

Bytes Table(std::size_t trailerCount, bool trailer = true) {
  Bytes out;
  for (unsigned i = 0; i < 256; ++i) out.insert(out.end(), {std::uint8_t(i), 1, 2});
  return trailer ? out + Words({static_cast<std::uint32_t>(trailerCount), 0xFFFF}) : out;
}

TEST(ColourTable, ReadsBySizeAndCount) {
  Colours all;
  for (unsigned i = 0; i < 256; ++i) all.push_back(MakeColour(i, 1, 2));
  ExpectReads(ReadColourTable, {
                                   {"768 bytes: all slots", Table(0, false), all},
                                   {"count 3", Table(3), Colours(all.begin(), all.begin() + 3)},
                                   {"count 0: an empty list's export", Table(0), {}},
                                   {"count over 256 means all", Table(0xFFFF), all},
                                   {"771 bytes", Bytes(771, 0), {}, false},
                               });
}

// --- GIMP palette ---------------------------------------------------------------

TEST(GimpPalette, ReadsLinesAndSkipsCommentsAndMalformedColours) {
  const Colours two = {kBlue, kWhite};
  ExpectReads(
      ReadGimpPalette,
      {
          {"CRLF and no final line end",
           Text("GIMP Palette\r\nName: B\r\n18 52 86 Blue\r\n255\t255\t255"), two},
          {"CR alone", Text("GIMP Palette\rName: B\r18 52 86 Blue\r255 255 255\r"), two},
          {"byte order mark", Text("\xEF\xBB\xBFGIMP Palette\n18 52 86\n255 255 255\n"), two},
          {"comments and malformed lines skipped",
           Text("GIMP Palette\n# 1 2 3\n18 52 86\n1 2\n1 2 3x\n- 2 3\n1,2,3\n\n255 255 255\n"),
           two},
          {"out of range held to 0..255, the colour kept",
           Text("GIMP Palette\n256 0 0\n-1 +2 3\n00000000001 2 99999999999\n"),
           {kRed, MakeColour(0, 2, 3), MakeColour(1, 2, 255)}},
          {"no magic", Text("18 52 86\n"), {}, false},
      });
}

// A name goes out where the kind holds one and comes back; an entry without one
// goes out with its generated name and comes back without a name.
TEST(PaletteWriter, NamesGoOutAndComeBackThroughEveryKindThatHoldsThem) {
  const Colours colours = {kBlue, kWhite, kRed};
  const Names names = {"Brand blue", "", "\xF0\x9F\x8E\xA8 \xE6\xB7\xB1"};  // beyond the BMP, CJK
  for (const FileKind kind :
       {FileKind::ColourList, FileKind::SwatchExchange, FileKind::PhotoshopSwatches,
        FileKind::GimpPalette, FileKind::ColourTable}) {
    const Bytes file = EncodePalette(kind, colours, "p", names);
    const PaletteRead read = ReadPalette(file.data(), file.size(), "");
    EXPECT_EQ(read.colours, colours) << int(kind);
    EXPECT_EQ(read.names, RowOf(kind).holdsNames ? names : Names{}) << int(kind);
    Bytes wide;
    PutUtf16Name(wide, "R=255 G=255 B=255");
    const Bytes narrow = Text("R=255 G=255 B=255");
    wide.resize(wide.size() - 2);
    const bool generated =
        std::search(file.begin(), file.end(), narrow.begin(), narrow.end()) != file.end() ||
        std::search(file.begin(), file.end(), wide.begin(), wide.end()) != file.end();
    EXPECT_EQ(generated, kind != FileKind::ColourTable && kind != FileKind::ColourList)
        << int(kind);
  }
  EXPECT_EQ(EncodeGimpPalette("p", {kBlue, kWhite}, {"Brand blue"}),
            "GIMP Palette\nName: p\n 18  52  86\tBrand blue\n255 255 255\tR=255 G=255 B=255\n");
}

TEST(PaletteReader, SwatchNamesAreReadAsTheFilesHoldThem) {
  const Bytes rgb = Words({0, 0x1212, 0x3434, 0x5656, 0});
  const Bytes unpaired =
      Ase(AseBlock(1, Words({2, 0xD800, 0}) + Text("Gray") + Bytes(4, 0) + Words({2})));
  const std::pair<Bytes, Names> cases[] = {
      {Words({1, 1}) + rgb + Words({2, 1}) + rgb + Utf16Name("Brand blue", true), {"Brand blue"}},
      {Words({1, 2}) + rgb + rgb + Words({2, 1}) + rgb + Utf16Name("cut", true), {"cut"}},
      {Words({2, 1}) + rgb + Utf16Name("R=18 G=52 B=86", true), {}},  // an export's own: no name
      {Ase(AseColour("RGB ", {1, 0, 0})), {"swatch"}},
      {unpaired, {}},
      {Text(
           "GIMP Palette\n18 52 86 \t Brand\tblue \r\n1 2 3\n4 5 6  Caf\xE9\n7 8 9 \xE2\x80\x94\n"),
       {"Brand blue", "", "", "\xE2\x80\x94"}},  // Latin-1 is no UTF-8: dropped
  };
  for (const auto& [file, names] : cases) {
    EXPECT_EQ(ReadPalette(file.data(), file.size(), "x.aco").names, names)
        << file.size() << " bytes";
  }
}

// --- Telling the kinds apart, every writer, whole files ---------------------------

TEST(PaletteReader, ContentDecidesAndTheExtensionOnlyWhereItCannot) {
  const Bytes tableOrSwatches = Table(2);  // the first slot 00 01 02 reads as version 1
  const std::tuple<const char*, Bytes, std::optional<FileKind>> cases[] = {
      {"a.gpl", Text("TintLns"), FileKind::ColourList},
      {"a.clf", Text("ASEF"), FileKind::SwatchExchange},
      {"a.aco", Text("GIMP Palette\n"), FileKind::GimpPalette},
      {"a.gpl", Table(3), FileKind::ColourTable},
      {"a.gpl", Words({1, 0}), FileKind::PhotoshopSwatches},
      {"a.ACO", tableOrSwatches, FileKind::PhotoshopSwatches},
      {"a", tableOrSwatches, FileKind::ColourTable},
      {"old.clf", Text("anything"), FileKind::ColourList},
      {"notes.txt", Text("anything"), std::nullopt},
      {"dir.gpl/none", Text("anything"), std::nullopt},
  };
  for (const auto& [path, bytes, kind] : cases) {
    EXPECT_EQ(DetectFileKind(bytes.data(), bytes.size(), path), kind) << path;
  }
  const Bytes text = Text("anything");
  EXPECT_FALSE(ReadPalette(text.data(), text.size(), "x.ase").Ok());
}

// Every seed of the fuzz targets, and every crash they ever found, under the
// sanitizers of this build. A broken rule fails the test, naming the seed, and
// the rest of the seeds and tests still run.
TEST(PaletteReader, FuzzSeedsKeepTheReadersRules) {
  fuzz::SetRuleBrokenHandler(
      [](const char* rule) { ADD_FAILURE() << "reader rule broken: " << rule; });
  int replayed = 0;
  for (const fuzz::ReaderCheck& check : fuzz::kReaderChecks) {
    const std::string folder = std::string(TL_SOURCE_DIR) + "/tests/fuzz/seeds/" + check.name;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      SCOPED_TRACE(entry.path().string());
      const FileBytes file = ReadWholeFile(entry.path().string());
      EXPECT_TRUE(file.Ok());
      check.check(file.bytes.data(), file.bytes.size());
      ++replayed;
    }
  }
  fuzz::SetRuleBrokenHandler(nullptr);
  EXPECT_GE(replayed, 20);
}

using FileIoTest = testing_support::TempFolderTest;

// Larger than one read: the list comes back whole.
TEST_F(FileIoTest, AColourListRoundTripsThroughAFile) {
  Colours colours(100000);
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<ColourValue>(i);
  ASSERT_TRUE(WritePalette(FileKind::ColourList, Path("colors.clf"), colours, ""));
  const FileBytes file = ReadWholeFile(Path("colors.clf"));
  EXPECT_EQ(DecodeColourListFile(file.bytes.data(), file.bytes.size()), colours);
}

// A palette file is at most 64 MB: a larger one is refused by its size, one
// without a size (a device) once it has given that much. (Files that cannot be
// read: the document's Open test.)
TEST_F(FileIoTest, AFileOver64MegabytesIsRefused) {
  const std::pair<std::string, ReadFailure> cases[] = {
      {SparseFile("64mb.gpl", "GIMP Palette\n", kLargestPaletteFile), ReadFailure::None},
      {SparseFile("over.gpl", "GIMP Palette\n", kLargestPaletteFile + 1), ReadFailure::TooLarge},
      {SparseFile("1gb.clf", "TintLns", 1ll << 30), ReadFailure::TooLarge},
      {"/dev/zero", ReadFailure::TooLarge},
  };
  for (const auto& [path, failure] : cases) {
    const FileBytes file = ReadWholeFile(path);
    EXPECT_EQ(file.failure, failure) << path;
    EXPECT_EQ(file.bytes.size(), failure == ReadFailure::None ? kLargestPaletteFile : 0) << path;
  }
}

// A temporary file's name holds its target's (FNV-1a, whose published value for
// "a" is e40c292c) and its process: a write takes only its own target's, and by
// the exact pattern; the recovery folder any of ours, an earlier version's too.
TEST(TemporaryFile, ANameIsOursOnlyByItsExactPatternAndTheTargetItWasFor) {
  const std::string forA = TemporaryNameFor("a", 7);
  EXPECT_EQ(forA, ".tl-e40c292c-7.tmp");
  const std::tuple<std::string, const char*, std::optional<std::uint32_t>> cases[] = {
      {forA, "a", 7},
      {forA, "A", 7},
      {forA, "", 7},
      {forA, "b", std::nullopt},
      {TemporaryNameFor("colors.clf", 4294967295u), "colors.clf", 4294967295u},
      {"tl12-3.tmp", "", 12},
      {"tl12-3.tmp", "a", std::nullopt},  // an earlier version's
      {".tl-e40c292c-07.tmp", "a", std::nullopt},
      {".tl-e40c292c-4294967296.tmp", "a", std::nullopt},
      {".tl-E40C292C-7.tmp", "", std::nullopt},
      {".tl-e40c292c-7.tmp.bak", "a", std::nullopt},
      {".tl-e40c292c7.tmp", "a", std::nullopt},
      {"tl12-.tmp", "", std::nullopt},
      {"a", "a", std::nullopt},
  };
  for (const auto& [name, target, owner] : cases) {
    EXPECT_EQ(TemporaryFileOwner(name, target), owner) << name << " for " << target;
  }
  EXPECT_EQ(StaleTemporaryFiles({forA, TemporaryNameFor("a", 8), "a", "tl7-1.tmp"}, "a",
                                [](std::uint32_t process) { return process == 7; }),
            std::vector<std::string>{forA});
}

// A process that exists (ours, or init, which we may not signal) is not gone; an
// id above Linux's largest is.
TEST_F(FileIoTest, ASaveRemovesTheTemporaryFilesKilledWritesOfTheSameFileLeft) {
  EXPECT_EQ(std::make_tuple(ProcessIsGone(::getpid()), ProcessIsGone(1), ProcessIsGone(99999999)),
            std::make_tuple(false, false, true));
  // The first is stale; a running process's, another file's and an earlier
  // version's (which beside a user's file could be the user's) stay.
  const std::string names[] = {TemporaryNameFor("colors.clf", 99999999),
                               TemporaryNameFor("colors.clf", ::getppid()),
                               TemporaryNameFor("other.clf", 99999999), "tl99999999-1.tmp"};
  for (const std::string& name : names) ASSERT_TRUE(WriteFileReplacing(Path(name), {1}));
  ASSERT_TRUE(WritePalette(FileKind::ColourList, Path("colors.clf"), {kWhite}, ""));
  for (const std::string& name : names) {
    EXPECT_EQ(Contents(Path(name)), &name == names ? "" : "\x01") << name;
  }
}

// Over an earlier file, the document's save test.
TEST_F(FileIoTest, AnExportThatFailsHalfwayLeavesNoFile) {
  testing_support::FileSizeLimit limit(8);
  EXPECT_FALSE(WritePalette(FileKind::SwatchExchange, Path("new.ase"), {kWhite, kBlack}, ""));
  EXPECT_EQ(Listing(), "") << "no temporary or partial file is left behind";
}

class PaletteToolTest : public testing_support::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(WriteFileReplacing(In(), EncodeColourListFile(m_colours)));
  }
  std::string In() const { return Path("brand colours.clf"); }
  int Run(const std::vector<std::string>& arguments) {
    m_out = m_err = "";
    return RunPaletteTool(arguments, m_out, m_err);
  }
  Colours m_colours = {kBlue, kWhite};
  std::string m_out, m_err;
};

// The kind follows the output's extension in any case, and show reads each kind
// back in the notation asked for.
TEST_F(PaletteToolTest, ExportWritesEachKindByItsExtensionAndShowReadsThemBack) {
  const std::tuple<const char*, FileKind, std::vector<std::string>, const char*> cases[] = {
      {"out.ACT", FileKind::ColourTable, {"--format", "html"}, "#123456\n#ffffff\n"},
      {"out.clf",
       FileKind::ColourList,
       {"--format", "css-hsl"},
       "hsl(210, 65%, 20%)\nhsl(0, 0%, 100%)\n"}};
  for (const auto& [name, kind, format, shown] : cases) {
    ASSERT_EQ(Run({"export", In(), Path(name)}), 0) << m_err;
    const Bytes expected = EncodePalette(kind, m_colours, "brand colours");
    EXPECT_EQ(Contents(Path(name)), std::string(expected.begin(), expected.end())) << name;
    std::vector<std::string> show = {"show", Path(name)};
    show.insert(show.end(), format.begin(), format.end());
    ASSERT_EQ(Run(show), 0) << name;
    EXPECT_EQ(m_out, shown) << name;
  }
}

// A file that cannot be read or written exits 1; a mistake in the command exits
// 2 with one line that names it.
TEST_F(PaletteToolTest, MistakesAreExplainedAndLeaveNoOutputBehind) {
  ASSERT_TRUE(WriteFileReplacing(Path("notes.txt"), {'G', 'I', 'M', 'P', '\n'}));
  const std::string huge = SparseFile("huge.gpl", "GIMP Palette\n1 2 3\n", 1ll << 30);
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"export", m_folder, Path("out.gpl")}, 1, "cannot open " + m_folder + ": Is a directory"},
      {{"show", Path("x.clf")}, 1, "cannot open " + Path("x.clf") + ": No such file or directory"},
      {{"export", In(), m_folder + "/./brand colours.clf"}, 1, "over its own input"},
      {{"export", huge, Path("out.gpl")}, 1, "huge.gpl: it is too large to be a palette"},
      {{"show", Path("notes.txt")}, 1, "not a palette file"},
      {{"export", In(), Path("out.png")}, 1, "unknown output type"},
      {{"export", In(), Path("no/such/folder/out.ase")},
       1,
       "cannot write " + Path("no/such/folder/out.ase") + ": No such file or directory"},
      {{"convert", "red", "--names"}, 2, "only show takes --names"},
      {{"show", In(), "--format", "hsl"}, 2, "unknown format 'hsl' (use integer, cpp, html"},
      {{"show", In(), "--frob"}, 2, "unknown option '--frob'"},
      {{"show", In(), "--template={q}"}, 2, "bad template: unknown token '{q}'"},
      {{"show", In(), "--format"}, 2, "option '--format' needs a value"},
      {{"show", In(), "--format=html", "--template", "x"}, 2, "cannot be used together"},
      {{"show", In(), In()}, 2, "unexpected argument"},
      {{"export", In(), "--format", "html"}, 2, "export takes no --format"},
      {{"export", In()}, 2, "export needs FILE and OUT"},
      {{"convert"}, 2, "convert needs at least one COLOUR"},
      {{"contrast", "red"}, 2, "contrast needs TEXT and BACKGROUND"},
      {{"simulate", "catvision", "red"}, 2, "unknown vision 'catvision'"},
      {{"frob"}, 2, "unknown command 'frob'"},
      {{}, 2, "missing command"},
  };
  for (const auto& [arguments, status, message] : cases) {
    EXPECT_EQ(Run(arguments), status) << message;
    EXPECT_EQ(m_err.rfind("tintlens-palette: ", 0), 0u) << m_err;
    EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
    EXPECT_EQ(m_err.find("usage:"), std::string::npos) << "not the whole help";
    EXPECT_EQ(m_out, "");
  }
  EXPECT_EQ(Listing(), "brand colours.clf/huge.gpl/notes.txt/");
  const Bytes input = EncodeColourListFile(m_colours);
  EXPECT_EQ(Contents(In()), std::string(input.begin(), input.end())) << "the input is whole";
  EXPECT_EQ(Run({"show", "--help"}), 0);
  EXPECT_NE(m_out.find("tintlens-palette convert"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(m_out, "tintlens-palette " TL_VERSION "\n");
}

// Each colour that reads is written in the format or template asked for, one a
// line (as another vision sees it, for simulate); each that does not is named,
// and the status says so. Contrast's status tells a pair that fails AA (1) from
// a colour it cannot read (2).
TEST_F(PaletteToolTest, ConvertContrastAndSimulateReadTypedColours) {
  const std::tuple<std::vector<std::string>, int, const char*, const char*> cases[] = {
      {{"convert", "#123456", "steelblue"}, 0, "18, 52, 86\n70, 130, 180\n", ""},
      {{"convert", "--format=OKLCH", "rgb(18 52 86)"}, 0, "oklch(31.92% 0.0725 251.17)\n", ""},
      {{"convert", "18,52,86", "--format", "Name"}, 0, "~midnightblue\n", ""},
      {{"convert", "#123456", "--template", "{RX}{GX}{BX}"}, 0, "123456\n", ""},
      {{"convert", "red", "rgb(1 2)", "blue", "nope"},
       1,
       "255, 0, 0\n0, 0, 255\n",
       "tintlens-palette: not a colour: 'rgb(1 2)'\ntintlens-palette: not a colour: 'nope'\n"},
      {{"contrast", "#777777", "#ffffff"},
       1,
       "WCAG 2 contrast 4.47:1: AA fail, AAA fail, large AA pass, large AAA fail, non-text pass\n"
       "APCA Lc 71.1\n",
       ""},
      {{"contrast", "white", "rgb(18, 52, 86)"},
       0,
       "WCAG 2 contrast 12.71:1: AA pass, AAA pass, large AA pass, large AAA pass, non-text pass\n"
       "APCA Lc -101.9\n",
       ""},
      {{"contrast", "white", "nope"}, 2, "", "tintlens-palette: not a colour: 'nope'\n"},
      {{"simulate", "achromatopsia", "white", "#000"}, 0, "#ffffff\n#000000\n", ""},
  };
  for (const auto& [arguments, status, out, err] : cases) {
    EXPECT_EQ(Run(arguments), status) << arguments[1];
    EXPECT_EQ(m_out, out);
    EXPECT_EQ(m_err, err);
  }
  ASSERT_EQ(Run({"show", In(), "--template", "{name} {h}"}), 0);
  EXPECT_EQ(m_out, "midnightblue 210\nwhite 0\n");
}

// show --names gives each colour's name after a tab; export keeps the names and
// says on standard error what the output cannot hold, which is no failure.
TEST_F(PaletteToolTest, NamesAreShownAndExportedAndWhatAnExportLeavesOutIsSaid) {
  Colours many(300, kRed);
  many[0] = kBlue;
  ASSERT_TRUE(WriteFileReplacing(Path("many.clf"),
                                 EncodeColourListFile(many, {"Brand blue", "", "Alert"})));
  ASSERT_TRUE(WriteFileReplacing(Path("empty.clf"), {}));
  const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
      {{"show", Path("many.clf"), "--names", "--format", "html"},
       "#123456\tBrand blue\n#ff0000\t\n#ff0000\tAlert\n",
       ""},
      {{"export", Path("many.clf"), Path("out.gpl")}, "", ""},
      {{"show", Path("out.gpl"), "--names", "--template", "{r}"},
       "18\tBrand blue\n255\t\n255\tAlert\n",
       ""},
      {{"export", Path("many.clf"), Path("out.act")},
       "",
       "tintlens-palette: " + Path("out.act") +
           " holds at most 256 colours: the last 44 of 300 are left out\n"
           "tintlens-palette: " +
           Path("out.act") + " holds no names: 2 names are left out\n"},
      {{"show", Path("empty.clf")},
       "",
       "tintlens-palette: no colours in " + Path("empty.clf") + "\n"},
      {{"export", Path("empty.clf"), Path("empty.gpl")},
       "",
       "tintlens-palette: no colours in " + Path("empty.clf") + "\n"},
  };
  for (const auto& [arguments, out, err] : cases) {
    EXPECT_EQ(Run(arguments), 0) << arguments[2];
    EXPECT_EQ(m_out.substr(0, out.size()), out) << arguments[2];
    EXPECT_EQ(m_err, err) << arguments[2];
  }
  EXPECT_EQ(Contents(Path("empty.gpl")), "GIMP Palette\nName: empty\n");
}

// A file the tool writes is a new file as any other program makes it: 0666 less
// the umask, whatever the temporary file it was written through.
TEST_F(PaletteToolTest, WrittenFilesGetThePermissionsTheUmaskLeaves) {
  for (const mode_t mask : {022, 077, 002}) {
    const mode_t old = ::umask(mask);
    const int status = Run({"export", In(), Path("out.ase")});
    ::umask(old);
    struct stat written = {};
    ASSERT_EQ(status, 0) << m_err;
    ASSERT_EQ(::stat(Path("out.ase").c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 0777, 0666 & ~mask) << std::oct << mask;
  }
}

}  // namespace
}  // namespace tl
