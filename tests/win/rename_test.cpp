// Naming list entries: Edit > Rename Colour..., F2 in the list and the list's
// Rename..., through the real dialog driven as a user would.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cwchar>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::DialogDriver;
using testing_support::MainWindowTest;
using testing_support::TextOf;

const ColourValue kSample = MakeColour(18, 52, 86);

class RenameTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ::ShowWindow(Window(), SW_SHOW);
    ::SetForegroundWindow(Window());
    Pick(kWhite);
    Pick(kSample);
    ::SendMessageA(Item(IDC_COLOUR_LIST), LB_SETCURSEL, 0, 0);
  }

  // What the dialog showed as it opened: its name, and the part selected.
  struct Shown {
    std::wstring name;
    DWORD selectionStart = 0, selectionEnd = 0;
    std::string caption;
  };
  // Runs `how`; in the dialog it shows, types `typed` over the name and presses
  // OK, or Escape when `typed` is null. Nothing when no dialog came.
  std::optional<Shown> Rename(const std::function<void()>& how, const wchar_t* typed) {
    Shown shown;
    const bool came = DialogDriver::Run(Window(), how, [&](HWND dialog) {
      const HWND edit = ::GetDlgItem(dialog, IDC_RENAME_NAME);
      wchar_t text[300] = {};
      ::SendMessageW(edit, WM_GETTEXT, 300, reinterpret_cast<LPARAM>(text));
      shown.name = text;
      ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&shown.selectionStart),
                     reinterpret_cast<LPARAM>(&shown.selectionEnd));
      shown.caption = TextOf(dialog);
      if (typed) {
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      } else {
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"never kept"));
        ::PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
      }
    });
    if (!came) return std::nullopt;
    return shown;
  }
  std::string EntryText(int index) {
    char entry[128] = {};
    ::SendMessageA(Item(IDC_COLOUR_LIST), LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry));
    return entry;
  }
  // The key as the message loop's filter sees it, with the focus on `focus`.
  void Press(HWND focus, UINT key) {
    ::SetFocus(focus);
    BYTE keys[256] = {};
    ::SetKeyboardState(keys);
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    if (!m_window.PreTranslateMessage(message)) ::DispatchMessageA(&message);
  }
  bool RenameGreyed() {
    const HMENU bar = ::GetMenu(Window());
    const HMENU edit = ::GetSubMenu(bar, 1);
    ::SendMessageA(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit),
                   MAKELPARAM(1, FALSE));
    return (::GetMenuState(edit, ID_RENAME_COLOUR, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
};

// OK names the entry with what was typed, less the spaces at either end; Escape
// keeps the name; spaces alone remove it. A name in any script survives, the
// other entry and the selection stay, and every change is a change of the list.
TEST_F(RenameTest, TheDialogNamesTheSelectedEntryAndEscapeOrAnEmptyNameDoWhatTheySay) {
  const struct {
    const wchar_t* typed;  // null: Escape
    const wchar_t* shown;  // the name as the dialog opens, all of it selected
    const char* entry;
    bool changed;
  } cases[] = {
      {L"Brand blue", L"", "Brand blue (18, 52, 86)", true},
      {nullptr, L"Brand blue", "Brand blue (18, 52, 86)", false},
      {L"  \x41d\x43e\x447\x44c \x591c ", L"Brand blue",
       "\xD0\x9D\xD0\xBE\xD1\x87\xD1\x8C \xE5\xA4\x9C (18, 52, 86)", true},
      {L"Brand blue", L"\x41d\x43e\x447\x44c \x591c", "Brand blue (18, 52, 86)", true},
      {L"   ", L"Brand blue", "18, 52, 86", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    const std::uint64_t before = m_window.ColourListModel().Generation();
    const std::optional<Shown> shown = Rename([&] { Command(ID_RENAME_COLOUR); }, c.typed);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->caption, "Rename Colour");
    EXPECT_EQ(shown->name, c.shown);
    EXPECT_EQ(shown->selectionStart, 0u);
    EXPECT_EQ(shown->selectionEnd, std::wcslen(c.shown));
    EXPECT_EQ(EntryText(0), c.entry);
    EXPECT_EQ(EntryText(1), "255, 255, 255");
    EXPECT_EQ(::SendMessageA(Item(IDC_COLOUR_LIST), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(m_window.ColourListModel().Generation() != before, c.changed);
  }
  EXPECT_EQ(m_window.ColourListModel().Names(), std::vector<std::string>{""});
}

// F2 renames in the list only, where the menu item stands ungreyed; the list's
// context menu offers Rename... too.
TEST_F(RenameTest, F2RenamesOnlyInTheListAndTheContextMenuRenamesToo) {
  const HWND list = Item(IDC_COLOUR_LIST);
  EXPECT_FALSE(RenameGreyed());
  EXPECT_FALSE(Rename([&] { Press(Item(IDC_COLOUR_TEXT), VK_F2); }, L"no"));
  EXPECT_TRUE(Rename([&] { Press(list, VK_F2); }, L"by key"));
  EXPECT_EQ(EntryText(0), "by key (18, 52, 86)");

  // Delete, then Rename...
  ::SendMessageA(list, LB_SETCURSEL, 1, 0);
  for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
    ::PostMessageA(list, WM_KEYDOWN, key, 0);
    ::PostMessageA(list, WM_KEYUP, key, 0xC0000000);
  }
  const auto menuKey = [&] {
    ::SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    MSG message;  // the menu posts its command
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
  };
  EXPECT_TRUE(Rename(menuKey, L"White"));
  EXPECT_EQ(EntryText(1), "White (255, 255, 255)");

  ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_TRUE(RenameGreyed());
  EXPECT_FALSE(Rename([&] { Press(list, VK_F2); }, L"nothing selected"));
  EXPECT_FALSE(Rename([&] { Command(ID_RENAME_COLOUR); }, L"nothing selected"));
  EXPECT_EQ(m_window.ColourListModel().Names(), (std::vector<std::string>{"by key", "White"}));
}

}  // namespace
}  // namespace tl
