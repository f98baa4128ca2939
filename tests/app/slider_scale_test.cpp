// Slider positions onto setting ranges: evenly, or evenly in the logarithm with
// position 0 kept for an imperfection that is off.
#include <gtest/gtest.h>

#include "app/slider_scale.h"

namespace quantora {
namespace {

TEST(SliderScale, PositionsOfKnownValuesAndEveryPositionBackAgain) {
  struct TCase {
    TSliderScale scale;
    double value;
    int position;
  };
  const TSliderScale amplitude = TSliderScale::Linear(0, 10), offset = TSliderScale::Linear(-5, 5, 400);
  const TSliderScale frequency = TSliderScale::Logarithmic(0.1, 500), jitter = TSliderScale::Logarithmic(0, 5000);
  for (const TCase& c : {TCase{amplitude, 7.5, 750}, TCase{amplitude, 12, 1000}, TCase{offset, -5, 0},
                         TCase{offset, 0, 200}, TCase{frequency, 0.1, 0}, TCase{frequency, 4, 433},
                         TCase{frequency, 500, 1000}, TCase{jitter, 0, 0}, TCase{jitter, 0.2, 0},
                         TCase{jitter, 0.5, 1}, TCase{jitter, 100, 576}, TCase{jitter, 5000, 1000}}) {
    EXPECT_EQ(c.scale.Position(c.value), c.position) << c.value;
  }
  EXPECT_EQ(jitter.Value(0), 0.0);
  EXPECT_EQ(jitter.Position(0.8 * jitter.Value(1)), 1);  // nearer the first step than 0
  for (const TSliderScale& s : {amplitude, offset, frequency, jitter})
    for (int p = 0; p <= s.Steps(); ++p) ASSERT_EQ(s.Position(s.Value(p)), p) << s.Value(p);
}

}  // namespace
}  // namespace quantora
