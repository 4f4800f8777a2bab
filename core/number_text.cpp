#include "core/number_text.h"

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

void AppendHex2(std::string& out, unsigned byte) {
  constexpr char kDigits[] = "0123456789abcdef";
  out += kDigits[(byte >> 4) & 0xF];
  out += kDigits[byte & 0xF];
}

}  // namespace tl
