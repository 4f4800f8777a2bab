#pragma once
// Reading a typed colour: the one entry point for every place that takes a colour
// as text. Portable.

#include <optional>
#include <string_view>

#include "core/colour.h"

namespace tl {

// The colour the text names, or none when it names no colour (never a guess).
// Takes every notation's text as NotationText writes it, and the usual CSS forms:
// #rgb, #rrggbb, rrggbb, rgb()/rgba() with numbers or percentages, hsl()/hsla(),
// hsv(), oklch(), oklab(), lab(), lch() and the CSS names (with or without the
// nearest name's "~"), in any case, with spaces or commas between the parts.
// An alpha is read and left out; colours outside sRGB are clipped per channel.
//
// Six decimal digits are both an Integer notation number and rrggbb; they are
// read as the number when `currentNotation` is Integer, as rrggbb otherwise.
// A whole text that is one CSS number (a sign, digits with at most one point, an
// exponent), read as the colour parser reads its parts; none for anything else
// or for what a double cannot hold. The one number reader of typed text: the
// C library's strtod would bring its whole float parser into the programs.
std::optional<double> NumberOfText(std::string_view text);

std::optional<ColourValue> ParseColourText(std::string_view text,
                                           int currentNotation = kNotationHtml);

}  // namespace tl
