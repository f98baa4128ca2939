// Fonts and date formats as one line of text: golden texts, round trips, and
// the malformed texts that are refused.
#include <gtest/gtest.h>

#include "chart/font_text.h"

namespace vqm {
namespace {

TEST(FontText, GoldenTextsAndRefusals) {
  TFont f;
  f.Name = "Courier New";
  f.Height = 14;
  f.Style = fsBold | fsItalic;
  f.Color = clBlue;
  EXPECT_EQ(FontToText(f), QStringLiteral("Courier New,14,3,16711680"));
  EXPECT_EQ(FontFromText(QStringLiteral("Courier New,14,3,16711680")), f);
  const auto comma = FontFromText(QStringLiteral("Odd, Family,9,0,0"));  // a name with a comma
  ASSERT_TRUE(comma);
  EXPECT_EQ(comma->Name, "Odd, Family");
  EXPECT_EQ(comma->Height, 9);
  for (const char* bad : {"Arial,13,0", "Arial,x,0,0", "Arial,13,16,0", "Arial,0,0,0", ",13,0,0", "Arial,13,0,-1",
                          "Arial,13,0,4294967296"})
    EXPECT_FALSE(FontFromText(QString::fromLatin1(bad))) << bad;
}

TEST(DateFormatText, GoldenTextsAndRefusals) {
  TDTLabel d;
  d.SetTimeFormat(tfAMPM);
  d.SetDateSeparator('.');
  d.SetTimeSeparator(':');
  d.SetYearLength(ylYY);
  d.SetMonthName(true);
  d.SetDateOrder(doYYMMDD);
  d.SetDateForTime(dtAllTicks);
  EXPECT_EQ(DateFormatToText(d), QStringLiteral("2,.,:,1,1,2,3"));
  TDTLabel back;
  int notices = 0;
  back.OnChange = [&](TDTLabel*) { ++notices; };
  ASSERT_TRUE(DateFormatFromText(QStringLiteral("2,.,:,1,1,2,3"), back));
  EXPECT_EQ(DateFormatToText(back), DateFormatToText(d));
  EXPECT_EQ(notices, 1);
  // One field out of its range, a separator that is not one character, or too few fields.
  for (const char* bad : {"3,.,:,1,1,2,3", "2,.,:,3,1,2,3", "2,.,:,1,2,2,3", "2,.,:,1,1,3,3", "2,.,:,1,1,2,4",
                          "-1,.,:,1,1,2,3", "2,..,:,1,1,2,3", "2,.,,1,1,2,3", "2,.,:,1,1,2", "2,.,:,x,1,2,3"}) {
    TDTLabel untouched = d;
    EXPECT_FALSE(DateFormatFromText(QString::fromLatin1(bad), untouched)) << bad;
    EXPECT_EQ(DateFormatToText(untouched), DateFormatToText(d)) << bad;
  }
}

}  // namespace
}  // namespace vqm
