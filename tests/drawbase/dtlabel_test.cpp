#include "drawbase/dtlabel.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vqm;

TEST(DTLabel, StartsAtZeroValues) {
  TDTLabel d;
  EXPECT_EQ(d.TimeFormat(), tfHHMMSS);
  EXPECT_EQ(d.DateSeparator(), '\0');
  EXPECT_EQ(d.YearLength(), ylNone);
  EXPECT_FALSE(d.MonthName());
  EXPECT_EQ(d.DateOrder(), doMMDDYY);
  EXPECT_EQ(d.DateForTime(), dtNone);
}

TEST(DTLabel, ChangeNotifications) {
  TDTLabel d;
  int changes = 0;
  TDTLabel* sender = nullptr;
  d.OnChange = [&](TDTLabel* s) { ++changes, sender = s; };
  d.SetDateSeparator('-');
  d.SetDateSeparator('-');  // unchanged: silent
  d.SetYearLength(ylYYYY);
  d.SetYearLength(ylYYYY);
  d.SetMonthName(false);    // unchanged
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(sender, &d);
  d.SetTimeFormat(tfHHMMSS);  // raised on every assignment
  d.SetDateOrder(doMMDDYY);
  EXPECT_EQ(changes, 4);
  // Each setter, first with a new value, then with the same one again.
  struct Case {
    std::function<void(TDTLabel&)> set;
    int first, again;
  };
  const Case cases[] = {
      {[](TDTLabel& f) { f.SetDateSeparator('/'); }, 1, 0}, {[](TDTLabel& f) { f.SetTimeSeparator('.'); }, 1, 0},
      {[](TDTLabel& f) { f.SetYearLength(ylYY); }, 1, 0},    {[](TDTLabel& f) { f.SetMonthName(true); }, 1, 0},
      {[](TDTLabel& f) { f.SetDateForTime(dtAllTicks); }, 1, 0}, {[](TDTLabel& f) { f.SetDateOrder(doYYMMDD); }, 1, 1},
      {[](TDTLabel& f) { f.SetTimeFormat(tfAMPM); }, 1, 1},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    changes = 0;
    cases[i].set(d);
    EXPECT_EQ(changes, cases[i].first) << i;
    cases[i].set(d);
    EXPECT_EQ(changes, cases[i].first + cases[i].again) << i;
  }
}

TEST(DTLabel, CopyingTakesTheSevenFieldsNotTheListener) {
  TDTLabel a, b;
  a.SetTimeFormat(tfAMPM);
  a.SetDateSeparator('/');
  a.SetTimeSeparator('.');
  a.SetYearLength(ylYY);
  a.SetMonthName(true);
  a.SetDateOrder(doYYMMDD);
  a.SetDateForTime(dtAllTicks);
  int changes = 0;
  b.OnChange = [&](TDTLabel*) { ++changes; };
  b.Assign(a);
  EXPECT_TRUE(b.SameFormat(a));
  EXPECT_EQ(changes, 1);
  TDTLabel c(a);
  EXPECT_TRUE(c.SameFormat(a));
  EXPECT_FALSE(c.OnChange);
  // Each of the seven fields alone makes a different format.
  const std::function<void(TDTLabel&)> changes7[] = {
      [](TDTLabel& f) { f.SetTimeFormat(tfHHhMM); },  [](TDTLabel& f) { f.SetDateSeparator('-'); },
      [](TDTLabel& f) { f.SetTimeSeparator(':'); },   [](TDTLabel& f) { f.SetYearLength(ylNone); },
      [](TDTLabel& f) { f.SetMonthName(false); },     [](TDTLabel& f) { f.SetDateOrder(doMMDDYY); },
      [](TDTLabel& f) { f.SetDateForTime(dtNone); },
  };
  for (const auto& change : changes7) {
    TDTLabel d(a);
    change(d);
    EXPECT_FALSE(d.SameFormat(a));
  }
}
