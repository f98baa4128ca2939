// The separator depends only on Comma: the same texts under a locale whose
// decimal separator is a comma (the program runs with the user's LC_NUMERIC).
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "numlab/number_format.h"

namespace vqm {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

class CommaLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fSaved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, kCommaLocale)) GenerateLocale();
    if (std::string(std::localeconv()->decimal_point) != ",")
      GTEST_SKIP() << "no locale with a decimal comma: " << kCommaLocale
                   << " is not installed and could not be generated with localedef";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, fSaved.c_str());
    if (!fLocaleDir.empty()) {
      unsetenv("LOCPATH");
      std::filesystem::remove_all(fLocaleDir);
    }
  }

 private:
  // Compiles the locale into a private folder (about a second) when the system
  // has the locale sources but not the compiled locale.
  void GenerateLocale() {
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE")) return;
    fLocaleDir = (std::filesystem::temp_directory_path() / ("numlab_locale_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(fLocaleDir);
    const std::string cmd = "localedef -i de_DE -f UTF-8 '" + fLocaleDir + "/" + kCommaLocale + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return;
    setenv("LOCPATH", fLocaleDir.c_str(), 1);
    std::setlocale(LC_ALL, kCommaLocale);
  }

  std::string fSaved;
  std::string fLocaleDir;
};

TEST_F(CommaLocaleTest, TextsDoNotFollowTheLocale) {
  char probe[32];
  std::snprintf(probe, sizeof probe, "%.2f", 1.5);
  ASSERT_STREQ(probe, "1,50");  // the locale is really in force

  TNumberFormat f;
  EXPECT_EQ(FormatValueText(1000.0 / 7, f), "142.86");
  f.Comma = true;
  EXPECT_EQ(FormatValueText(1000.0 / 7, f), "142,86");
  f.Comma = false;
  f.DisplayType = dtFloat;
  f.Precision = 4;
  EXPECT_EQ(FormatValueText(2.5, f), "2.5");
  f.DisplayType = dtExp;
  EXPECT_EQ(FormatValueText(1234.5, f), "1.234E+003");
  f.DisplayType = dtDegMinSec;
  f.Precision = 1;
  EXPECT_EQ(FormatValueText(12.5125, f), "12\u00B0 30' 45.0\"");
  f.DisplayType = dtDateTime;
  EXPECT_EQ(FormatValueText(45000.75, f), "Mar-15, 2023");
}

}  // namespace
}  // namespace vqm
