#include "files/colour_models.h"

#include <cmath>

#include "core/colour_spaces.h"

namespace tl {
namespace {

// NaN becomes 0, everything else is held to 0..1.
double Unit(double v) {
  if (!(v > 0)) return 0;
  return v < 1 ? v : 1;
}

double SrgbGamma(double linear) {
  const double v = Unit(linear);
  return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

// The inverse of the CIE lightness function.
double LabInverse(double t) {
  constexpr double kDelta = 6.0 / 29.0;
  return t > kDelta ? t * t * t : 3 * kDelta * kDelta * (t - 4.0 / 29.0);
}

}  // namespace

unsigned UnitToByte(double v) { return static_cast<unsigned>(std::lround(Unit(v) * 255)); }

ColourValue FromGray(double level) {
  const unsigned v = UnitToByte(level);
  return MakeColour(v, v, v);
}

ColourValue FromCmyk(double c, double m, double y, double k) {
  const double white = 1 - Unit(k);
  return MakeColour(UnitToByte((1 - Unit(c)) * white), UnitToByte((1 - Unit(m)) * white),
                    UnitToByte((1 - Unit(y)) * white));
}

ColourValue FromHsb(double hue, double saturation, double brightness) {
  double h = std::isfinite(hue) ? std::fmod(hue, 360.0) : 0;
  if (h < 0) h += 360;
  const double v = Unit(brightness), chroma = v * Unit(saturation);
  const ChannelLevels c = HexconeChannels(h / 60, chroma, v - chroma);
  return MakeColour(UnitToByte(c.red), UnitToByte(c.green), UnitToByte(c.blue));
}

ColourValue FromLab(double l, double a, double b) {
  // D50 reference white, then XYZ.
  const double fy = (l + 16) / 116, fx = fy + a / 500, fz = fy - b / 200;
  const double x50 = 0.96422 * LabInverse(fx), y50 = LabInverse(fy), z50 = 0.82521 * LabInverse(fz);
  // Bradford chromatic adaptation, D50 to D65.
  const double x = 0.9555766 * x50 - 0.0230393 * y50 + 0.0631636 * z50;
  const double y = -0.0282895 * x50 + 1.0099416 * y50 + 0.0210077 * z50;
  const double z = 0.0122982 * x50 - 0.0204830 * y50 + 1.3299098 * z50;
  // Linear sRGB from D65 XYZ.
  const double r = 3.2404542 * x - 1.5371385 * y - 0.4985314 * z;
  const double g = -0.9692660 * x + 1.8760108 * y + 0.0415560 * z;
  const double bl = 0.0556434 * x - 0.2040259 * y + 1.0572252 * z;
  return MakeColour(UnitToByte(SrgbGamma(r)), UnitToByte(SrgbGamma(g)), UnitToByte(SrgbGamma(bl)));
}

}  // namespace tl
