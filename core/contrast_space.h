#pragma once
// The few colour-space steps the contrast maths needs: linear-light sRGB and
// Oklab/OKLCH on it. The Oklab steps keep Bjorn Ottosson's direct matrices, which
// give the contrast suggestions they have always given; the shared models
// (core/colour_spaces.h) go by way of XYZ with CSS Color 4's, which differ from
// them in the last digits.

#include "core/colour.h"

namespace tl::contrast_space {

// Linear-light sRGB, each component 0..1 when in gamut.
struct Linear {
  double r, g, b;
};

// OKLCH: lightness 0..1, chroma, hue in radians.
struct Oklch {
  double l, c, h;
};

// In linear light by sRGB's transfer curve, the one of core/colour_spaces.h.
Linear LinearOf(ColourValue colour);
// Linear light back to 0..255: clipped to 0..1, encoded and rounded.
unsigned EncodedOf(double linear);
ColourValue ColourOf(const Linear& linear);

Oklch OklchOf(const Linear& linear);
Linear LinearOf(const Oklch& oklch);

// Whether every component lies in 0..1, give or take the conversions' own error.
bool InGamut(const Linear& linear);

}  // namespace tl::contrast_space
