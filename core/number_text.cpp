#include "core/number_text.h"

#include <cmath>

namespace tl {

void AppendDecimal(std::string& out, long long value, int minWidth) {
  char digits[24];
  int count = 0;
  // Negated in unsigned arithmetic, so the most negative value has a magnitude too.
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) digits[count++] = '-';
  for (int pad = count; pad < minWidth; ++pad) out += ' ';
  while (count > 0) out += digits[--count];
}

void AppendFixed(std::string& out, double value, int decimals) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // Colour coordinates are small; the bound only keeps the conversion defined.
  const double scaled = std::isfinite(value) ? std::floor(value * scale + 0.5) : 0;
  const long long units = static_cast<long long>(std::fmax(-1e15, std::fmin(1e15, scaled)));
  const unsigned long long magnitude = units < 0 ? 0ULL - static_cast<unsigned long long>(units)
                                                 : static_cast<unsigned long long>(units);
  if (units < 0) out += '-';
  AppendDecimal(out, static_cast<long long>(magnitude / scale));
  if (decimals == 0) return;
  out += '.';
  std::string fraction;
  AppendDecimal(fraction, static_cast<long long>(magnitude % scale));
  out.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
  out += fraction;
}

void AppendHex2(std::string& out, unsigned byte) {
  constexpr char kDigits[] = "0123456789abcdef";
  out += kDigits[(byte >> 4) & 0xF];
  out += kDigits[byte & 0xF];
}

}  // namespace tl
