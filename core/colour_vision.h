#pragma once
// Colours as people with a colour vision deficiency see them. Portable.

#include <array>

#include "core/colour.h"

namespace tl {

enum class ColourVision { kProtanopia, kDeuteranopia, kTritanopia, kAchromatopsia };

struct ColourVisionName {
  ColourVision vision;
  const char* name;  // as the console tool takes it
};

constexpr std::array<ColourVisionName, 4> kColourVisions{{
    {ColourVision::kProtanopia, "protanopia"},
    {ColourVision::kDeuteranopia, "deuteranopia"},
    {ColourVision::kTritanopia, "tritanopia"},
    {ColourVision::kAchromatopsia, "achromatopsia"},
}};

// The colour as that vision sees it: the three dichromacies by Machado, Oliveira
// and Fernandes (2009) at full severity, in linear light and clipped to sRGB;
// achromatopsia as the grey of the colour's relative luminance.
ColourValue SimulateVision(ColourValue colour, ColourVision vision);

// The WCAG 2 contrast ratio of the pair as that vision sees it, from the 8-bit
// colours it is shown as.
double SimulatedContrastRatio(ColourValue text, ColourValue background, ColourVision vision);

}  // namespace tl
