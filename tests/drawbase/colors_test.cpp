#include "drawbase/colors.h"

#include <gtest/gtest.h>

using namespace vqm;

TEST(Colors, FixedValuesAreBgr) {
  EXPECT_EQ(clRed, 255u);
  EXPECT_EQ(clBlue, 16711680u);
  EXPECT_EQ(RGBColor(233, 221, 180), 11853289u);  // the simulation's window colour
  EXPECT_EQ(RGBColor(221, 221, 221), 14540253u);
  EXPECT_EQ(RedOf(11853289u), 233);
  EXPECT_EQ(BlueOf(11853289u), 180);
}

TEST(Colors, ThemeColoursResolveToFixedOnes) {
  EXPECT_TRUE(IsThemeColor(clBtnFace));
  EXPECT_FALSE(IsThemeColor(clWhite));
  EXPECT_EQ(ResolveColor(clBtnHighlight), clWhite);
  EXPECT_EQ(ResolveColor(clWindowText), clBlack);
  EXPECT_EQ(ResolveColor(clWhite), clWhite);
  EXPECT_EQ(ResolveColor(0x800000FFu), clBlack);  // unknown theme index
  EXPECT_FALSE(IsThemeColor(ResolveColor(clBtnShadow)));
  // The theme colours the components and the window draw with.
  const std::pair<TColor, TColor> used[] = {
      {clBtnFace, RGBColor(240, 240, 240)}, {clBtnShadow, RGBColor(160, 160, 160)},
      {clGrayText, RGBColor(109, 109, 109)}, {clBtnHighlight, RGBColor(255, 255, 255)},
      {clWindow, RGBColor(255, 255, 255)},   {clWindowText, RGBColor(0, 0, 0)},
      {clHighlight, RGBColor(0, 120, 215)},
  };
  for (const auto& [theme, fixed] : used) EXPECT_EQ(ResolveColor(theme), fixed) << std::hex << theme;
}

// Text keeps its colour while legible; a desktop's dark scheme moves only what
// would vanish on a theme colour, to the scheme's button text or black/white.
TEST(Colors, ContrastRatiosAsTheGuidelinesMeasureThem) {
  EXPECT_DOUBLE_EQ(ContrastRatio(clWhite, clBlack), 21.0);
  EXPECT_NEAR(ContrastRatio(RGBColor(118, 118, 118), clWhite), 4.5422, 1e-4);  // the guidelines' grey
  EXPECT_NEAR(ContrastRatio(clBlack, RGBColor(8, 8, 8)), 1.0486, 1e-4);        // dark channels: the linear segment
}

TEST(Colors, TextStaysLegibleUnderADesktopScheme) {
  struct TCase { TColor text, background, classic, dark; };
  const TCase cases[] = {
      {clBlack, clBtnFace, clBlack, clWhite},         {clRed, clBtnFace, clRed, clRed},
      {clMaroon, clBtnFace, clMaroon, clWhite},       {clWindowText, clCream, clBlack, clBlack},
      {clBlack, clBlack, clBlack, clBlack},           {clWindowText, clBtnFace, clBlack, clWhite}};
  TThemeColors dark = ClassicThemeColors();
  dark[15] = clBlack;                        // button face
  dark[8] = dark[18] = clWhite;              // window and button text
  for (const TCase& c : cases) EXPECT_EQ(ResolveColor(LegibleTextColor(c.text, c.background)), c.classic) << c.text;
  SetThemeColors(dark);
  for (const TCase& c : cases) EXPECT_EQ(ResolveColor(LegibleTextColor(c.text, c.background)), c.dark) << c.text;
  SetThemeColors(ClassicThemeColors());
}
