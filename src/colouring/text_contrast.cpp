#include "colouring/text_contrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr pf::Rgb kBlackText = 0x000000, kWhiteText = 0xFFFFFF;

// A channel's share of the light, undoing the screen's gamma.
double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(pf::Rgb colour) {
  return 0.2126 * Linear(pf::Red(colour)) + 0.7152 * Linear(pf::Green(colour)) +
         0.0722 * Linear(pf::Blue(colour));
}

}  // namespace

double ContrastRatio(pf::Rgb first, pf::Rgb second) {
  const double a = Luminance(first), b = Luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

pf::Rgb ReadableTextColour(pf::Rgb back) {
  return ContrastRatio(kBlackText, back) >= ContrastRatio(kWhiteText, back) ? kBlackText : kWhiteText;
}
