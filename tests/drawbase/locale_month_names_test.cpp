// Month names follow the default locale, and change with it.
#include "drawbase/locale_month_names.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace vqm {
namespace {

class LocaleMonthNamesTest : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(fSaved); }
  QLocale fSaved;
};

TEST_F(LocaleMonthNamesTest, EnglishUnderCGermanUnderDeDe) {
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(LocaleMonthNames().Short, EnglishMonthNames().Short);
  EXPECT_EQ(LocaleMonthNames().Long[11], "December");
  QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
  EXPECT_EQ(LocaleMonthNames().Short[2], "Mär");
  EXPECT_EQ(LocaleMonthNames().Short[9], "Okt");
  EXPECT_EQ(LocaleMonthNames().Long[2], "März");
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(LocaleMonthNames().Short[2], "Mar");
}

}  // namespace
}  // namespace vqm
