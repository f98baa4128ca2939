#include "colors.h"

#include <algorithm>
#include <cmath>

namespace vqm {

namespace {
// The classic desktop theme, by colour index.
constexpr TThemeColors kClassicColors = {
    RGBColor(200, 200, 200),  //  0 scroll bar
    RGBColor(0, 0, 0),        //  1 desktop background
    RGBColor(153, 180, 209),  //  2 active caption
    RGBColor(191, 205, 219),  //  3 inactive caption
    RGBColor(240, 240, 240),  //  4 menu
    RGBColor(255, 255, 255),  //  5 window
    RGBColor(100, 100, 100),  //  6 window frame
    RGBColor(0, 0, 0),        //  7 menu text
    RGBColor(0, 0, 0),        //  8 window text
    RGBColor(0, 0, 0),        //  9 caption text
    RGBColor(180, 180, 180),  // 10 active border
    RGBColor(244, 247, 252),  // 11 inactive border
    RGBColor(171, 171, 171),  // 12 application work space
    RGBColor(0, 120, 215),    // 13 highlight
    RGBColor(255, 255, 255),  // 14 highlight text
    RGBColor(240, 240, 240),  // 15 button face
    RGBColor(160, 160, 160),  // 16 button shadow
    RGBColor(109, 109, 109),  // 17 grey text
    RGBColor(0, 0, 0),        // 18 button text
    RGBColor(0, 0, 0),        // 19 inactive caption text
    RGBColor(255, 255, 255),  // 20 button highlight
    RGBColor(105, 105, 105),  // 21 3-D dark shadow
    RGBColor(227, 227, 227),  // 22 3-D light
    RGBColor(0, 0, 0),        // 23 tooltip text
    RGBColor(255, 255, 225),  // 24 tooltip background
    RGBColor(0, 0, 0),        // 25 (unused)
    RGBColor(0, 102, 204),    // 26 hot light
    RGBColor(185, 209, 234),  // 27 gradient active caption
    RGBColor(215, 228, 242),  // 28 gradient inactive caption
    RGBColor(0, 120, 215),    // 29 menu highlight
    RGBColor(240, 240, 240),  // 30 menu bar
};
// Text below this contrast is hard to read (the guidelines' level for large
// text; the designs' own colours on the classic button face all reach it).
constexpr double kLegibleContrast = 3.0;

TThemeColors gThemeColors = kClassicColors;  // the user-interface thread's scheme

double RelativeLuminance(TColor c) {
  auto linear = [](int channel) {
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}
}  // namespace

const TThemeColors& ClassicThemeColors() { return kClassicColors; }

void SetThemeColors(const TThemeColors& colors) { gThemeColors = colors; }

TColor ResolveColor(TColor c) {
  if (IsThemeColor(c)) {
    const TColor index = c & 0x00FFFFFFu;
    return index < gThemeColors.size() ? gThemeColors[index] : clBlack;
  }
  return c & 0x00FFFFFFu;
}

double ContrastRatio(TColor a, TColor b) {
  const double la = RelativeLuminance(ResolveColor(a)), lb = RelativeLuminance(ResolveColor(b));
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor LegibleTextColor(TColor text, TColor background) {
  if (!IsThemeColor(text) && !IsThemeColor(background)) return text;
  if (ContrastRatio(text, background) >= kLegibleContrast) return text;
  if (ContrastRatio(clBtnText, background) >= kLegibleContrast) return ResolveColor(clBtnText);
  return ContrastRatio(clBlack, background) >= ContrastRatio(clWhite, background) ? clBlack : clWhite;
}

}  // namespace vqm
