#include "core/contrast.h"

#include <cmath>
#include <cstdlib>

#include "core/contrast_space.h"
#include "core/number_text.h"

namespace tl {
namespace {

// A ratio computed in floating point may land a hair below a value it equals
// (black on white gives 20.999...); no real pair of 8-bit colours lies that
// close below a hundredth.
constexpr double kRatioSlack = 1e-9;

// APCA-W3 0.1.9 (base algorithm 0.0.98G-4g) constants for sRGB.
constexpr double kApcaRed = 0.2126729, kApcaGreen = 0.7151522, kApcaBlue = 0.0721750;
constexpr double kApcaBlackThreshold = 0.022, kApcaBlackClamp = 1.414;
constexpr double kApcaNormalBackground = 0.56, kApcaNormalText = 0.57;
constexpr double kApcaReverseBackground = 0.65, kApcaReverseText = 0.62;
constexpr double kApcaScale = 1.14, kApcaOffset = 0.027;
constexpr double kApcaLowClip = 0.1, kApcaDeltaYMinimum = 0.0005;

// APCA's screen luminance: a plain 2.4 power per component, soft-clamped near
// black where a screen's flare hides differences.
double ApcaLuminance(ColourValue colour) {
  const auto channel = [](unsigned component) { return std::pow(component / 255.0, 2.4); };
  const double y = kApcaRed * channel(RedOf(colour)) + kApcaGreen * channel(GreenOf(colour)) +
                   kApcaBlue * channel(BlueOf(colour));
  return y > kApcaBlackThreshold ? y : y + std::pow(kApcaBlackThreshold - y, kApcaBlackClamp);
}

struct ApcaUse {
  int minimumTenths;
  const char* use;
};
constexpr ApcaUse kApcaUses[] = {
    {750, "body text"},
    {600, "content text"},
    {450, "large text and headlines"},
    {300, "spot text and non-text"},
    {150, "the least perceptible"},
};

}  // namespace

double RelativeLuminance(ColourValue colour) {
  const contrast_space::Linear linear = contrast_space::LinearOf(colour);
  return 0.2126 * linear.r + 0.7152 * linear.g + 0.0722 * linear.b;
}

double ContrastRatio(ColourValue first, ColourValue second) {
  const double a = RelativeLuminance(first), b = RelativeLuminance(second);
  return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

int ContrastHundredths(double ratio) {
  return static_cast<int>(std::floor(ratio * 100 + kRatioSlack));
}

bool MeetsContrast(double ratio, int minimumHundredths) {
  return ContrastHundredths(ratio) >= minimumHundredths;
}

double ApcaContrast(ColourValue text, ColourValue background) {
  const double textY = ApcaLuminance(text), backgroundY = ApcaLuminance(background);
  if (std::fabs(backgroundY - textY) < kApcaDeltaYMinimum) return 0;
  if (backgroundY > textY) {
    const double sapc =
        (std::pow(backgroundY, kApcaNormalBackground) - std::pow(textY, kApcaNormalText)) *
        kApcaScale;
    return sapc < kApcaLowClip ? 0 : (sapc - kApcaOffset) * 100;
  }
  const double sapc =
      (std::pow(backgroundY, kApcaReverseBackground) - std::pow(textY, kApcaReverseText)) *
      kApcaScale;
  return sapc > -kApcaLowClip ? 0 : (sapc + kApcaOffset) * 100;
}

int ApcaTenths(double lc) { return static_cast<int>(std::lround(lc * 10)); }

const char* ApcaUseOf(int lcTenths) {
  for (const ApcaUse& level : kApcaUses) {
    if (std::abs(lcTenths) >= level.minimumTenths) return level.use;
  }
  return "nothing";
}

std::string HundredthsText(int hundredths) {
  std::string text;
  if (hundredths < 0) text += '-';
  hundredths = std::abs(hundredths);
  AppendDecimal(text, hundredths / 100);
  text += '.';
  AppendDecimal(text, hundredths / 10 % 10);
  AppendDecimal(text, hundredths % 10);
  return text;
}

std::string MinimumText(int minimumHundredths) {
  std::string text = HundredthsText(minimumHundredths);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string TenthsText(int tenths) {
  std::string text;
  if (tenths < 0) text += '-';
  AppendDecimal(text, std::abs(tenths) / 10);
  text += '.';
  AppendDecimal(text, std::abs(tenths) % 10);
  return text;
}

std::string ContrastVerdictText(ColourValue text, ColourValue background) {
  const double ratio = ContrastRatio(text, background);
  std::string line = "WCAG 2 contrast " + HundredthsText(ContrastHundredths(ratio)) + ":1:";
  for (std::size_t i = 0; i < kContrastCriteria.size(); ++i) {
    line += i == 0 ? " " : ", ";
    line += kContrastCriteria[i].name;
    line += MeetsContrast(ratio, kContrastCriteria[i].minimumHundredths) ? " pass" : " fail";
  }
  line += "\nAPCA Lc " + TenthsText(ApcaTenths(ApcaContrast(text, background))) + '\n';
  return line;
}

}  // namespace tl
