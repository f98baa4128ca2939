#include "drawbase/font.h"

#include <gtest/gtest.h>

using namespace vqm;

// The faces the designs name and the Liberation face that stands in for each.
TEST(Font, SubstitutesAndPointSizes) {
  const std::pair<const char*, const char*> faces[] = {
      {"MS Sans Serif", "Liberation Sans Narrow"}, {"Arial", "Liberation Sans"},
      {"Tahoma", "Liberation Sans"},               {"Microsoft Sans Serif", "Liberation Sans"},
      {"", "Liberation Sans"},                     {"Courier New", "Liberation Mono"},
      {"Courier", "Liberation Mono"},              {"Times New Roman", "Liberation Serif"},
      {"DejaVu Sans", "DejaVu Sans"},
  };
  for (const auto& [design, used] : faces) EXPECT_EQ(SubstituteFamily(design), used) << design;
  TFont f;
  f.SetSizeAt(8, 96);
  EXPECT_EQ(f.Height, 11);  // 10.67 pixels
  EXPECT_EQ(f.SizeAt(96), 8);
  f.SetSizeAt(12, 600);
  EXPECT_EQ(f.Height, 100);
  EXPECT_EQ(f.SizeAt(300), 24);
}
