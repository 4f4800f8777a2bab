#include "files/swatch_exchange.h"

#include <cstdio>
#include <cstring>

namespace tl {
namespace {

void PutFloat(Bytes& out, float value) {
  std::uint32_t bits;
  static_assert(sizeof bits == sizeof value, "IEEE single expected");
  std::memcpy(&bits, &value, sizeof bits);
  PutBigEndian32(out, bits);
}

}  // namespace

float SwatchComponent(unsigned component) {
  const float oneOver255 = 1.0f / 255.0f;  // 0x3B808081
  return static_cast<float>(static_cast<double>(component) * static_cast<double>(oneOver255));
}

Bytes EncodeSwatchExchange(const std::vector<ColourValue>& colours) {
  Bytes out;
  out.reserve(12 + colours.size() * 62);
  out.insert(out.end(), {'A', 'S', 'E', 'F', 0x00, 0x01, 0x00, 0x00});
  PutBigEndian32(out, static_cast<std::uint32_t>(colours.size()));
  for (ColourValue colour : colours) {
    char name[32];
    const int length = std::snprintf(name, sizeof name, "R=%d G=%d B=%d", int(RedOf(colour)),
                                     int(GreenOf(colour)), int(BlueOf(colour)));
    PutBigEndian16(out, 1);                                     // colour entry
    PutBigEndian32(out, 22 + 2 * static_cast<std::uint32_t>(length));  // bytes that follow
    PutBigEndian16(out, static_cast<std::uint32_t>(length) + 1);       // with terminator
    for (int i = 0; i < length; ++i) PutBigEndian16(out, static_cast<unsigned char>(name[i]));
    PutBigEndian16(out, 0);
    out.insert(out.end(), {'R', 'G', 'B', ' '});
    PutFloat(out, SwatchComponent(RedOf(colour)));
    PutFloat(out, SwatchComponent(GreenOf(colour)));
    PutFloat(out, SwatchComponent(BlueOf(colour)));
    PutBigEndian16(out, 2);  // normal colour
  }
  return out;
}

}  // namespace tl
