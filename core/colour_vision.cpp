#include "core/colour_vision.h"

#include "core/contrast.h"
#include "core/contrast_space.h"

namespace tl {
namespace {

using Matrix = double[3][3];

// Machado, Oliveira and Fernandes, "A Physiologically-based Model for Simulation
// of Color Vision Deficiency" (IEEE TVCG 2009), supplementary tables, severity 1.0.
constexpr Matrix kProtanopia = {{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}};
constexpr Matrix kDeuteranopia = {{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}};
constexpr Matrix kTritanopia = {{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}};

ColourValue Applied(const Matrix& m, ColourValue colour) {
  const contrast_space::Linear c = contrast_space::LinearOf(colour);
  return contrast_space::ColourOf({m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b,
                                   m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
                                   m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b});
}

}  // namespace

ColourValue SimulateVision(ColourValue colour, ColourVision vision) {
  switch (vision) {
    case ColourVision::kProtanopia:
      return Applied(kProtanopia, colour);
    case ColourVision::kDeuteranopia:
      return Applied(kDeuteranopia, colour);
    case ColourVision::kTritanopia:
      return Applied(kTritanopia, colour);
    case ColourVision::kAchromatopsia: {
      const unsigned grey = contrast_space::EncodedOf(RelativeLuminance(colour));
      return MakeColour(grey, grey, grey);
    }
  }
  return colour;
}

double SimulatedContrastRatio(ColourValue text, ColourValue background, ColourVision vision) {
  return ContrastRatio(SimulateVision(text, vision), SimulateVision(background, vision));
}

}  // namespace tl
