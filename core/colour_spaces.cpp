#include "core/colour_spaces.h"

#include <cmath>

namespace tl {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vector3 {
  double x, y, z;
};
using Matrix3 = double[3][3];

Vector3 Multiply(const Matrix3& m, const Vector3& v) {
  return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
          m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
          m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

// The matrices are CSS Color 4's own, so that our numbers are the browsers'.
constexpr Matrix3 kLinearSrgbToXyz = {{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                      {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                      {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}};
constexpr Matrix3 kXyzToLinearSrgb = {{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                      {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                      {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}};
// Bradford chromatic adaptation between the D65 and D50 whites.
constexpr Matrix3 kD65ToD50 = {{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                               {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                               {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}};
constexpr Matrix3 kD50ToD65 = {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                               {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                               {0.012314014864481998, -0.020507649298898964, 1.330365926242124}};
constexpr Matrix3 kXyzToLms = {{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                               {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                               {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
constexpr Matrix3 kLmsToOklab = {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                 {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                 {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}};
constexpr Matrix3 kLmsToXyz = {{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                               {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                               {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}};
constexpr Matrix3 kOklabToLms = {{1.0, 0.3963377773761749, 0.2158037573099136},
                                 {1.0, -0.1055613458156586, -0.0638541728258133},
                                 {1.0, -0.0894841775298119, -1.2914855480194092}};

constexpr Vector3 kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
// CIE's exact fractions for the lightness function's joint.
constexpr double kLabEpsilon = 216.0 / 24389;
constexpr double kLabKappa = 24389.0 / 27;

Vector3 XyzOf(ColourValue colour) {
  return Multiply(kLinearSrgbToXyz,
                  {LinearOfChannel(RedOf(colour)), LinearOfChannel(GreenOf(colour)),
                   LinearOfChannel(BlueOf(colour))});
}

ColourValue ColourFromXyz(const Vector3& xyz) {
  const Vector3 rgb = Multiply(kXyzToLinearSrgb, xyz);
  return MakeColour(ChannelToByte(EncodedOfLinear(rgb.x)), ChannelToByte(EncodedOfLinear(rgb.y)),
                    ChannelToByte(EncodedOfLinear(rgb.z)));
}

double LabF(double t) { return t > kLabEpsilon ? std::cbrt(t) : (kLabKappa * t + 16) / 116; }

double LabFInverse(double f) {
  const double cube = f * f * f;
  return cube > kLabEpsilon ? cube : (116 * f - 16) / kLabKappa;
}

double FiniteOrZero(double v) { return std::isfinite(v) ? v : 0; }

}  // namespace

unsigned ChannelToByte(double encoded) {
  if (!(encoded > 0)) return 0;  // NaN too
  if (encoded >= 1) return 255;
  return static_cast<unsigned>(std::floor(encoded * 255 + 0.5));
}

double LinearOfChannel(unsigned byte) {
  const double v = byte / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double EncodedOfLinear(double linear) {
  return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

// Sector 6 (a hue a rounding brought to 360 degrees) reads as sector 5, where
// with no second channel at 6 it is the same colour as sector 0.
ChannelLevels HexconeChannels(double sector, double chroma, double low) {
  const double x = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector)) {
    case 0:
      r = chroma, g = x;
      break;
    case 1:
      r = x, g = chroma;
      break;
    case 2:
      g = chroma, b = x;
      break;
    case 3:
      g = x, b = chroma;
      break;
    case 4:
      r = x, b = chroma;
      break;
    default:
      r = chroma, b = x;
      break;
  }
  return {r + low, g + low, b + low};
}

LabCoordinates OklabOf(ColourValue colour) {
  const Vector3 lms = Multiply(kXyzToLms, XyzOf(colour));
  const Vector3 lab = Multiply(kLmsToOklab, {std::cbrt(lms.x), std::cbrt(lms.y), std::cbrt(lms.z)});
  return {lab.x, lab.y, lab.z};
}

LabCoordinates CieLabOf(ColourValue colour) {
  const Vector3 xyz = Multiply(kD65ToD50, XyzOf(colour));
  const double fx = LabF(xyz.x / kD50White.x), fy = LabF(xyz.y / kD50White.y),
               fz = LabF(xyz.z / kD50White.z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

PolarCoordinates PolarOf(double a, double b) {
  double hue = std::atan2(b, a) * 180 / kPi;
  if (hue < 0) hue += 360;
  return {std::hypot(a, b), hue};
}

LabCoordinates FromPolar(double lightness, double chroma, double hue) {
  const double radians = hue * kPi / 180;
  return {lightness, chroma * std::cos(radians), chroma * std::sin(radians)};
}

ColourValue ColourFromOklab(const LabCoordinates& oklab) {
  const Vector3 lms = Multiply(
      kOklabToLms, {FiniteOrZero(oklab.lightness), FiniteOrZero(oklab.a), FiniteOrZero(oklab.b)});
  return ColourFromXyz(
      Multiply(kLmsToXyz, {lms.x * lms.x * lms.x, lms.y * lms.y * lms.y, lms.z * lms.z * lms.z}));
}

ColourValue ColourFromCieLab(const LabCoordinates& lab) {
  const double l = FiniteOrZero(lab.lightness);
  const double fy = (l + 16) / 116;
  const double fx = fy + FiniteOrZero(lab.a) / 500, fz = fy - FiniteOrZero(lab.b) / 200;
  const double y = l > kLabKappa * kLabEpsilon ? fy * fy * fy : l / kLabKappa;
  const Vector3 d50 = {LabFInverse(fx) * kD50White.x, y, LabFInverse(fz) * kD50White.z};
  return ColourFromXyz(Multiply(kD50ToD65, d50));
}

}  // namespace tl
