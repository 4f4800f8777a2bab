// The Contrast Checker as the main window opens it: following the current
// colour, typed colours, Swap, suggestions and keeping one, the list's context
// menu, and the keys of its own window.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/colour_text.h"
#include "platform/clipboard.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::ClipboardText;
using testing_support::MainWindowTest;
using testing_support::TextOf;

const ColourValue kNavy = MakeColour(18, 52, 86);
const ColourValue kGrey = MakeColour(0x77, 0x77, 0x77);

class ContrastCheckerTest : public MainWindowTest {
 protected:
  HWND Checker() const { return m_window.Checker().Handle(); }
  std::string Shown(int id) const { return TextOf(::GetDlgItem(Checker(), id)); }
  void Open() {
    Command(ID_CONTRAST_CHECKER);
    ASSERT_TRUE(Checker() && ::IsWindowVisible(Checker()));
  }
  void Type(int box, const char* text) {
    ::SendMessageA(::GetDlgItem(Checker(), box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  void Click(int id, int code = BN_CLICKED) {
    ::SendMessageA(Checker(), WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(Checker(), id)));
  }
  bool FollowTicked() const {
    return ::IsDlgButtonChecked(Checker(), IDC_CHECKER_FOLLOW) == BST_CHECKED;
  }
  // Delivers what is queued, as the message loop would, the filters first.
  void Pump() {
    ::PostQuitMessage(0);
    m_loop.Run();
  }
};

// Text is the current colour and Background white at first, and Text follows
// every change of the current colour, also while the window is closed, until
// the box is unticked; ticking it again brings the current colour back.
TEST_F(ContrastCheckerTest, TextFollowsTheCurrentColourWhileTicked) {
  m_window.ShowColour(kNavy);
  Open();
  EXPECT_EQ(::GetWindow(Checker(), GW_OWNER), Window());
  EXPECT_EQ(TextOf(Checker()), "Contrast Checker");
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT) + " on " + Shown(IDC_CHECKER_BACKGROUND), "#123456 on #ffffff");
  EXPECT_TRUE(FollowTicked());
  EXPECT_EQ(Shown(IDC_CHECKER_RATIO), "Contrast ratio 12.71:1");
  EXPECT_EQ(Shown(IDC_CHECKER_SUGGESTION_1), "Reached");
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Checker(), IDC_CHECKER_SUGGESTION_SWATCH_1)));

  m_window.ShowColour(kGrey);
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT), "#777777");
  EXPECT_EQ(Shown(IDC_CHECKER_RATIO), "Contrast ratio 4.47:1");
  EXPECT_EQ(Shown(IDC_CHECKER_CRITERION_1), "AA (4.5:1): fail");
  EXPECT_EQ(Shown(IDC_CHECKER_CRITERION_3), "large AA (3:1): pass");
  EXPECT_EQ(Shown(IDC_CHECKER_APCA) + ", " + Shown(IDC_CHECKER_APCA_USE),
            "APCA Lc 71.1, Good for: content text");
  EXPECT_EQ(Shown(IDC_CHECKER_VISION_4), "Achromatopsia 4.47:1, AA fail");

  // Closed with Escape's command, it keeps its place and follows on reopening.
  ::SetWindowPos(Checker(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Click(IDCANCEL);
  EXPECT_FALSE(::IsWindowVisible(Checker()));
  m_window.ShowColour(kBlack);
  Open();
  RECT place{};
  ::GetWindowRect(Checker(), &place);
  EXPECT_EQ(place.left * 1000 + place.top, 40050);
  EXPECT_EQ(Shown(IDC_CHECKER_RATIO), "Contrast ratio 21.00:1");

  ::CheckDlgButton(Checker(), IDC_CHECKER_FOLLOW, BST_UNCHECKED);
  Click(IDC_CHECKER_FOLLOW);
  m_window.ShowColour(kNavy);
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT), "#000000");
  ::CheckDlgButton(Checker(), IDC_CHECKER_FOLLOW, BST_CHECKED);
  Click(IDC_CHECKER_FOLLOW);
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT), "#123456");
}

// A box takes any colour the colour text box reads; a text that is not a colour
// changes nothing and says so beside it, with no message box. Typing Text, Swap
// and a suggestion set Text by hand: the box is unticked.
TEST_F(ContrastCheckerTest, TypingSwapAndASuggestionSetTheColoursByHand) {
  m_window.ShowColour(kNavy);
  Open();
  const struct {
    int box;
    const char* typed;
    const char *text, *background, *note, *ratio;
  } cases[] = {
      {IDC_CHECKER_BACKGROUND, "black", "#123456", "#000000", "", "1.65:1"},
      {IDC_CHECKER_TEXT, "rgb(255 0 0)", "#FF0000", "#000000", "", "5.25:1"},
      {IDC_CHECKER_TEXT, "banana", "#FF0000", "#000000", "Not a colour", "5.25:1"},
      {IDC_CHECKER_BACKGROUND, "  ", "#FF0000", "#000000", "", "5.25:1"},
      {IDC_CHECKER_BACKGROUND, "hsl(0 0% 100%)", "#FF0000", "#FFFFFF", "", "3.99:1"},
  };
  for (const auto& c : cases) {
    Type(c.box, c.typed);
    const int note =
        c.box == IDC_CHECKER_TEXT ? IDC_CHECKER_TEXT_NOTE : IDC_CHECKER_BACKGROUND_NOTE;
    EXPECT_EQ(m_window.Checker().TextColour(), *ParseColourText(c.text)) << c.typed;
    EXPECT_EQ(m_window.Checker().BackgroundColour(), *ParseColourText(c.background)) << c.typed;
    EXPECT_EQ(Shown(note), c.note) << c.typed;
    EXPECT_EQ(Shown(IDC_CHECKER_RATIO), std::string("Contrast ratio ") + c.ratio) << c.typed;
    EXPECT_EQ(Shown(c.box), c.typed) << "what the user types stays as typed";
  }
  EXPECT_FALSE(FollowTicked());
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT_NOTE), "Not a colour") << "until the box reads again";

  // Swap exchanges the two: the same ratio, the APCA polarity reversed.
  Type(IDC_CHECKER_TEXT, "#777");
  const std::string lc = Shown(IDC_CHECKER_APCA);
  Click(IDC_CHECKER_SWAP);
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT) + " on " + Shown(IDC_CHECKER_BACKGROUND), "#ffffff on #777777");
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT_NOTE), "");
  EXPECT_EQ(lc + " / " + Shown(IDC_CHECKER_APCA), "APCA Lc 71.1 / APCA Lc -76.6");
  Click(IDC_CHECKER_SWAP);

  // #777 on white fails AA: the darker grey that passes is offered, and a click
  // on it makes it the text colour; Keep puts it on top of the list but not on
  // the clipboard, even with Copy When Kept on.
  EXPECT_EQ(Shown(IDC_CHECKER_SUGGESTION_1), "Lighter: none");
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Checker(), IDC_CHECKER_SUGGESTION_SWATCH_1)));
  EXPECT_EQ(Shown(IDC_CHECKER_SUGGESTION_2), "Darker #767676 4.54:1");
  Click(IDC_CHECKER_SUGGESTION_SWATCH_2, STN_CLICKED);
  EXPECT_EQ(Shown(IDC_CHECKER_TEXT), "#767676");
  EXPECT_EQ(Shown(IDC_CHECKER_CRITERION_1), "AA (4.5:1): pass");
  EXPECT_EQ(Shown(IDC_CHECKER_SUGGESTION_1), "Reached");
  Command(ID_COPY_WHEN_KEPT);
  CopyTextToClipboard(Window(), "left alone");
  Click(IDC_CHECKER_KEEP);
  EXPECT_EQ(ListColours(), std::vector<ColourValue>{0x767676});
  EXPECT_TRUE(m_window.ColourListModel().Modified());
  EXPECT_EQ(ClipboardText(), "left alone");
}

// A right-click on an entry selects it and shows the list's menu, and so does
// the menu key for the selected entry; its items act on that entry. The menu's
// keys are queued before it opens, as a user's would be.
TEST_F(ContrastCheckerTest, TheListMenuActsOnTheEntryRightClicked) {
  const struct {
    bool fromKeyboard;
    UINT firstKey;  // Down: the first item, Delete; Up: the last, Use as Background
    std::vector<ColourValue> list;
    ColourValue current;  // the entry right-clicked, or the one after the deleted one
  } cases[] = {
      {false, VK_UP, {kGrey, kNavy}, kNavy},
      {false, VK_DOWN, {kGrey}, kGrey},
      {true, VK_UP, {kGrey, kNavy}, kNavy},
  };
  const HWND list = Item(IDC_COLOUR_LIST);
  Show();
  for (const auto& c : cases) {
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    Pick(kNavy);
    Pick(kGrey);
    m_window.ShowColour(kBlack);
    if (Checker()) Click(IDCANCEL);
    LPARAM at = MAKELPARAM(-1, -1);
    if (c.fromKeyboard) {
      ::SendMessageA(list, LB_SETCURSEL, 1, 0);
      Command(IDC_COLOUR_LIST, LBN_SELCHANGE, list);
    } else {
      RECT entry{};
      ::SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&entry));
      POINT point{entry.left + 5, entry.top + 2};
      ::ClientToScreen(list, &point);
      at = MAKELPARAM(point.x, point.y);
    }
    for (UINT key : {c.firstKey, static_cast<UINT>(VK_RETURN)}) {
      ::PostMessageA(list, WM_KEYDOWN, key, 0);
      ::PostMessageA(list, WM_KEYUP, key, 0xC0000000);
    }
    ::SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), at);
    Pump();
    EXPECT_EQ(ListColours(), c.list) << c.fromKeyboard << c.firstKey;
    EXPECT_EQ(m_window.CurrentColour(), c.current) << c.fromKeyboard << c.firstKey;
    const bool used = c.firstKey == VK_UP;
    EXPECT_EQ(Checker() && ::IsWindowVisible(Checker()), used) << "Use as Background opens it";
    if (used) {
      EXPECT_EQ(Shown(IDC_CHECKER_BACKGROUND), "#123456") << c.fromKeyboard;
    }
  }
}

// Keys typed into the checker are its own: the main window's Ctrl+C does not
// take them, and Escape closes the checker, not the main window.
TEST_F(ContrastCheckerTest, KeysInItsWindowAreItsOwn) {
  ::ShowWindow(Window(), SW_SHOW);
  m_window.ShowColour(kNavy);
  Open();
  const HWND box = ::GetDlgItem(Checker(), IDC_CHECKER_TEXT);
  ::SetFocus(box);
  ::SendMessageA(box, EM_SETSEL, 0, -1);
  CopyTextToClipboard(Window(), "left alone");
  const auto press = [&](UINT key, bool control) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageA(box, WM_KEYDOWN, key, 0);
    Pump();
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
  };
  press('C', true);
  EXPECT_EQ(ClipboardText(), "#123456");
  press(VK_ESCAPE, false);
  EXPECT_FALSE(::IsWindowVisible(Checker()));
  EXPECT_TRUE(::IsWindowVisible(Window()));
}

}  // namespace
}  // namespace tl
