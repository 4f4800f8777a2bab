#pragma once
// The perceptual colour models of CSS Color 4 (Oklab, and CIE Lab relative to D50
// with the Bradford adaptation), to and from the sRGB colour value. Portable.

#include "core/colour.h"

namespace tl {

// Lightness and two opponent axes: Oklab's L is 0..1, CIE Lab's 0..100.
struct LabCoordinates {
  double lightness;
  double a;
  double b;
};

// Chroma and hue (degrees, 0 up to 360) of the opponent axes a and b.
struct PolarCoordinates {
  double chroma;
  double hue;
};

LabCoordinates OklabOf(ColourValue colour);
LabCoordinates CieLabOf(ColourValue colour);
PolarCoordinates PolarOf(double a, double b);
// a and b of a chroma and a hue in degrees.
LabCoordinates FromPolar(double lightness, double chroma, double hue);

// The colour nearest to the coordinates; what lies outside sRGB is clipped per
// channel. Not-finite coordinates count as 0.
ColourValue ColourFromOklab(const LabCoordinates& oklab);
ColourValue ColourFromCieLab(const LabCoordinates& lab);

// A gamma-encoded sRGB channel (0..1) as a byte, rounded halves up, clipped.
unsigned ChannelToByte(double encoded);

// sRGB's transfer curve: a channel byte in linear light (0..1), and linear light
// back to the encoded channel (0..1 for 0..1; neither clipped nor rounded).
double LinearOfChannel(unsigned byte);
double EncodedOfLinear(double linear);

// The hexcone models' way back to red, green and blue (0..1, not rounded): the
// hue in sixties of a turn (0 up to 6), the chroma and the smallest channel,
// which HSL and HSV each make of their own parts.
struct ChannelLevels {
  double red, green, blue;
};
ChannelLevels HexconeChannels(double sector, double chroma, double low);

}  // namespace tl
