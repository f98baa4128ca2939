// Recompute: item counts, kinds, colours and coordinates of both display lists.
#include "app/plotting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/quantizer.h"
#include "model/simulation.h"
#include "app/simulation_charts.h"
#include "chart/chart_item.h"
#include "chart/rchart.h"
#include "chart/scale_props.h"

namespace quantora {
namespace {

using vqm::TChartItem;

class PlottingTest : public testing::Test {
 protected:
  void SetUp() override {
    ApplySimulationChartSettings(analog, TSimulationChart::Analog);
    ApplySimulationChartSettings(sampled, TSimulationChart::Sampled);
  }

  void Run(TSignalForm form, int interval, int bits, TPlotOptions options) {
    TRecomputeInputs inputs;
    inputs.settings = {form, interval, bits, {}};
    inputs.options = options;
    inputs.xMax = analog.Scale1X()->RangeHigh();
    Recompute(inputs, analog, sampled);
    ComputeSeries(form, interval, bits, inputs.xMax, *model);
  }

  static void ExpectItem(const TChartItem& item, vqm::TItemKind kind, vqm::TColor color,
                         double x, double y) {
    EXPECT_EQ(item.Kind, kind);
    EXPECT_EQ(item.Color, color);
    EXPECT_EQ(item.Layer, 1);
    EXPECT_EQ(item.X1, x);
    EXPECT_EQ(item.Y1, y);
  }

  vqm::TRChart analog;
  vqm::TRChart sampled;
  std::unique_ptr<TSimulationResult> model = std::make_unique<TSimulationResult>();
};

constexpr TPlotOptions kAllOn{true, true, true};
constexpr TPlotOptions kAllOff{false, false, false};

TEST_F(PlottingTest, AnalogChartIsTheCurveFromTheOriginThenTheMarks) {
  Run(TSignalForm::sfSine, 10, 8, kAllOn);
  ASSERT_EQ(analog.ItemCount(), 2149);  // 1 + 2048 + 100
  ExpectItem(analog.Item(0), vqm::ikMoveTo, vqm::clBlack, 0.0, 0.0);
  ExpectItem(analog.Item(1), vqm::ikDrawTo, vqm::clBlack, 0.48828125, model->Analog[0]);
  ExpectItem(analog.Item(2048), vqm::ikDrawTo, vqm::clBlack, 1000.0, model->Analog[2047]);
  for (int k = 0; k < 100; ++k) {
    const TChartItem& mark = analog.Item(2049 + k);
    SCOPED_TRACE(k);
    ExpectItem(mark, vqm::ikLine, vqm::clRed, 10.0 * k, -1.0);
    EXPECT_EQ(mark.X2, 10.0 * k);
    EXPECT_EQ(mark.Y2, 1.0);
  }
}

TEST_F(PlottingTest, SampledChartIsTheStaircaseThenTheErrorFromTheOrigin) {
  Run(TSignalForm::sfSine, 10, 8, kAllOn);
  ASSERT_EQ(sampled.ItemCount(), 4098);  // 1 + 2048 + 1 + 2048
  ExpectItem(sampled.Item(0), vqm::ikMoveTo, vqm::clBlack, 0.0, 0.0);
  ExpectItem(sampled.Item(1), vqm::ikDrawTo, vqm::clBlack, 0.48828125, Quantize(8, 0.0));
  ExpectItem(sampled.Item(21), vqm::ikDrawTo, vqm::clBlack, GridTime(21), model->Sampled[20]);
  ExpectItem(sampled.Item(2049), vqm::ikMoveTo, vqm::clBlue, 0.0, 0.0);
  ExpectItem(sampled.Item(2050), vqm::ikDrawTo, vqm::clBlue, 0.48828125, model->Error[0]);
  ExpectItem(sampled.Item(4097), vqm::ikDrawTo, vqm::clBlue, 1000.0, model->Error[2047]);
}

TEST_F(PlottingTest, MarkCountFollowsTheInterval) {
  Run(TSignalForm::sfChirp, 1, 16, kAllOn);
  ASSERT_EQ(analog.ItemCount(), 2049 + 1000);
  EXPECT_EQ(analog.Item(2049).X1, 0.0);
  EXPECT_EQ(analog.Item(3048).X1, 999.0);  // never an instant at 1000 ns

  Run(TSignalForm::sfChirp, 200, 16, kAllOn);
  ASSERT_EQ(analog.ItemCount(), 2049 + 5);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(analog.Item(2049 + k).X1, 200.0 * k);

  Run(TSignalForm::sfChirp, 7, 16, kAllOn);
  ASSERT_EQ(analog.ItemCount(), 2049 + 143);
  EXPECT_EQ(analog.Item(2049 + 142).X1, 994.0);
}

TEST_F(PlottingTest, FlagsDecideWhatIsAppended) {
  Run(TSignalForm::sfSawtooth, 10, 8, TPlotOptions{false, true, false});
  EXPECT_EQ(analog.ItemCount(), 2049);
  EXPECT_EQ(sampled.ItemCount(), 2049);

  Run(TSignalForm::sfSawtooth, 10, 8, kAllOff);
  EXPECT_EQ(analog.ItemCount(), 2049);
  ASSERT_EQ(sampled.ItemCount(), 1);
  ExpectItem(sampled.Item(0), vqm::ikMoveTo, vqm::clBlack, 0.0, 0.0);

  Run(TSignalForm::sfSawtooth, 10, 8, TPlotOptions{true, false, false});
  EXPECT_EQ(analog.ItemCount(), 2149);
  EXPECT_EQ(sampled.ItemCount(), 1);
}

TEST_F(PlottingTest, ErrorWithoutStaircaseIsStillAgainstTheHeldValues) {
  Run(TSignalForm::sfThreeTermSine, 13, 3, TPlotOptions{false, false, true});
  ASSERT_EQ(sampled.ItemCount(), 2050);  // MoveTo, then MoveTo and the error curve
  ExpectItem(sampled.Item(0), vqm::ikMoveTo, vqm::clBlack, 0.0, 0.0);
  ExpectItem(sampled.Item(1), vqm::ikMoveTo, vqm::clBlue, 0.0, 0.0);
  for (int i = 1; i <= NumPoints; ++i) {
    const TChartItem& item = sampled.Item(1 + i);
    ASSERT_EQ(item.Kind, vqm::ikDrawTo) << i;
    ASSERT_EQ(item.Y1, model->Error[i - 1]) << i;
  }
  // At 3 bits the error is large; it would be zero if taken against the analog curve.
  EXPECT_GT(std::abs(sampled.Item(2).Y1), 0.05);
}

TEST_F(PlottingTest, EveryCallRebuildsBothListsFromScratch) {
  Run(TSignalForm::sfSinc, 1, 8, kAllOn);
  Run(TSignalForm::sfSinc, 10, 4, kAllOn);
  EXPECT_EQ(analog.ItemCount(), 2149);
  EXPECT_EQ(sampled.ItemCount(), 4098);
  EXPECT_EQ(sampled.Item(1025).Y1, model->Sampled[1024]);  // the 4-bit run, not the 8-bit one
  EXPECT_EQ(analog.Item(1024).Y1, 4.0);                     // sinc peak at 500 ns
}

TEST_F(PlottingTest, TheAxisEndBoundsTheMarks) {
  TRecomputeInputs inputs;
  inputs.xMax = 455.0;
  Recompute(inputs, analog, sampled);
  EXPECT_EQ(analog.ItemCount(), 2049 + 46);  // 0 .. 450
  EXPECT_EQ(analog.Item(analog.ItemCount() - 1).X1, 450.0);
}

// The kept design run is handed out again only for the very same setting:
// after each change of one input it is that input's fresh run.
TEST(WindowRunsTest, TheDesignRunFollowsEveryInput) {
  TWindowRuns runs;
  const TSimulationSettings first{TSignalForm::sfSine, 10, 8, {}};
  const struct {
    TSimulationSettings settings;
    double xMax;
  } changes[] = {{{TSignalForm::sfChirp, 10, 8, {}}, 1000.0},
                 {{TSignalForm::sfSine, 7, 8, {}}, 1000.0},
                 {{TSignalForm::sfSine, 10, 2, {}}, 1000.0},
                 {{TSignalForm::sfSine, 10, 8, {}}, 500.0}};
  auto fresh = std::make_unique<TSimulationResult>();
  for (const auto& c : changes) {
    runs.DesignRun(first, 1000.0);
    const TSimulationResult& kept = runs.DesignRun(c.settings, c.xMax);
    ComputeSeries(c.settings.form, c.settings.interval, c.settings.bits, c.xMax, *fresh);
    EXPECT_EQ(kept.Sampled, fresh->Sampled);
    EXPECT_EQ(kept.Analog, fresh->Analog);
    EXPECT_EQ(kept.SampleTimes, fresh->SampleTimes);
  }
}

TEST(ErrorScaleTest, LargestPowerOfTwoThatStillFits) {
  EXPECT_EQ(ErrorScaleExponent(1.0, 11.0), 2);      // 4.95 V of room: x4 fits, x8 not
  EXPECT_EQ(ErrorScaleExponent(1e-4, 11.0), 15);    // room 49500
  EXPECT_EQ(ErrorScaleExponent(3.0, 11.0), 0);      // already as large as it may be
  EXPECT_EQ(ErrorScaleExponent(0.0, 11.0), 0);
  EXPECT_EQ(ErrorScaleExponent(1e-300, 11.0), 52);  // bounded
}

}  // namespace
}  // namespace quantora
