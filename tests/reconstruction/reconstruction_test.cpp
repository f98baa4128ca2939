// The reconstructions against the model's series, the sampling theorem and
// the Butterworth filter's closed-form behaviour.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "reconstruction/error_figure.h"
#include "reconstruction/reconstruct.h"
#include "reconstruction/reconstructed_series.h"

namespace quantora {
namespace {

using enum TReconstruction;

std::vector<double> DesignGrid() {
  std::vector<double> t(NumPoints);
  for (int i = 1; i <= NumPoints; ++i) t[std::size_t(i - 1)] = GridTime(i);
  return t;
}

TEST(Reconstruction, NamesRoundTripAndOnlyExactNamesParse) {
  for (const TReconstruction kind : {rcHold, rcLinear, rcBandLimited, rcFilter})
    EXPECT_EQ(ParseReconstruction(ReconstructionName(kind)), kind);
  EXPECT_EQ(ReconstructionName(rcBandLimited), "sinc");
  for (const char* bad : {"", "Sinc", "hold ", "lin"}) EXPECT_FALSE(ParseReconstruction(bad)) << bad;
}

TEST(Reconstruction, HoldIsTheModelsStaircaseBitForBit) {
  TChainSettings noisy;
  noisy.imperfections = {20.0, 300.0, 0.5, 1.0, 0.5, 0.3};
  const std::vector<double> grid = DesignGrid();
  for (const TChainSettings& chain : {TChainSettings{}, noisy})
    for (int form = 0; form < NumSignalForms; ++form)
      for (const int interval : {1, 7, 10, 200}) {
        const TSimulationSettings s{TSignalForm(form), interval, 6, chain};
        TSimulationResult model;
        ComputeSeries(s, kRecordNs, model);
        const std::vector<double> held = Reconstruct(rcHold, OutputRecord(s), grid);
        int differing = 0;
        for (std::size_t i = 0; i < grid.size(); ++i) differing += held[i] != model.Sampled[i];
        EXPECT_EQ(differing, 0) << form << " at " << interval << " ns";
        // The chart reads the record off the staircase: the same as through the chain.
        EXPECT_EQ(ReconstructedSeries(rcLinear, s, kRecordNs, model).output, Reconstruct(rcLinear, OutputRecord(s), grid));
      }
}

// The design's sine: below half the sampling rate it comes back (bar the
// record's ends), and the closer the samples, the better lines do.
TEST(Reconstruction, SineComesBackBelowHalfTheSamplingRate) {
  struct TCase { TReconstruction kind; int interval; double rmsPerAmplitude; };
  const std::vector<double> grid = DesignGrid();
  TSimulationResult model;
  ComputeSeries(TSimulationSettings{TSignalForm::sfSine, 10, 16, {}}, kRecordNs, model);
  for (const TCase c : {TCase{rcBandLimited, 10, 0.01}, {rcLinear, 1, 1e-3}, {rcLinear, 10, 0.02}}) {
    const std::vector<double> y = Reconstruct(c.kind, OutputRecord({TSignalForm::sfSine, c.interval, 16, {}}), grid);
    const auto rms = ReconstructionErrorRms(model.Analog, y, grid, kRecordNs);
    ASSERT_TRUE(rms);
    EXPECT_LT(*rms, c.rmsPerAmplitude * kDesignAmplitudeV) << ReconstructionName(c.kind) << c.interval;
  }
  const TSampleRecord record = OutputRecord({TSignalForm::sfSine, 10, 16, {}});
  const std::vector<double> instants{0, 250, 990, 1000};
  const std::vector<double> at = Reconstruct(rcBandLimited, record, instants);
  for (std::size_t i = 0; i < instants.size(); ++i) EXPECT_EQ(at[i], record.values[std::size_t(instants[i] / 10)]);
  EXPECT_EQ(Reconstruct(rcBandLimited, record, std::vector<double>{-10, 2000}), std::vector<double>(2, 0.0));
  // Lines bend at every instant, the first interval included.
  EXPECT_DOUBLE_EQ(Reconstruct(rcLinear, record, std::vector<double>{5})[0], (record.values[0] + record.values[1]) / 2);
}

// Against the textbook sum of y_n sinc(u - n), term by term in long double:
// the design grid, a zoomed stretch, times out of order and far outside.
TEST(Reconstruction, SincSumMatchesTheTermByTermSum) {
  std::vector<double> times = DesignGrid();
  for (int i = 0; i < 700; ++i) times.push_back(400.3 + i * 0.0137);
  for (const double t : {812.7, 3.1, -55.5, 999.9, 1e5, 17.0 / 3})
    times.push_back(t);
  for (const int interval : {1, 3, 10, 150}) {
    const TSampleRecord record = OutputRecord({TSignalForm::sfSawtooth, interval, 16, {}});
    const std::vector<double> fast = Reconstruct(rcBandLimited, record, times);
    for (std::size_t i = 0; i < times.size(); ++i) {
      long double sum = 0;
      for (std::size_t n = 0; n < record.values.size(); ++n) {
        const long double x = std::numbers::pi_v<long double> * (times[i] / interval - double(n));
        sum += x == 0 ? record.values[n] : record.values[n] * std::sin(x) / x;
      }
      ASSERT_NEAR(fast[i], double(sum), 1e-9) << "T " << interval << " t " << times[i];
    }
  }
}

// Least squares of a sin + b cos + c at f (MHz) over the record's middle half:
// the fitted amplitude and the RMS of what the sine leaves.
std::pair<double, double> FitSine(const std::vector<double>& t, const std::vector<double>& y, double f) {
  double m[3][4] = {};
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] < kRecordNs / 4 || t[i] > 3 * kRecordNs / 4) continue;
    const double w = 2 * std::numbers::pi * f * t[i] / 1000, row[4] = {std::sin(w), std::cos(w), 1, y[i]};
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c) m[r][c] += row[r] * row[c];
  }
  for (int p = 0; p < 3; ++p)  // Gauss-Jordan; the normal matrix is positive definite
    for (int r = 0; r < 3; ++r)
      if (r != p)
        for (int c = 3; c >= p; --c) m[r][c] -= m[r][p] / m[p][p] * m[p][c];
  const double a = m[0][3] / m[0][0], b = m[1][3] / m[1][1], k = m[2][3] / m[2][2];
  double sum = 0, count = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] < kRecordNs / 4 || t[i] > 3 * kRecordNs / 4) continue;
    const double w = 2 * std::numbers::pi * f * t[i] / 1000;
    sum += std::pow(y[i] - a * std::sin(w) - b * std::cos(w) - k, 2);
    ++count;
  }
  return {std::hypot(a, b), std::sqrt(sum / count)};
}

TEST(Reconstruction, AboveHalfTheSamplingRateTheAliasComesBack) {
  const std::vector<double> grid = DesignGrid();
  const std::vector<double> y = Reconstruct(rcBandLimited, OutputRecord({TSignalForm::sfSine, 150, 16, {}}), grid);
  const auto [amplitude, rest] = FitSine(grid, y, std::abs(4 - 1000.0 / 150));
  const auto [sineAmplitude, sineRest] = FitSine(grid, y, 4);
  // Seven samples in the record: what the sinc sum misses beyond its ends stays small.
  EXPECT_NEAR(amplitude, kDesignAmplitudeV, 0.05 * kDesignAmplitudeV);
  EXPECT_LT(rest, 0.05 * kDesignAmplitudeV);
  EXPECT_GT(sineRest, 10 * rest) << sineAmplitude;
}

// Golden values of the 4th-order Butterworth with its corner at pi / T, from
// its two second-order sections (Q = 0.5412 and 1.3066) integrated on their
// own: the unit step's response at T, 2T, 3T, and the lag 2.6131 / pi T at
// low frequencies (the sections' 1 / (Q wc) summed).
TEST(Reconstruction, FilterFollowsTheButterworthsStepAndDelay) {
  const TSampleRecord step{10, std::vector<double>(101, 1.0)};
  const std::vector<double> times{10, 20, 30, 50, 500, 1000, 5000};
  const std::vector<double> golden{0.6220461972027, 1.0864383644673, 0.9733005188365, 0.9977516546766, 1, 1, 1};
  const std::vector<double> out = Reconstruct(rcFilter, step, times);
  for (std::size_t i = 0; i < times.size(); ++i) EXPECT_NEAR(out[i], golden[i], 1e-9) << times[i];
  EXPECT_EQ(Reconstruct(rcFilter, step, std::vector<double>{-5, 0})[1], 0.0);
  // Along the grid each value goes on from the one before; backwards each one
  // starts afresh from its instant: the same curve.
  const std::vector<double> grid = DesignGrid(), backwards(grid.rbegin(), grid.rend());
  const TSampleRecord sine = OutputRecord({TSignalForm::sfSine, 7, 8, {}});
  const std::vector<double> forth = Reconstruct(rcFilter, sine, grid), back = Reconstruct(rcFilter, sine, backwards);
  for (std::size_t i = 0; i < grid.size(); ++i) ASSERT_NEAR(forth[i], back[grid.size() - 1 - i], 1e-12) << grid[i];

  // A ramp's staircase lags T / 2 behind it, the filter its group delay more.
  // The mean over one whole period of the fine grid drops the ripple.
  TSampleRecord ramp{10, {}};
  for (int n = 0; n < 100; ++n) ramp.values.push_back(n * 10.0);
  std::vector<double> period;
  for (int k = 0; k < 64; ++k) period.push_back(600 + k * 10.0 / 64);
  const std::vector<double> lagging = Reconstruct(rcFilter, ramp, period);
  double lag = 0;
  for (std::size_t k = 0; k < period.size(); ++k) lag += (period[k] - lagging[k]) / 64;
  EXPECT_NEAR(lag, 10 * (0.5 + 2.6131259 / std::numbers::pi), 1e-5);
}

}  // namespace
}  // namespace quantora
