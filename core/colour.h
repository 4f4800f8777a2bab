#pragma once
// The colour value and its text notations. Portable: no window system here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tl {

// 0x00BBGGRR, the layout the Win32 graphics calls take (COLORREF). Top byte 0.
using ColourValue = std::uint32_t;

constexpr unsigned RedOf(ColourValue c) { return c & 0xFFu; }
constexpr unsigned GreenOf(ColourValue c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(ColourValue c) { return (c >> 16) & 0xFFu; }
constexpr ColourValue MakeColour(unsigned r, unsigned g, unsigned b) {
  return ((b & 0xFFu) << 16) | ((g & 0xFFu) << 8) | (r & 0xFFu);
}

constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kBlack = 0x000000;

// Notation ids, as the format box maps its rows to them.
constexpr int kNotationInteger = 0;
constexpr int kNotationRgb = 1;
constexpr int kNotationCpp = 100;
constexpr int kNotationHtml = 101;
constexpr int kNotationFlash = 102;
constexpr int kNotationVb = 103;
constexpr int kNotationDelphi = 104;
constexpr int kNotationRgbFloat = 105;
constexpr int kNotationCssRgb = 106;
constexpr int kNotationCssHsl = 107;
constexpr int kNotationHsv = 108;
constexpr int kNotationOklch = 109;
constexpr int kNotationOklab = 110;
constexpr int kNotationCieLab = 111;
constexpr int kNotationCieLch = 112;
constexpr int kNotationCssName = 113;

struct Notation {
  int id;
  const char* name;         // shown in the format box exactly so (some end in a blank)
  const char* consoleName;  // what the console tool's --format takes
};

// Row order is the format box order; never sort it. New notations go after the
// first eight, which stored settings and users' habits rely on.
constexpr std::array<Notation, 16> kNotationTable{{
    {kNotationInteger, "Integer", "integer"},
    {kNotationCpp, "C++ (0xFFFFFF)", "cpp"},
    {kNotationHtml, "HTML ", "html"},
    {kNotationFlash, "Flash ", "flash"},
    {kNotationVb, "VB ", "vb"},
    {kNotationDelphi, "Delphi", "delphi"},
    {kNotationRgb, "RGB (Red,Green,Blue)", "rgb"},
    {kNotationRgbFloat, "RGB Float (Red,Green,Blue)", "rgbfloat"},
    {kNotationCssRgb, "CSS rgb()", "css-rgb"},
    {kNotationCssHsl, "CSS hsl()", "css-hsl"},
    {kNotationHsv, "HSV", "hsv"},
    {kNotationOklch, "OKLCH", "oklch"},
    {kNotationOklab, "Oklab", "oklab"},
    {kNotationCieLab, "CIE Lab", "lab"},
    {kNotationCieLch, "CIE LCH", "lch"},
    {kNotationCssName, "CSS name", "name"},
}};

// Row of the notation with this id, or -1 when the id is not in the table.
int NotationRowOf(int id);
// Row of the notation with this console name in any case, or -1.
int NotationRowOfConsoleName(std::string_view consoleName);

// Hue, and saturation and lightness (HSL) or value (HSV), from the hexcone model,
// each rounded as the CSS hsl() and HSV notations show them.
struct HueAndShade {
  unsigned hue;  // whole degrees, 0..359
  unsigned saturation;
  unsigned lightOrValue;  // whole percents
};
HueAndShade HueAndShadeOf(ColourValue colour, bool hsl);

// The colour as text in a notation; an id outside the table gives "".
std::string NotationText(ColourValue colour, int notationId);

// "R, G, B" in decimal: the text of a colour list entry.
std::string ColourListEntryText(ColourValue colour);

// "R", separator, red, " G", separator, green, " B", separator, blue.
std::string RgbPartsText(ColourValue colour, const char* separator);
// "R: %d G: %d B: %d" for the RGB label.
std::string RgbLabelText(ColourValue colour);

// "Zoom Level: %d" for the zoom label.
std::string ZoomLabelText(int zoomLevel);

// "X: %d Y: %d" for the position label: where the last sample was taken.
std::string PositionLabelText(int x, int y);

// Black or white, whichever has the higher WCAG 2 contrast ratio with the colour
// (white on a tie): the text colour of a colour list entry.
ColourValue TextColourFor(ColourValue background);

}  // namespace tl
