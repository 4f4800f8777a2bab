#include "core/contrast_space.h"

#include <cmath>

#include "core/colour_spaces.h"

namespace tl::contrast_space {
namespace {

// Oklab's matrices have ten digits, so a colour sent there and back may leave
// 0..1 by a few parts in a billion.
constexpr double kGamutSlack = 1e-7;

}  // namespace

Linear LinearOf(ColourValue colour) {
  return {LinearOfChannel(RedOf(colour)), LinearOfChannel(GreenOf(colour)),
          LinearOfChannel(BlueOf(colour))};
}

// Below 0 the curve gives below 0, above 1 above 1: clipped to 0 and 255 as the
// linear value clipped first would be.
unsigned EncodedOf(double linear) { return ChannelToByte(EncodedOfLinear(linear)); }

ColourValue ColourOf(const Linear& linear) {
  return MakeColour(EncodedOf(linear.r), EncodedOf(linear.g), EncodedOf(linear.b));
}

// Björn Ottosson's matrices (2020), as CSS Color 4 uses them for sRGB.
Oklch OklchOf(const Linear& c) {
  const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
  const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
  const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
  const double lightness = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
  const double a = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
  const double b = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
  return {lightness, std::hypot(a, b), std::atan2(b, a)};
}

Linear LinearOf(const Oklch& oklch) {
  const double a = oklch.c * std::cos(oklch.h), b = oklch.c * std::sin(oklch.h);
  const double l = oklch.l + 0.3963377774 * a + 0.2158037573 * b;
  const double m = oklch.l - 0.1055613458 * a - 0.0638541728 * b;
  const double s = oklch.l - 0.0894841775 * a - 1.2914855480 * b;
  const double l3 = l * l * l, m3 = m * m * m, s3 = s * s * s;
  return {4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3,
          -1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3,
          -0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3};
}

bool InGamut(const Linear& c) {
  for (double v : {c.r, c.g, c.b}) {
    if (v < -kGamutSlack || v > 1 + kGamutSlack) return false;
  }
  return true;
}

}  // namespace tl::contrast_space
