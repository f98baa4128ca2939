// The filter's gain curve against its golden values and against the filter
// itself, driven with a sine in the time domain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "reconstruction/butterworth.h"
#include "reconstruction/butterworth_response.h"

namespace quantora {
namespace {

// The steady amplitude the filter (corner 1 rad/ns) gives a unit sine of
// `omega` rad/ns, fed in 2000 steps a period, once the start has died away.
double DrivenGain(double omega) {
  const TButterworthLowPass filter(1.0);
  const double period = 2 * std::numbers::pi / omega, dt = period / 2000;
  const TFilterStep step = filter.StepOver(dt);
  TFilterState state{};
  double peak = 0;
  for (double t = 0; t < 80 + 2 * period; t += dt) {
    state = TButterworthLowPass::Advance(state, step, std::sin(omega * (t + dt / 2)));
    if (t >= 80) peak = std::max(peak, std::fabs(filter.Output(state)));
  }
  return peak;
}

TEST(ButterworthResponse, ThreeDecibelsAtTheCornerAndTwentyFourPerOctave) {
  struct TCase { double ratio, goldenDb; };
  for (const TCase c : {TCase{0.5, -0.016931}, {1, -3.010300}, {2, -24.099331}, {4, -48.164866}}) {
    EXPECT_NEAR(ButterworthGainDb(c.ratio * 25.0, 25.0), c.goldenDb, 1e-5) << c.ratio;
    EXPECT_NEAR(20 * std::log10(DrivenGain(c.ratio)), c.goldenDb, 0.01) << c.ratio;
  }
  EXPECT_NEAR(ButterworthGainDb(8, 1) - ButterworthGainDb(16, 1), 24.08, 0.01);
  EXPECT_EQ(ButterworthGainDb(3, 0), -HUGE_VAL);
}

}  // namespace
}  // namespace quantora
