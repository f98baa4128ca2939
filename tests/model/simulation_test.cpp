// One run of the model: the grid, the held and quantized series, the error
// series and the sampling instants.
#include "model/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "model/quantizer.h"
#include "model/waveforms.h"

namespace quantora {
namespace {

std::unique_ptr<TSimulationResult> RunModel(TSignalForm form, int interval, int bits,
                                       double xMax = 1000.0) {
  auto result = std::make_unique<TSimulationResult>();
  ComputeSeries(form, interval, bits, xMax, *result);
  return result;
}

TEST(GridTimeTest, IsExactAndExcludesZero) {
  EXPECT_EQ(GridTime(1), 0.48828125);
  EXPECT_EQ(GridTime(1024), 500.0);
  EXPECT_EQ(GridTime(2048), 1000.0);
  EXPECT_EQ(GridTime(1025) - GridTime(1024), 0.48828125);
}

TEST(ComputeSeriesTest, HeldValuesChangeOnlyAtSamplingInstants) {
  const auto result = RunModel(TSignalForm::sfSine, 10, 8);
  const double atZero = Quantize(8, SignalValue(TSignalForm::sfSine, 0.0));
  const double atTen = Quantize(8, SignalValue(TSignalForm::sfSine, 10.0));
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(result->Sampled[i - 1], atZero) << i;
  EXPECT_EQ(result->Sampled[20], atTen);
  EXPECT_EQ(atZero, Quantize(8, 0.0));  // the 0 V tie, level 128
  EXPECT_NE(atZero, atTen);
}

TEST(ComputeSeriesTest, HeldValuesFollowTheConverterEverywhere) {
  for (int form = 0; form < NumSignalForms; ++form) {
    for (int interval : {1, 7, 200}) {
      const auto f = static_cast<TSignalForm>(form);
      const auto result = RunModel(f, interval, 3);
      for (int i = 1; i <= NumPoints; ++i) {
        const double expected = Quantize(3, HeldSignalValue(f, HoldTime(GridTime(i), interval)));
        ASSERT_EQ(result->Sampled[i - 1], expected)
            << "form " << form << " T " << interval << " i " << i;
        ASSERT_EQ(result->Analog[i - 1], SignalValue(f, GridTime(i))) << "form " << form << " i " << i;
      }
    }
  }
}

TEST(ComputeSeriesTest, ChirpHoldsTheSquareOfTheInstant) {
  // At T = 1 the last point holds 1000 ns: phase 100 rad.
  const auto result = RunModel(TSignalForm::sfChirp, 1, 16);
  EXPECT_EQ(result->Sampled[2047], Quantize(16, 4.0 * std::sin(100.0)));
}

TEST(ComputeSeriesTest, ErrorIsAlwaysAnalogMinusHeld) {
  for (int form = 0; form < NumSignalForms; ++form) {
    const auto result = RunModel(static_cast<TSignalForm>(form), 13, 5);
    double largest = 0.0;
    for (int i = 0; i < NumPoints; ++i) {
      ASSERT_DOUBLE_EQ(result->Error[i], result->Analog[i] - result->Sampled[i]) << form << " " << i;
      largest = std::max(largest, std::abs(result->Error[i]));
    }
    EXPECT_GT(largest, 0.0) << form;
  }
}

TEST(ComputeSeriesTest, SamplingInstantsStopBelowTheAxisEnd) {
  struct TCase {
    int interval;
    std::size_t count;
    std::int64_t last;
  };
  for (const TCase c : {TCase{1, 1000, 999}, TCase{7, 143, 994}, TCase{10, 100, 990},
                        TCase{200, 5, 800}, TCase{1000, 1, 0}}) {
    SCOPED_TRACE(c.interval);
    const auto result = RunModel(TSignalForm::sfSine, c.interval, 8);
    ASSERT_EQ(result->SampleTimes.size(), c.count);
    EXPECT_EQ(result->SampleTimes.front(), 0);
    EXPECT_EQ(result->SampleTimes.back(), c.last);
    EXPECT_EQ(SampleTimeCount(c.interval, 1000.0), static_cast<std::int64_t>(c.count));
  }
}

TEST(ComputeSeriesTest, AxisEndBoundsTheInstantsOnly) {
  EXPECT_EQ(RunModel(TSignalForm::sfSine, 10, 8, 1000.5)->SampleTimes.back(), 1000);
  EXPECT_EQ(RunModel(TSignalForm::sfSine, 10, 8, 0.0)->SampleTimes.size(), 0u);
  EXPECT_EQ(RunModel(TSignalForm::sfSine, 10, 8, -3.0)->SampleTimes.size(), 0u);
  EXPECT_EQ(SampleTimeCount(10, std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RunModel(TSignalForm::sfSine, 10, 8, 2000.0)->SampleTimes.size(), 200u);
}

TEST(ComputeSeriesTest, UnboundedInputsStayFinite) {
  // An interval below 1 ns would never advance; it is taken as 1 ns.
  const auto zero = RunModel(TSignalForm::sfSine, 0, 8);
  const auto one = RunModel(TSignalForm::sfSine, 1, 8);
  EXPECT_EQ(zero->SampleTimes, one->SampleTimes);
  EXPECT_EQ(zero->Sampled, one->Sampled);
  EXPECT_EQ(SampleTimeCount(-5, 1000.0), 1000);
  EXPECT_EQ(SampleTimeCount(1, std::numeric_limits<double>::infinity()), MaxSampleTimes);
}

TEST(ComputeSeriesTest, ReusedResultIsOverwrittenCompletely) {
  TSimulationResult result;
  ComputeSeries(TSignalForm::sfChirp, 1, 16, 1000.0, result);
  ComputeSeries(TSignalForm::sfSawtooth, 200, 2, 1000.0, result);
  const auto fresh = RunModel(TSignalForm::sfSawtooth, 200, 2);
  EXPECT_EQ(result.Analog, fresh->Analog);
  EXPECT_EQ(result.Sampled, fresh->Sampled);
  EXPECT_EQ(result.Error, fresh->Error);
  EXPECT_EQ(result.SampleTimes, fresh->SampleTimes);
}

TEST(ComputeSeriesOverTest, TheDesignsWindowGivesTheDesignsSeriesBitForBit) {
  for (int form = 0; form < NumSignalForms; ++form)
    for (int interval : {1, 7, 200}) {
      const auto f = static_cast<TSignalForm>(form);
      const auto design = RunModel(f, interval, 11);
      TWindowResult window;
      ComputeSeriesOver(f, interval, 11, 1000.0, TTimeWindow{}, window);
      SCOPED_TRACE(testing::Message() << "form " << form << " T " << interval);
      ASSERT_EQ(window.Time.size(), std::size_t(NumPoints));
      EXPECT_EQ(0, std::memcmp(window.Analog.data(), design->Analog.data(), sizeof design->Analog));
      EXPECT_EQ(0, std::memcmp(window.Held.data(), design->Held.data(), sizeof design->Held));
      EXPECT_EQ(0, std::memcmp(window.Sampled.data(), design->Sampled.data(), sizeof design->Sampled));
      EXPECT_EQ(0, std::memcmp(window.Error.data(), design->Error.data(), sizeof design->Error));
      EXPECT_EQ(window.SampleTimes, design->SampleTimes);
      for (int i = 1; i <= NumPoints; ++i) ASSERT_EQ(window.Time[std::size_t(i - 1)], GridTime(i));
    }
}

// 16 bits, T = 10, 495 .. 505 ns: the analog column is the formula at every
// point; the staircase is flat but for one vertical riser, at the instant 500.
TEST(ComputeSeriesOverTest, ExactPointsHaveAVerticalRiserAtEachInstantAndFlatTreads) {
  TWindowResult r;
  ComputeSeriesOver(TSignalForm::sfSine, 10, 16, 1000.0, {495.0, 505.0, 2048}, r);
  EXPECT_EQ(r.Time.back(), 505.0);
  EXPECT_EQ(r.SampleTimes, std::vector<std::int64_t>{500});
  ASSERT_EQ(r.Plot.size(), 1u + 2048u + 2u);
  EXPECT_EQ(r.Plot.front().t, 495.0);
  const double level[2] = {Quantize(16, SignalValue(TSignalForm::sfSine, 490.0)),
                           Quantize(16, SignalValue(TSignalForm::sfSine, 500.0))};
  int risers = 0;
  for (std::size_t k = 0; k < r.Plot.size(); ++k) {
    const TPlotPoint& p = r.Plot[k];
    ASSERT_EQ(p.analog, SignalValue(TSignalForm::sfSine, p.t)) << k;
    ASSERT_DOUBLE_EQ(p.error, p.analog - p.sampled) << k;
    if (k > 0 && p.sampled != r.Plot[k - 1].sampled) risers += (r.Plot[k - 1].t == 500.0 && p.t == 500.0) ? 1 : 100;
    ASSERT_EQ(p.sampled, level[risers > 0]) << k;
  }
  EXPECT_EQ(risers, 1);
}

}  // namespace
}  // namespace quantora
