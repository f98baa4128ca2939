#pragma once
// Colours of the component library: 32-bit values 0x00BBGGRR for a fixed colour
// (red is 255, blue is 16711680) and 0x80000000 plus an index for a colour of the
// desktop theme. Theme colours are resolved in exactly one place, ResolveColor.

#include <array>
#include <cstdint>

namespace vqm {

using TColor = std::uint32_t;

constexpr TColor RGBColor(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int RedOf(TColor c) { return int(c & 0xFF); }
constexpr int GreenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor ThemeColorFlag = 0x80000000u;
constexpr bool IsThemeColor(TColor c) { return (c & 0xFF000000u) == ThemeColorFlag; }

// Fixed colours with their usual values.
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clCream = 0xF0FBFF, clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6,
                 clMedGray = 0xA4A0A0;

// Theme colours: the flag plus the desktop's colour index.
constexpr TColor clScrollBar = 0x80000000, clBackground = 0x80000001, clActiveCaption = 0x80000002,
                 clInactiveCaption = 0x80000003, clMenu = 0x80000004, clWindow = 0x80000005,
                 clWindowFrame = 0x80000006, clMenuText = 0x80000007, clWindowText = 0x80000008,
                 clCaptionText = 0x80000009, clActiveBorder = 0x8000000A, clInactiveBorder = 0x8000000B,
                 clAppWorkSpace = 0x8000000C, clHighlight = 0x8000000D, clHighlightText = 0x8000000E,
                 clBtnFace = 0x8000000F, clBtnShadow = 0x80000010, clGrayText = 0x80000011,
                 clBtnText = 0x80000012, clInactiveCaptionText = 0x80000013, clBtnHighlight = 0x80000014,
                 cl3DDkShadow = 0x80000015, cl3DLight = 0x80000016, clInfoText = 0x80000017,
                 clInfoBk = 0x80000018;

// The desktop theme's colours by index (button face 15, button shadow 16, ...).
using TThemeColors = std::array<TColor, 31>;
// The classic desktop scheme: theme colours resolve with it unless the desktop
// gives a palette of its own, so that every machine draws the same pixels.
const TThemeColors& ClassicThemeColors();
// Theme colours resolve with `colors` from now on (the desktop's own palette).
void SetThemeColors(const TThemeColors& colors);

// The fixed colour a value stands for. Theme colours take the scheme in force
// (the classic one at start); an unknown index gives black.
TColor ResolveColor(TColor c);

// Contrast of two colours as accessibility guidelines measure it, from 1
// (the same luminance) to 21 (black on white).
double ContrastRatio(TColor a, TColor b);
// The text colour to draw on `background`: `text` itself, unless the desktop's
// scheme chose one of the two (a theme colour) and the text would no longer be
// legible on it; then the scheme's button text, or failing that black or white.
// Two fixed colours always stay as designed.
TColor LegibleTextColor(TColor text, TColor background);

}  // namespace vqm
