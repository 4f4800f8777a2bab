// What the program's own controls paint, read back pixel by pixel.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "ui/colour_list_box.h"
#include "platform/module.h"
#include "tests/win/win_test_support.h"
#include "ui/framed_fill_static.h"
#include "ui/image_button.h"
#include "ui/picker_icon_static.h"

namespace tl {
namespace {

using testing_support::MainWindowTest;
using testing_support::Surface;
using testing_support::ControlHost;

struct EntryCase {
  ColourValue colour;
  ColourValue text;
  ColourValue frame;  // when focused: the complementary colour
};

TEST_F(MainWindowTest, ListEntriesAreBarsInTheirColourWithReadableTextAndAFocusFrame) {
  const EntryCase cases[] = {
      {kWhite, kBlack, kBlack},
      {kBlack, kWhite, kWhite},
      {MakeColour(255, 0, 255), kBlack, MakeColour(0, 255, 0)},
      {MakeColour(128, 128, 128), kBlack, MakeColour(127, 127, 127)},
      {MakeColour(127, 127, 127), kWhite, MakeColour(128, 128, 128)},
  };
  const HWND list = Item(IDC_COLOUR_LIST);
  const int width = 120, height = 16;
  for (const EntryCase& c : cases) {
    Pick(c.colour);
    for (bool focused : {false, true}) {
      Surface surface(width, height);
      DRAWITEMSTRUCT item{};
      item.CtlType = ODT_LISTBOX;
      item.CtlID = IDC_COLOUR_LIST;
      item.itemID = 0;
      item.itemAction = ODA_DRAWENTIRE;
      item.itemState = focused ? ODS_FOCUS | ODS_SELECTED : 0;
      item.hwndItem = list;
      item.hDC = surface.Get();
      item.rcItem = {0, 0, width, height};
      item.itemData = c.colour;
      // Through the main window, as the list box's own drawing request arrives.
      ::SendMessageA(Window(), WM_DRAWITEM, IDC_COLOUR_LIST, reinterpret_cast<LPARAM>(&item));

      EXPECT_EQ(surface.Pixel(1, 1), c.colour) << std::hex << c.colour;
      EXPECT_EQ(surface.Pixel(0, 0), focused ? c.frame : c.colour) << std::hex << c.colour;
      EXPECT_EQ(surface.Pixel(width - 1, height - 1), focused ? c.frame : c.colour);
      if (!focused) {
        int textPixels = 0;
        for (int y = 0; y < height; ++y) {
          for (int x = 0; x < width; ++x) textPixels += surface.Pixel(x, y) == c.text;
        }
        EXPECT_GT(textPixels, 10) << "text in " << std::hex << c.text << " on " << c.colour;
      }
    }
  }
}

TEST_F(ControlHost, FramedFillStaticPaintsColourPictureOrGreyInsideABlackFrame) {
  const HWND control = AddControl("STATIC", SS_BLACKFRAME, 1008, 60, 40);
  FramedFillStatic fill;
  ASSERT_TRUE(fill.Attach(control));

  fill.useBitmap = 0;
  fill.fillColour = 0xFF0000;  // blue
  EXPECT_EQ(ScreenPixel(control, 1, 1), 0xFF0000u);
  EXPECT_EQ(ScreenPixel(control, 58, 38), 0xFF0000u);
  EXPECT_EQ(ScreenPixel(control, 0, 0), 0u);
  EXPECT_EQ(ScreenPixel(control, 59, 39), 0u);

  fill.useBitmap = 1;  // no picture yet: light grey
  EXPECT_EQ(ScreenPixel(control, 30, 20), FramedFillStatic::kNoPictureColour);
  EXPECT_EQ(ScreenPixel(control, 59, 20), 0u);

  // A picture is copied one to one from its top-left corner.
  Surface picture(60, 40);
  picture.Fill(0x00FF00, {0, 0, 60, 40});
  picture.Fill(0x0000FF, {0, 0, 3, 3});
  const WindowDC screen;
  const GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(screen.Get(), 60, 40));
  {
    const MemoryDC target(screen.Get());
    const SelectGuard select(target.Get(), bitmap.Get());
    ::BitBlt(target.Get(), 0, 0, 60, 40, picture.Get(), 0, 0, SRCCOPY);
  }
  fill.bitmap = bitmap.Get();
  EXPECT_EQ(ScreenPixel(control, 2, 2), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(control, 3, 3), 0x00FF00u);
  EXPECT_EQ(ScreenPixel(control, 0, 2), 0u) << "the frame covers the picture's edge";
}

TEST_F(ControlHost, PickerIconShowsASunkenFrameOnlyWhileDragging) {
  const HWND control = AddControl("STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE, 1019,
                                  30, 30);
  ::SendMessageA(control, STM_SETICON,
                 reinterpret_cast<WPARAM>(::LoadIconA(Module::Instance(), MAKEINTRESOURCEA(IDI_PICKER))), 0);
  PickerIconStatic icon;
  ASSERT_TRUE(icon.Attach(control));
  const COLORREF background = ScreenPixel(control, 0, 0, m_parent);
  icon.dragFrame = true;
  EXPECT_EQ(ScreenPixel(control, 0, 0), 0x808080u);
  EXPECT_EQ(ScreenPixel(control, 15, 0), 0x808080u);
  EXPECT_EQ(ScreenPixel(control, 29, 0), 0xFFFFFFu) << "grey stops one short of the corner";
  EXPECT_EQ(ScreenPixel(control, 0, 29), 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(control, 29, 29), 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(control, 8, 23), 0u) << "the eyedropper's needle at the icon's tip";
  icon.dragFrame = false;  // the drag's end repaints the parent's area under the icon
  EXPECT_EQ(ScreenPixel(control, 0, 0, m_parent), background);
}

TEST_F(ControlHost, ImageButtonRaisedAtRestSunkenAndShiftedWhilePressed) {
  const HWND control = AddControl("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, IDC_DELETE_BUTTON, 27, 28);
  ImageButton button;
  ASSERT_TRUE(button.Attach(control));
  EXPECT_EQ(::GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  button.SetExtendedStyle(ImageButton::Edge3DDouble | ImageButton::SharedImageList);
  button.SetTooltipText("Delete");
  const HIMAGELIST images = ImageList_LoadImageA(Module::Instance(), MAKEINTRESOURCEA(IDB_DELETE),
                                                 30, 1, 0xFF00FF, IMAGE_BITMAP, 0);
  ASSERT_NE(images, nullptr);
  button.SetImageList(images);
  button.SetNormalImage(0);
  RECT client{};
  ::GetClientRect(control, &client);
  EXPECT_EQ(client.right, 27) << "a shared list with no AutoSize keeps the template size";

  const COLORREF lightEdge = ::GetSysColor(COLOR_3DLIGHT), outerHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), darkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
  const COLORREF crossRed = 0x000080;  // the cross's first pixel is at (6, 6) of the picture
  struct State {
    bool pressed;
    COLORREF topLeft, bottomRight;
    int crossAt;
  };
  for (const State& s : {State{false, lightEdge, darkShadow, 6}, State{true, shadow, outerHighlight, 7}}) {
    if (s.pressed) ::SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(button.Pressed(), s.pressed);
    Surface surface(27, 28);
    surface.Fill(0x123456, {0, 0, 27, 28});
    ::SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Get()), PRF_CLIENT);
    EXPECT_EQ(surface.Pixel(0, 0), s.topLeft) << s.pressed;
    EXPECT_EQ(surface.Pixel(26, 27), s.bottomRight) << s.pressed;
    EXPECT_EQ(surface.Pixel(s.crossAt, s.crossAt), crossRed) << s.pressed;
    EXPECT_EQ(surface.Pixel(s.crossAt + 3, s.crossAt), 0x123456u)
        << "magenta is transparent: the background shows";
  }
  ::SendMessageA(control, WM_KEYUP, VK_SPACE, 0);
  EXPECT_FALSE(button.Pressed());
}

}  // namespace
}  // namespace tl
