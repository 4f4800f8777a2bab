#include <gtest/gtest.h>

#include <map>

#include "core/hotkey.h"
#include "core/settings_codec.h"

namespace tl {
namespace {

struct DecodeCase {
  std::vector<std::uint8_t> stored;
  std::uint32_t value;
  const char* why;
};

TEST(SettingsCodec, ReadsAnyStoredValueThroughAFourByteBuffer) {
  const DecodeCase cases[] = {
      {{0x7A, 0x02}, 0x027A, "the program's own 2 bytes"},
      {{0x01}, 1, "1 byte"},
      {{0x0C, 0x00, 0x00, 0x01}, 0x0100000C, "a 4-byte value of another type"},
      {std::vector<std::uint8_t>(100, 0xFF), 0, "too large: read as missing"},
      {{0x0C, 0x00, 0x00, 0x00, 0x00}, 0, "5 bytes is already too large"},
      {{}, 0, "empty"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeSettingValue(c.stored.data(), c.stored.size()), c.value) << c.why;
  }
  EXPECT_EQ(DecodeSettingValue(nullptr, 0), 0u);
}

TEST(SettingsCodec, WritesTheLowSixteenBitsLittleEndian) {
  EXPECT_EQ(EncodeSettingValue(1), (std::vector<std::uint8_t>{0x01, 0x00}));
  EXPECT_EQ(EncodeSettingValue(0x037A), (std::vector<std::uint8_t>{0x7A, 0x03}));
  EXPECT_EQ(EncodeSettingValue(0x12345678), (std::vector<std::uint8_t>{0x78, 0x56}));
  for (std::uint32_t v : {0u, 4u, 12u, 0x027Au, 0xFFFFu}) {
    const auto bytes = EncodeSettingValue(v);
    EXPECT_EQ(DecodeSettingValue(bytes.data(), bytes.size()), v);
  }
}

TEST(SettingsCodec, ZeroOrMissingMeansTheDefault) {
  const Settings none = ApplyStoredValues(0, 0, 0, 0);
  EXPECT_EQ(none.startHotkey, 0x027Au);
  EXPECT_EQ(none.stopHotkey, 0x037Au);
  EXPECT_FALSE(none.alwaysOnTop);
  EXPECT_EQ(none.zoomLevel, 4);
  const Settings stored = ApplyStoredValues(0x0441, 0x0142, 1, 12);
  EXPECT_EQ(stored.startHotkey, 0x0441u);
  EXPECT_EQ(stored.stopHotkey, 0x0142u);
  EXPECT_TRUE(stored.alwaysOnTop);
  EXPECT_EQ(stored.zoomLevel, 12) << "levels above 8 stay as stored";
}

TEST(SettingsCodec, AZoomLevelBelowOneReadsAsTheDefault) {
  const std::pair<std::uint32_t, int> cases[] = {
      {0xFFFFFFFF, 4},  // REG_DWORD -1
      {0x80008000, 4},  // four binary bytes 00 80 00 80
      {0x80000000, 4},  // the most negative
      {1, 1},
      {0xFFFF, 0xFFFF},  // the largest two-byte value is positive and stays
  };
  for (const auto& [stored, level] : cases) {
    EXPECT_EQ(ApplyStoredValues(0, 0, 0, stored).zoomLevel, level) << std::hex << stored;
  }
}

struct LaterValueCase {
  bool binary;
  std::vector<std::uint8_t> stored;
  int notation;
  bool copyOnKeep;
  const char* why;
};

TEST(SettingsCodec, NotationAndCopyOnKeepTakeOnlyWhatTheProgramWrites) {
  const LaterValueCase cases[] = {
      {true, {0x6B, 0x00}, 107, false, "CSS hsl(), and 107 is no 'on'"},
      {true, {0x64, 0x00}, 100, false, "C++"},
      {true, {0x00, 0x00}, 0, false, "Integer is id 0, a real choice"},
      {true, {0x01, 0x00}, 1, true, "RGB; copy on"},
      {true, {0x6D, 0x00}, 1, false, "109: not in the table"},
      {true, {0x02, 0x00}, 1, false, "2: not in the table, and only 1 is on"},
      {true, {0x01, 0x01}, 1, false, "0x0101"},
      {false, {0x64, 0x00}, 1, false, "the right bytes as another type"},
      {true, {0x64}, 1, false, "one byte"},
      {true, {0x01, 0x00, 0x00, 0x00}, 1, false, "four bytes"},
      {true, {}, 1, false, "empty"},
  };
  for (const LaterValueCase& c : cases) {
    const auto stored = DecodeTwoByteValue(c.binary, c.stored.data(), c.stored.size());
    EXPECT_EQ(NotationFromStored(stored), c.notation) << c.why;
    EXPECT_EQ(CopyOnKeepFromStored(stored), c.copyOnKeep) << c.why;
  }
  EXPECT_EQ(NotationFromStored(std::nullopt), kNotationRgb) << "missing";
  EXPECT_FALSE(CopyOnKeepFromStored(std::nullopt));
}

TEST(Hotkey, ModifiersConvertAndTheWindowsKeyIsNeverUsed) {
  const std::uint32_t cases[][3] = {
      {0x027A, 0x2, 0x7A},  // Ctrl + F11
      {0x037A, 0x6, 0x7A},  // Ctrl + Shift + F11
      {0x0441, 0x1, 0x41},  // Alt + A
      {0x0F41, 0x7, 0x41},  // all three, and the extended flag adds nothing
      {0x0826, 0x0, 0x26},  // an extended arrow key alone
  };
  for (const auto& c : cases) {
    const HotkeyRegistration r = ToRegistration(c[0]);
    EXPECT_EQ(r.modifiers, c[1]) << std::hex << c[0];
    EXPECT_EQ(r.virtualKey, c[2]) << std::hex << c[0];
  }
}

TEST(Hotkey, NamesJoinCtrlShiftAltAndTheKeyInThatOrder) {
  const std::map<std::pair<unsigned, bool>, std::string> names = {
      {{0x11, false}, "Ctrl"}, {{0x10, false}, "Shift"}, {{0x12, false}, "Alt"},
      {{0x7A, false}, "F11"},  {{0x41, false}, "A"},     {{0x26, true}, "Up"},
      {{0x26, false}, "Num 8"}, {{0x00, false}, ""}};
  const KeyNameLookup lookup = [&](unsigned key, bool extended) {
    const auto it = names.find({key, extended});
    return it == names.end() ? std::string("?") : it->second;
  };
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0x027A, "Ctrl + F11"},
      {0x037A, "Ctrl + Shift + F11"},
      {0x0741, "Ctrl + Shift + Alt + A"},
      {0x0826, "Up"},
      {0x0026, "Num 8"},
      {0x0600, "Ctrl + Alt + "},
      {0x0000, ""},
  };
  for (const auto& [hotkey, expected] : cases) {
    EXPECT_EQ(HotkeyName(hotkey, lookup), expected) << std::hex << hotkey;
  }
}

}  // namespace
}  // namespace tl
