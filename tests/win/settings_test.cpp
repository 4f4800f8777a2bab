// Settings read at start and written at their moments, through the real registry.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/win_test_support.h"

namespace tl {
namespace {

const char* const kKey = "Software\\Quorvane\\Tintlens\\";

void Store(const char* name, DWORD type, const std::vector<BYTE>& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
  ::RegCloseKey(key);
}

std::vector<BYTE> Stored(const char* name) {
  BYTE buffer[16] = {};
  DWORD size = sizeof buffer;
  if (::RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, nullptr, buffer, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return std::vector<BYTE>(buffer, buffer + size);
}

struct StartCase {
  const char* name;
  DWORD type;
  std::vector<BYTE> bytes;
  int zoomLevel;
  bool topmost;
  const char* why;
};

TEST(StoredSettings, ShapeTheWindowAtStart) {
  const StartCase cases[] = {
      {"ZoomLevel", REG_BINARY, {0x0C, 0x00}, 12, false, "a level above 8 is used as it is"},
      {"ZoomLevel", REG_BINARY, {0x00, 0x00}, 4, false, "0 means the default"},
      {"ZoomLevel", REG_BINARY, std::vector<BYTE>(100, 0x07), 4, false, "too large: missing"},
      {"ZoomLevel", REG_DWORD, {0x02, 0x00, 0x00, 0x00}, 2, false, "the type is not examined"},
      {"ZoomLevel", REG_BINARY, {0x06}, 6, false, "a single byte"},
      {"AlwaysOnTop", REG_BINARY, {0x01, 0x00}, 4, true, "starts topmost"},
  };
  for (const StartCase& c : cases) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane");
    Store(c.name, c.type, c.bytes);
    MessageLoop loop;
    LoopTable::Add(::GetCurrentThreadId(), &loop);
    MainWindow window;
    ASSERT_TRUE(window.Create());
    window.OnIdle();
    EXPECT_EQ(window.ZoomLevel(), c.zoomLevel) << c.why;
    const bool topmost = (::GetWindowLongPtrA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EXPECT_EQ(topmost, c.topmost) << c.why;
    const UINT state = ::GetMenuState(::GetMenu(window.Handle()), ID_ALWAYS_ON_TOP, MF_BYCOMMAND);
    EXPECT_EQ((state & MF_CHECKED) != 0, c.topmost) << c.why;
    LoopTable::Remove(::GetCurrentThreadId());
  }
  ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane");
}

using testing_support::MainWindowTest;

TEST_F(MainWindowTest, AlwaysOnTopIsStoredAtEveryToggleAndTheZoomLevelOnlyByExit) {
  EXPECT_TRUE(Stored("AlwaysOnTop").empty()) << "nothing is written before a save";
  Command(ID_ALWAYS_ON_TOP);
  EXPECT_EQ(Stored("AlwaysOnTop"), (std::vector<BYTE>{0x01, 0x00}));
  Command(ID_ALWAYS_ON_TOP);
  EXPECT_EQ(Stored("AlwaysOnTop"), (std::vector<BYTE>{0x00, 0x00}));
  Command(ID_ZOOM_OUT);
  Command(IDCANCEL);  // hiding does not store the zoom level
  EXPECT_TRUE(Stored("ZoomLevel").empty());
  ::PostMessageA(Window(), WM_COMMAND, ID_APP_EXIT, 0);
  m_loop.Run();
  EXPECT_EQ(Stored("ZoomLevel"), (std::vector<BYTE>{0x03, 0x00}));
}

}  // namespace
}  // namespace tl
