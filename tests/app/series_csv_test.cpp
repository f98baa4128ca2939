// The CSV text of the model's series: layout and locale independence.
#include "app/series_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <memory>
#include <sstream>
#include <string>

namespace quantora {
namespace {

std::unique_ptr<TSimulationResult> Series() {
  auto result = std::make_unique<TSimulationResult>();
  ComputeSeries(TSignalForm::sfChirp, 7, 4, 1000.0, *result);
  return result;
}

TEST(SeriesCsvTest, OneHeaderAndOneRowOfFiveFieldsPerGridPoint) {
  std::istringstream text(SeriesCsv(*Series()));
  std::string line;
  ASSERT_TRUE(std::getline(text, line));
  EXPECT_EQ(line, "i,t_ns,analog_V,sampled_V,error_V");
  int rows = 0;
  while (std::getline(text, line)) {
    ++rows;
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 4) << line;
  }
  EXPECT_EQ(rows, NumPoints);
}

TEST(SeriesCsvTest, DecimalPointWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no decimal-comma locale installed";
  const std::string underComma = SeriesCsv(*Series());
  std::setlocale(LC_ALL, "C");
  const std::string underC = SeriesCsv(*Series());
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(underComma, underC);
  EXPECT_NE(underComma.find("\n1,0.48828125,"), std::string::npos);
}

}  // namespace
}  // namespace quantora
