// The sliders' models and the user's own formats: where a colour stands in each
// model and back, the value boxes' texts, the stored SliderModel, Notation and
// CustomFormats values, and the editing that the chosen notation follows.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/custom_formats.h"
#include "core/multi_string.h"
#include "core/settings_codec.h"
#include "core/slider_model.h"

namespace tl {
namespace {

const ColourValue kSample = MakeColour(18, 52, 86);
using SliderPositions = std::array<int, 3>;

SliderPositions Positions(ColourValue colour, SliderModel model, SliderCoordinates before = {}) {
  const SliderCoordinates place = SliderCoordinatesOf(colour, model, before);
  const SliderModelInfo& info = SliderModelInfoOf(model);
  SliderPositions positions{};
  for (std::size_t i = 0; i < 3; ++i) positions[i] = SliderPositionOf(place[i], info.parts[i]);
  return positions;
}

TEST(SliderModels, OnlyTheFourStoredModelsReadAsThemselves) {
  const struct {
    std::optional<std::uint16_t> stored;
    SliderModel model;
  } cases[] = {{std::nullopt, SliderModel::Rgb},
               {0, SliderModel::Rgb},
               {1, SliderModel::Hsl},
               {2, SliderModel::Hsv},
               {3, SliderModel::Oklch},
               {4, SliderModel::Rgb},
               {0xFFFF, SliderModel::Rgb}};
  for (const auto& c : cases)
    EXPECT_EQ(SliderModelFromStored(c.stored), c.model) << c.stored.value_or(-1);
}

// 18, 52, 86 as the notations write it; the sliders stand where the texts say.
TEST(SliderModels, AColourStandsWhereItsNotationsPlaceIt) {
  const struct {
    SliderModel model;
    SliderPositions positions;
    const char* labels[3];
  } cases[] = {
      {SliderModel::Rgb, {18, 52, 86}, {"Red", "Green", "Blue"}},
      {SliderModel::Hsl, {210, 65, 20}, {"Hue", "Saturation", "Lightness"}},
      {SliderModel::Hsv, {210, 79, 34}, {"Hue", "Saturation", "Value"}},
      {SliderModel::Oklch,
       {32, 72, 251},
       {"Lightness", "Chroma", "Hue"}},  // oklch(31.92% 0.0725 251.17)
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Positions(kSample, c.model), c.positions) << SliderModelInfoOf(c.model).name;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_STREQ(SliderModelInfoOf(c.model).parts[i].label, c.labels[i]);
    }
  }
}

// Coordinates are kept exactly, so a colour's place gives the colour back in
// every model; a slider's rounding never moves it.
TEST(SliderModels, EveryColourComesBackFromItsPlaceInEveryModel) {
  for (int model = 0; model < kSliderModelCount; ++model) {
    for (unsigned r = 0; r < 256; r += 15) {
      for (unsigned g = 0; g < 256; g += 15) {
        for (unsigned b = 0; b < 256; b += 15) {
          const ColourValue colour = MakeColour(r, g, b);
          const auto m = static_cast<SliderModel>(model);
          ASSERT_EQ(ColourAtCoordinates(SliderCoordinatesOf(colour, m, {}), m), colour)
              << model << ": " << r << ", " << g << ", " << b;
        }
      }
    }
  }
}

TEST(SliderModels, CoordinatesGiveTheColoursWorkedByHandClippedIntoSrgb) {
  const struct {
    SliderModel model;
    SliderCoordinates at;
    ColourValue colour;
  } cases[] = {
      {SliderModel::Hsl, {0, 100, 50}, MakeColour(255, 0, 0)},
      {SliderModel::Hsl, {210, 100, 20}, MakeColour(0, 51, 102)},
      {SliderModel::Hsl, {359, 0, 20}, MakeColour(51, 51, 51)},
      {SliderModel::Hsv, {120, 100, 100}, MakeColour(0, 255, 0)},
      {SliderModel::Hsv, {300, 50, 100}, MakeColour(255, 128, 255)},
      {SliderModel::Oklch, {100, 0, 0}, kWhite},
      {SliderModel::Oklch, {0, 0, 120}, kBlack},
      {SliderModel::Oklch,
       {50, 0.37, 30},
       MakeColour(244, 0, 0)},  // far outside: clipped per channel
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColourAtCoordinates(c.at, c.model), c.colour)
        << SliderModelInfoOf(c.model).name << " " << c.at[0];
  }
}

// A grey has no hue: the hue slider stays where it was.
TEST(SliderModels, AHueKeepsItsPlaceWhileSaturationOrChromaIsZero) {
  const ColourValue grey = MakeColour(51, 51, 51);
  EXPECT_EQ(Positions(grey, SliderModel::Hsl, {123, 40, 20}), (SliderPositions{123, 0, 20}));
  EXPECT_EQ(Positions(grey, SliderModel::Hsv, {123, 40, 20}), (SliderPositions{123, 0, 20}));
  EXPECT_EQ(Positions(grey, SliderModel::Oklch, {30, 0.1, 77}), (SliderPositions{32, 0, 77}));
  EXPECT_EQ(Positions(kSample, SliderModel::Hsl, {123, 40, 20})[0], 210) << "a colour has its own";
}

TEST(SliderModels, ValueBoxesShowAndTakeValuesWithinTheirRange) {
  const SliderPart& hue = SliderModelInfoOf(SliderModel::Hsl).parts[0];
  const SliderPart& percent = SliderModelInfoOf(SliderModel::Hsl).parts[1];
  const SliderPart& chroma = SliderModelInfoOf(SliderModel::Oklch).parts[1];
  EXPECT_EQ(SliderValueText(210, hue), "210");
  EXPECT_EQ(SliderValueText(72, chroma), "0.072");
  EXPECT_EQ(SliderValueText(370, chroma), "0.370");
  const struct {
    const char* text;
    const SliderPart& part;
    std::optional<int> position;
  } cases[] = {{"210", hue, 210},
               {" 65 % ", percent, 65},
               {"0.0726", chroma, 73},
               {"0.5", chroma, 370},
               {"400", hue, 359},
               {"359.7", hue, 359},
               {"-5", percent, 0},
               {"12.4", percent, 12},
               {"", hue, std::nullopt},
               {"abc", hue, std::nullopt},
               {"12abc", hue, std::nullopt},
               {"nan", hue, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(SliderPositionOfText(c.text, c.part), c.position) << c.text;
}

TEST(CustomFormats, StoredStringsWithoutATabANameOrAUsableTemplateAreLeftOut) {
  const std::vector<CustomFormat> decoded =
      DecodeCustomFormats({"Hex\t#{rx}{gx}{bx}", "no tab", "\t{r}", "Bad\t{nope}", "Empty\t",
                           "Tabs\tA\t{r}", "Lone\t{r}}"});
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[0].name, "Hex");
  EXPECT_EQ(decoded[0].templateText, "#{rx}{gx}{bx}");
  EXPECT_EQ(decoded[1].templateText, "A\t{r}") << "only the first tab ends the name";
  EXPECT_EQ(EncodeCustomFormats(decoded),
            (std::vector<std::string>{"Hex\t#{rx}{gx}{bx}", "Tabs\tA\t{r}"}));
}

TEST(CustomFormats, ErrorsNameWhatIsWrong) {
  const struct {
    CustomFormat format;
    const char* error;
  } cases[] = {
      {{"Hex", "#{RX}{GX}{BX}"}, ""},
      {{"", "{r}"}, "The format needs a name."},
      {{"a\tb", "{r}"}, "A name cannot hold a tab."},
      {{"Hex", ""}, "The format needs a template."},
      {{"Hex", "#{rgb}"}, "The template has unknown token '{rgb}'."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CustomFormatError(c.format), c.error) << c.format.templateText;
}

TEST(CustomFormats, MultiStringsSplitAtZerosAndEndAtTheFirstEmptyOne) {
  using Strings = std::vector<std::string>;
  const struct {
    std::string bytes;
    Strings strings;
  } cases[] = {
      {std::string("a\0bc\0\0", 6), {"a", "bc"}},
      {std::string("a\0bc", 4), {"a", "bc"}},  // no final zeros
      {std::string("a\0\0c\0\0", 6), {"a"}},
      {std::string("\0", 1), {}},
      {std::string(), {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitMultiString(c.bytes.data(), c.bytes.size()), c.strings);
  EXPECT_EQ(JoinMultiString(Strings{"a", "bc"}), std::string("a\0bc\0\0", 6));
  EXPECT_EQ(SplitMultiString<char>(nullptr, 4), Strings{});
}

// Custom formats take the ids from 1000 in their order; a stored id reads as
// itself only while its format is there, and the built-in ids keep their meaning.
TEST(CustomFormats, StoredNotationIdsOfCustomFormatsReadOnlyWhileTheFormatIsThere) {
  const struct {
    std::optional<std::uint16_t> stored;
    std::size_t custom;
    int notation;
  } cases[] = {{1000, 1, 1000},          {1001, 2, 1001},
               {1001, 1, kNotationRgb},  {1000, 0, kNotationRgb},
               {999, 5, kNotationRgb},   {113, 0, kNotationCssName},
               {0, 3, kNotationInteger}, {std::nullopt, 3, kNotationRgb}};
  for (const auto& c : cases) {
    EXPECT_EQ(NotationFromStored(c.stored, c.custom), c.notation) << c.stored.value_or(-1);
  }
  const FormatList formats(
      {{"Hex", "#{rx}{gx}{bx}"}, {"Bad", "{nope}"}, {"Upper", "{RX}{GX}{BX}"}});
  ASSERT_EQ(formats.Count(), kNotationTable.size() + 2) << "the bad one is left out";
  EXPECT_EQ(formats.NameAt(17), "Upper");
  EXPECT_EQ(formats.IdAt(17), 1001);
  EXPECT_EQ(formats.IdAt(18), -1);
  EXPECT_EQ(std::make_tuple(formats.RowOf(1001), formats.RowOf(1002), formats.RowOf(kNotationHtml)),
            std::make_tuple(17, -1, 2));
  EXPECT_EQ(formats.Text(kSample, 1001), "123456");
  EXPECT_EQ(formats.Text(kSample, kNotationHtml), "#123456");
  EXPECT_EQ(formats.Text(kSample, 1002), "");
}

// The chosen format is followed through moves and changes; when it goes, RGB.
TEST(CustomFormats, TheChosenFormatIsFollowedThroughTheEditing) {
  CustomFormatEditor editor({{"A", "{r}"}, {"B", "{g}"}, {"C", "{b}"}});
  EXPECT_EQ(editor.Add({"D", "{nope}"}), "The template has unknown token '{nope}'.");
  EXPECT_EQ(editor.Add({"D", "{int}"}), "");
  EXPECT_TRUE(editor.Move(1, true));    // B A C D
  EXPECT_FALSE(editor.Move(0, true));   // already first
  EXPECT_FALSE(editor.Move(3, false));  // already last
  EXPECT_EQ(editor.Change(1, {"A2", "{rx}"}), "");
  EXPECT_NE(editor.Change(1, {"", "{rx}"}), "") << "refused, A2 stays";
  editor.Remove(2);  // B A2 D
  std::vector<std::string> names;
  for (const CustomFormat& format : editor.Formats()) names.push_back(format.name);
  EXPECT_EQ(names, (std::vector<std::string>{"B", "A2", "D"}));
  const struct {
    int before, after;
  } cases[] = {{1000, 1001},
               {1001, 1000},
               {1002, kNotationRgb},
               {kNotationHtml, kNotationHtml},
               {1005, kNotationRgb}};
  for (const auto& c : cases) EXPECT_EQ(editor.NotationAfter(c.before), c.after) << c.before;
}

}  // namespace
}  // namespace tl
