#pragma once
// Numbers as text for the notations and the palette files. Portable. Written out
// by hand rather than through printf, whose formatting code weighed more than a
// tenth of the Windows program.

#include <string>

namespace tl {

// Appends value in decimal, right-aligned with spaces to at least minWidth.
void AppendDecimal(std::string& out, long long value, int minWidth = 0);
// Appends value rounded halves up to `decimals` places (0..6), with a '-' only
// when the rounded value is below 0. Not-finite values are written as 0.
void AppendFixed(std::string& out, double value, int decimals);
// Appends a byte as two lowercase hexadecimal digits.
void AppendHex2(std::string& out, unsigned byte);

}  // namespace tl
