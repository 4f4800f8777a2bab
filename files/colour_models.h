#pragma once
// The colour models swatch files store, turned into the sRGB colour the list keeps.
// Every function takes any input, NaN and infinities included, and gives a valid
// colour: out-of-range components are clamped, NaN counts as 0.

#include "core/colour.h"

namespace tl {

// round(v x 255), clamped to 0..255.
unsigned UnitToByte(double v);

// 0 black .. 1 white.
ColourValue FromGray(double level);
// Ink amounts 0..1.
ColourValue FromCmyk(double c, double m, double y, double k);
// Hue in degrees (any, taken round the circle), saturation and brightness 0..1.
ColourValue FromHsb(double hue, double saturation, double brightness);
// CIE L*a*b* under D50 (L 0..100), as the print world stores it: adapted to D65
// with the Bradford transform, then encoded as sRGB.
ColourValue FromLab(double l, double a, double b);

}  // namespace tl
