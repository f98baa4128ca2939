#include "colors.h"

#include <array>

namespace vqm {

namespace {
// The desktop theme, by colour index (button face 15, button shadow 16, button highlight 20 ...).
constexpr std::array<TColor, 31> kThemeColors = {
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
}  // namespace

TColor ResolveColor(TColor c) {
  if (IsThemeColor(c)) {
    const TColor index = c & 0x00FFFFFFu;
    return index < kThemeColors.size() ? kThemeColors[index] : clBlack;
  }
  return c & 0x00FFFFFFu;
}

}  // namespace vqm
