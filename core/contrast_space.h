#pragma once
// The few colour-space steps the contrast maths needs: sRGB's transfer curve and
// Oklab/OKLCH on linear-light sRGB. Kept apart, in one small place, so that the
// shared colour models can take their place later.

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

// A component 0..255 in linear light, by sRGB's transfer curve.
double LinearComponentOf(unsigned component);
Linear LinearOf(ColourValue colour);
// Linear light back to 0..255: clipped to 0..1, encoded and rounded.
unsigned EncodedOf(double linear);
ColourValue ColourOf(const Linear& linear);

Oklch OklchOf(const Linear& linear);
Linear LinearOf(const Oklch& oklch);

// Whether every component lies in 0..1, give or take the conversions' own error.
bool InGamut(const Linear& linear);

}  // namespace tl::contrast_space
