// The main window's typed colours, sliders in any model, the format box and the
// Formats dialog, driven by messages as the user's keys and clicks send them.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "core/slider_model.h"
#include "settings/global_hotkeys.h"
#include "tests/win/win_test_support.h"

namespace tl {
namespace {

using testing_support::ClipboardText;
using testing_support::MainWindowTest;
using testing_support::TextOf;

const ColourValue kSample = MakeColour(18, 52, 86);

// A stored setting's bytes, or "" when it is not there.
std::string Stored(const char* name) {
  char data[256] = {};
  DWORD size = sizeof data;
  if (::RegGetValueA(HKEY_CURRENT_USER, "Software\\Quorvane\\Tintlens", name, RRF_RT_ANY, nullptr,
                     data, &size) != ERROR_SUCCESS) {
    return "";
  }
  return std::string(data, size);
}

// The text of the balloon the thread shows, or "" when none is shown.
BOOL CALLBACK FindShownTooltip(HWND window, LPARAM found) {
  char className[32] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (std::string(className) != TOOLTIPS_CLASSA || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<std::string*>(found) = TextOf(window);
  return FALSE;
}

std::string BalloonText() {
  std::string text;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindShownTooltip, reinterpret_cast<LPARAM>(&text));
  return text;
}

// The thread's shown window captioned "Formats".
BOOL CALLBACK FindFormatsDialog(HWND window, LPARAM found) {
  char caption[32] = {};
  ::GetWindowTextA(window, caption, sizeof caption);
  if (std::string(caption) != "Formats" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

class ModelsWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ::ShowWindow(Window(), SW_SHOW);
    ::SetForegroundWindow(Window());
  }
  void Choose(int boxId, int row) {
    ::SendMessageA(Item(boxId), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    Command(boxId, CBN_SELCHANGE, Item(boxId));
  }
  // What the user types into a box, then Enter or the focus going to the list.
  void Type(int boxId, const char* text, bool enter) {
    ::SetFocus(Item(boxId));
    ::SetWindowTextA(Item(boxId), text);
    if (enter) Command(IDOK);
    else ::SetFocus(Item(IDC_COLOUR_LIST));
  }
  void Key(int sliderId, WPARAM key) {
    ::SendMessageA(Item(sliderId), WM_KEYDOWN, key, 0);
    ::SendMessageA(Item(sliderId), WM_KEYUP, key, 0);
  }
  LRESULT Position(int sliderId) { return ::SendMessageA(Item(sliderId), TBM_GETPOS, 0, 0); }
  // Runs the Formats dialog, with `drive` working it from another thread as the
  // user would; then OK.
  void InFormatsDialog(const std::function<void(HWND)>& drive) {
    const DWORD thread = ::GetCurrentThreadId();
    std::thread user([&] {
      HWND dialog = nullptr;
      for (int waited = 0; waited < 20000 && !dialog; waited += 20) {
        ::EnumThreadWindows(thread, FindFormatsDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) ::Sleep(20);
      }
      if (!dialog) return;
      drive(dialog);
      ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(ID_FORMATS);
    user.join();
  }
};

// Enter, or the focus leaving after an edit, makes a typed colour current; text
// that is no colour stays, changes nothing and says why in a balloon.
TEST_F(ModelsWindowTest, ATypedColourBecomesCurrentAndOtherTextSaysWhyNot) {
  const struct {
    const char* text;  // nullptr: the focus comes and goes without an edit
    bool enter;
    int notationRow;
    ColourValue current;
    const char *shown, *balloon;
  } cases[] = {
      {"steelblue", true, 6, MakeColour(70, 130, 180), "70, 130, 180", ""},
      {" #123456 ", false, 6, kSample, "18, 52, 86", ""},
      {"HSL(0, 100%, 50%)", true, 2, MakeColour(255, 0, 0), "#ff0000", ""},
      {"nonsense", true, 6, kWhite, "nonsense", "Not a colour: nonsense"},
      {"rgb(1, 2", false, 6, kWhite, "rgb(1, 2", "Not a colour: rgb(1, 2"},
      // The program's own text is not the user's: the nearest name is not taken.
      {nullptr, false, 15, kWhite, "white", ""},
      {nullptr, false, 15, kSample, "~midnightblue", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text ? c.text : c.shown);
    Choose(IDC_FORMAT_BOX, c.notationRow);
    m_window.ShowColour(c.text ? kWhite : c.current);
    if (c.text) {
      Type(IDC_COLOUR_TEXT, c.text, c.enter);
    } else {
      ::SetFocus(Item(IDC_COLOUR_TEXT));
      ::SetFocus(Item(IDC_COLOUR_LIST));
    }
    EXPECT_EQ(m_window.CurrentColour(), c.current);
    EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), c.shown);
    EXPECT_EQ(BalloonText(), c.balloon);
    EXPECT_TRUE(ListColours().empty()) << "nothing is kept";
  }
}

// Arrow keys, Page Up and Down, Home, End and the wheel move the colour with the
// slider, as the thumb does.
TEST_F(ModelsWindowTest, EveryWayOfMovingASliderMovesTheColour) {
  const struct {
    WPARAM key;
    LRESULT green;
  } cases[] = {{VK_RIGHT, 53},     {VK_LEFT, 51},       {VK_DOWN, 53}, {VK_UP, 51},
               {VK_NEXT, 52 + 51}, {VK_PRIOR, 52 - 51}, {VK_HOME, 0},  {VK_END, 255}};
  for (const auto& c : cases) {
    m_window.ShowColour(kSample);
    Key(IDC_GREEN_SLIDER, c.key);
    EXPECT_EQ(Position(IDC_GREEN_SLIDER), c.green) << c.key;
    EXPECT_EQ(m_window.CurrentColour(), MakeColour(18, static_cast<unsigned>(c.green), 86))
        << c.key;
    EXPECT_EQ(TextOf(Item(IDC_SLIDER_VALUE_2)), std::to_string(c.green)) << c.key;
  }
  // The wheel over the slider: a notch moves it a line, down for a turn away
  // from the user, as its Up key does.
  Command(IDC_MODE_BUTTON, BN_CLICKED, Item(IDC_MODE_BUTTON));  // the advanced layout shows them
  RECT slider{};
  ::GetWindowRect(Item(IDC_GREEN_SLIDER), &slider);
  const LPARAM over =
      MAKELPARAM((slider.left + slider.right) / 2, (slider.top + slider.bottom) / 2);
  for (const auto& [delta, green] : {std::pair{WHEEL_DELTA, 51}, std::pair{-2 * WHEEL_DELTA, 54}}) {
    m_window.ShowColour(kSample);
    ::SendMessageA(Item(IDC_GREEN_SLIDER), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), over);
    EXPECT_EQ(Position(IDC_GREEN_SLIDER), green) << delta;
    EXPECT_EQ(m_window.CurrentColour(), MakeColour(18, static_cast<unsigned>(green), 86)) << delta;
  }
}

// Each model names and spans its parts, places the colour, keeps a grey's hue,
// takes typed values, and is what the next start shows.
TEST_F(ModelsWindowTest, TheSliderModelRenamesAndRespansTheSlidersAndIsKept) {
  const int labels[] = {IDC_SLIDER_LABEL_1, IDC_SLIDER_LABEL_2, IDC_SLIDER_LABEL_3};
  const int sliders[] = {IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER};
  const int values[] = {IDC_SLIDER_VALUE_1, IDC_SLIDER_VALUE_2, IDC_SLIDER_VALUE_3};
  EXPECT_EQ(Stored("SliderModel"), "") << "the default is not stored";
  m_window.ShowColour(kSample);
  const struct {
    int row;
    const char* group;
    const char* parts[3];
    const char* shown[3];
    LRESULT spans[3];
  } cases[] = {
      {1, "HSL Values", {"Hue", "Saturation", "Lightness"}, {"210", "65", "20"}, {359, 100, 100}},
      {2, "HSV Values", {"Hue", "Saturation", "Value"}, {"210", "79", "34"}, {359, 100, 100}},
      {3, "OKLCH Values", {"Lightness", "Chroma", "Hue"}, {"32", "0.072", "251"}, {100, 370, 359}},
      {0, "RGB Values", {"Red", "Green", "Blue"}, {"18", "52", "86"}, {255, 255, 255}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.group);
    Choose(IDC_SLIDER_MODEL, c.row);
    EXPECT_EQ(TextOf(Item(IDC_RGB_GROUP)), c.group);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(TextOf(Item(labels[i])), c.parts[i]);
      EXPECT_EQ(TextOf(Item(values[i])), c.shown[i]);
      EXPECT_EQ(::SendMessageA(Item(sliders[i]), TBM_GETRANGEMAX, 0, 0), c.spans[i]);
    }
    EXPECT_EQ(Stored("SliderModel"), std::string({static_cast<char>(c.row), 0}));
    EXPECT_EQ(m_window.CurrentColour(), kSample) << "a model changes no colour";
  }

  // HSL: hue 210, saturation 65, lightness 20.4 exactly; a slider moved leaves
  // the other parts where they are exactly, not at their sliders' rounding.
  Choose(IDC_SLIDER_MODEL, 1);
  Key(IDC_GREEN_SLIDER, VK_HOME);
  EXPECT_EQ(m_window.CurrentColour(), MakeColour(52, 52, 52));
  m_window.ShowColour(MakeColour(51, 51, 51));  // a grey picked: the hue stays
  EXPECT_EQ(Position(IDC_RED_SLIDER), 210);
  Key(IDC_GREEN_SLIDER, VK_END);
  EXPECT_EQ(m_window.CurrentColour(), MakeColour(0, 51, 102)) << "hsl(210, 100%, 20%)";
  Type(IDC_SLIDER_VALUE_1, "120", true);
  EXPECT_EQ(m_window.CurrentColour(), MakeColour(0, 102, 0));
  EXPECT_EQ(Position(IDC_RED_SLIDER), 120);
  Type(IDC_SLIDER_VALUE_1, "abc", false);
  EXPECT_EQ(m_window.CurrentColour(), MakeColour(0, 102, 0));
  EXPECT_EQ(TextOf(Item(IDC_SLIDER_VALUE_1)), "120") << "the slider's value again";

  GlobalHotkeys::Unregister(Window());  // as its Exit does, for the next start's
  MainWindow next;
  ASSERT_TRUE(next.Create(m_loop));
  EXPECT_EQ(TextOf(::GetDlgItem(next.Handle(), IDC_SLIDER_LABEL_3)), "Lightness");
  EXPECT_EQ(::SendDlgItemMessageA(next.Handle(), IDC_SLIDER_MODEL, CB_GETCURSEL, 0, 0), 1);
}

int TextWidth(HWND window, const std::string& text) {
  const HDC dc = ::GetDC(window);
  const HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return size.cx;
}

// Formats are added (a bad template refused, naming its token), chosen, copied,
// moved and removed; the chosen one is followed, and RGB when it goes.
TEST_F(ModelsWindowTest, TheFormatsDialogAddsMovesAndRemovesFormatsOfOnesOwn) {
  const HWND box = Item(IDC_FORMAT_BOX);
  m_window.ShowColour(kSample);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(box, &info));
  EXPECT_GE(info.rcItem.right - info.rcItem.left, TextWidth(box, "RGB (Red,Green,Blue)"))
      << "the chosen entry whole";
  EXPECT_GE(::SendMessageA(box, CB_GETDROPPEDWIDTH, 0, 0),
            TextWidth(box, "RGB Float (Red,Green,Blue)"));

  std::string previews[2];
  LRESULT counts[2] = {};
  InFormatsDialog([&](HWND dialog) {
    auto set = [&](int id, const char* text) {
      ::SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    };
    auto add = [&] { ::SendMessageA(dialog, WM_COMMAND, IDC_FORMAT_ADD, 0); };
    set(IDC_FORMAT_NAME, "Hex");
    set(IDC_FORMAT_TEMPLATE, "{nope}");
    add();
    previews[0] = TextOf(::GetDlgItem(dialog, IDC_FORMAT_PREVIEW));
    counts[0] = ::SendDlgItemMessageA(dialog, IDC_FORMAT_LIST, LB_GETCOUNT, 0, 0);
    set(IDC_FORMAT_TEMPLATE, "#{rx}{gx}{bx}");
    previews[1] = TextOf(::GetDlgItem(dialog, IDC_FORMAT_PREVIEW));
    add();
    set(IDC_FORMAT_NAME, "Upper hex without a sign, a long name");
    set(IDC_FORMAT_TEMPLATE, "{RX}{GX}{BX}");
    add();
    counts[1] = ::SendDlgItemMessageA(dialog, IDC_FORMAT_LIST, LB_GETCOUNT, 0, 0);
  });
  EXPECT_EQ(previews[0], "The template has unknown token '{nope}'.");
  EXPECT_EQ(previews[1], "#123456") << "the current colour, live";
  EXPECT_EQ(counts[0], 0) << "refused";
  EXPECT_EQ(counts[1], 2);
  EXPECT_EQ(::SendMessageA(box, CB_GETCOUNT, 0, 0),
            static_cast<LRESULT>(kNotationTable.size()) + 2);
  EXPECT_EQ(Stored("CustomFormats"),
            std::string(
                "Hex\t#{rx}{gx}{bx}\0Upper hex without a sign, a long name\t{RX}{GX}{BX}\0\0", 70));
  EXPECT_GE(::SendMessageA(box, CB_GETDROPPEDWIDTH, 0, 0),
            TextWidth(box, "Upper hex without a sign, a long name"));

  Choose(IDC_FORMAT_BOX, 17);
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "123456");
  EXPECT_EQ(Stored("Notation"), std::string("\xE9\x03", 2)) << "1001";
  Command(ID_COPY_WHEN_KEPT);
  Pick(kSample);
  EXPECT_EQ(ClipboardText(), "123456") << "Copy When Kept in the chosen format";

  InFormatsDialog([](HWND dialog) {  // the chosen one up, to the first place
    ::SendDlgItemMessageA(dialog, IDC_FORMAT_LIST, LB_SETCURSEL, 1, 0);
    ::SendMessageA(dialog, WM_COMMAND, IDC_FORMAT_UP, 0);
  });
  EXPECT_EQ(::SendMessageA(box, CB_GETCURSEL, 0, 0), 16);
  EXPECT_EQ(Stored("Notation"), std::string("\xE8\x03", 2)) << "1000, still the same format";
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "123456");

  InFormatsDialog([](HWND dialog) {  // and removed
    ::SendDlgItemMessageA(dialog, IDC_FORMAT_LIST, LB_SETCURSEL, 0, 0);
    ::SendMessageA(dialog, WM_COMMAND, IDC_FORMAT_REMOVE, 0);
  });
  EXPECT_EQ(::SendMessageA(box, CB_GETCOUNT, 0, 0),
            static_cast<LRESULT>(kNotationTable.size()) + 1);
  EXPECT_EQ(::SendMessageA(box, CB_GETCURSEL, 0, 0), NotationRowOf(kNotationRgb));
  EXPECT_EQ(TextOf(Item(IDC_COLOUR_TEXT)), "18, 52, 86");
  EXPECT_EQ(Stored("Notation"), std::string("\x01\x00", 2));
  EXPECT_EQ(Stored("CustomFormats"), std::string("Hex\t#{rx}{gx}{bx}\0\0", 19));
}

}  // namespace
}  // namespace tl
