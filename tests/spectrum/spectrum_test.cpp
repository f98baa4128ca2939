// The spectrum engine against the time domain, against the folding rule and
// against synthetic sines whose levels are known.
#include "spectrum/spectrum_engine.h"
#include "spectrum/sine_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "model/quantizer.h"
#include "model/waveforms.h"

namespace quantora {
namespace {

// The signal-to-error ratio of the samples in the time domain: exact sample
// power over the power of quantized minus exact sample.
double TimeDomainRatioDb(int interval, int bits) {
  double signal = 0, error = 0;
  for (int t = 0; t < 1000; t += interval) {
    const double exact = HeldSignalValue(TSignalForm::sfSine, t);
    const double e = Quantize(bits, exact) - exact;
    signal += exact * exact;
    error += e * e;
  }
  return 10 * std::log10(signal / error);
}

std::size_t StrongestBin(const std::vector<double>& dbfs) {
  return std::size_t(std::max_element(dbfs.begin(), dbfs.end()) - dbfs.begin());
}

TEST(SpectrumFigures, SinadAgreesWithTheTimeDomainForWholePeriods) {
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (int interval : {1, 2, 4, 5, 8, 10, 20, 25}) {
    for (int bits = 1; bits <= 16; ++bits) {
      engine.Compute(TSignalForm::sfSine, interval, bits, r);
      ASSERT_TRUE(r.figures) << interval << " ns, " << bits << " bits";
      EXPECT_EQ(r.window.kind, TWindowKind::wkRectangular);
      EXPECT_NEAR(r.figures->sinadDb, TimeDomainRatioDb(interval, bits), 0.2) << interval << " ns, " << bits << " bits";
      EXPECT_NEAR(r.figures->fundamentalMHz, 4.0, 1e-9);
      EXPECT_LE(r.figures->sinadDb, r.figures->snrDb.value());
    }
  }
  // The repeating sample phases: ENOB well away from n - 0.06.
  engine.Compute(TSignalForm::sfSine, 25, 7, r);
  EXPECT_NEAR(TimeDomainRatioDb(25, 7), 40.03, 0.005);
  EXPECT_NEAR(r.figures->enobBits, 6.36, 0.01);
}

// Over every sine setting each figure is plausible or not measurable; the fit
// takes in part of an error that repeats with the signal (7.65 bits at 25 ns and
// 7 bits). The counts pin the rules: whole periods or 32 samples; 32 for the fit.
TEST(SpectrumFigures, EverySineSettingIsPlausibleOrNotMeasurable) {
  TSpectrumEngine engine;
  TSpectrumResult r;
  int counts[4] = {}, fitted = 0;
  const double infinity = std::numeric_limits<double>::infinity();
  for (int interval = 1; interval <= 200; ++interval)
    for (int bits = 1; bits <= 16; ++bits) {
      SCOPED_TRACE(std::to_string(interval) + " ns, " + std::to_string(bits) + " bits");
      engine.Compute(TSignalForm::sfSine, interval, bits, r);
      ++counts[int(r.measurability)];
      ASSERT_EQ(r.figures.has_value(), r.measurability == TMeasurability::mbMeasurable);
      if (const std::optional<TConverterFigures>& f = r.figures) {
        EXPECT_NEAR(f->enobBits, bits - 0.2, 0.8);  // n - 1 .. n + 0.6
        EXPECT_LE(f->sinadDb, std::min(f->snrDb.value_or(infinity), f->sfdrDb.value_or(infinity)));
        EXPECT_NEAR(f->fundamentalMHz, AliasFrequency(4.0, r.samplingMHz), r.sampledBinMHz);
      }
      fitted += r.fitFigures.has_value();
      if (r.fitFigures) EXPECT_NEAR(r.fitFigures->enobBits, bits + 0.3, 1.3);  // n - 1 .. n + 1.6
    }
  EXPECT_EQ(counts[int(TMeasurability::mbMeasurable)], 36 * 16);
  EXPECT_EQ(counts[int(TMeasurability::mbNoSignal)], 16);  // 125 ns
  EXPECT_EQ(fitted, 32 * 16);
}

// Spectra made by hand: 64 samples cut inside a period, the sine on bin 5, the
// largest spur on the last bin; a faint sine is still one, below -120 dBFS none.
TEST(SpectrumFigures, FiguresFromSpectraMadeByHand) {
  const auto spectrum = [](std::initializer_list<std::pair<std::size_t, double>> bins) {
    TBinSpectrum s{std::vector<double>(33), {}};
    for (const auto& [k, p] : bins) s.power[k] = p;
    return s;
  };
  const TBinSpectrum error = spectrum({{12, 1e-5}, {31, 1e-5}, {32, 1e-4}});
  const TWindowChoice hann{TWindowKind::wkHann, TWindowReason::wrCutPeriods};
  for (const double signal : {12.5, 5e-5}) {
    const TBinSpectrum sine = spectrum({{5, signal}});
    const std::optional<TConverterFigures> f = MeasureConverterFigures({sine, sine, error, hann, 64, 1.0, 5.0});
    ASSERT_TRUE(f) << signal;
    EXPECT_DOUBLE_EQ(f->sinadDb, 10 * std::log10(signal / 1.2e-4));
    EXPECT_FALSE(f->snrDb);  // the lines of harmonics 2 .. 10 leave no bin beyond the fundamental's for noise
    EXPECT_DOUBLE_EQ(f->sfdrDb.value(), 10 * std::log10(signal / 1.1e-4));  // bins 30 .. 32
    EXPECT_EQ(std::pair(f->spurMHz, f->fundamentalMHz), std::pair(32.0, 5.0));
  }
  const TBinSpectrum faint = spectrum({{5, 1e-12}});
  EXPECT_FALSE(MeasureConverterFigures({faint, faint, error, hann, 64, 1.0, 5.0}));
}

// With Hann the fundamental's main lobe may touch DC's and its mirror's at fs/2,
// not overlap them; without a window any bin strictly between will do.
TEST(SpectrumFigures, MeasurabilityAtTheEdgesOfTheRules) {
  const TWindowChoice hann{TWindowKind::wkHann, TWindowReason::wrCutPeriods};
  const TWindowChoice whole{TWindowKind::wkRectangular, TWindowReason::wrWholePeriods};
  const struct { double bins; std::size_t samples; TWindowChoice window; TMeasurability expected; } cases[] = {
      {4.0, 64, hann, TMeasurability::mbMeasurable},   {3.99, 64, hann, TMeasurability::mbLinesMerge},
      {30.0, 64, hann, TMeasurability::mbMeasurable},  {30.01, 64, hann, TMeasurability::mbLinesMerge},
      {4.0, 31, hann, TMeasurability::mbTooFewSamples}, {1.0, 5, whole, TMeasurability::mbMeasurable},
      {2.5, 5, whole, TMeasurability::mbNoSignal},     {0.0, 64, whole, TMeasurability::mbNoSignal},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordMeasurability(c.bins, c.samples, c.window), c.expected) << c.bins;
}

// The standard's fit against values computed independently of this code.
TEST(SpectrumFigures, SineFitFiguresMatchReferenceValues) {
  const struct { int interval, bits; double sinadDb; } cases[] = {{1, 7, 43.25}, {10, 7, 43.95}, {25, 7, 47.83},
                                                                   {25, 12, 77.86}};
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (const auto& c : cases) {
    engine.Compute(TSignalForm::sfSine, c.interval, c.bits, r);
    ASSERT_TRUE(r.fitFigures) << c.interval;
    EXPECT_NEAR(r.fitFigures->sinadDb, c.sinadDb, 0.005) << c.interval << " ns, " << c.bits << " bits";
  }
  EXPECT_NEAR(r.fitFigures->enobBits, (77.86 - 1.76) / 6.02, 0.001);
}

// A sine the fit starts a third of a bin away from comes back whole; records
// without a degree of freedom or with the sine on DC or fs/2 give no fit.
TEST(SineFit, RecoversASineAndRefusesDegenerateRecords) {
  std::vector<double> x(64);
  const double cycles = 5.3 / 64;
  for (std::size_t n = 0; n < x.size(); ++n) x[n] = 0.25 + 3 * std::cos(2 * std::numbers::pi * cycles * double(n) + 1);
  const std::optional<TSineFit> fit = FitSine(x, cycles + 0.33 / 64);
  ASSERT_TRUE(fit);
  EXPECT_NEAR(fit->amplitude, 3, 1e-9);
  EXPECT_NEAR(fit->offset, 0.25, 1e-9);
  EXPECT_NEAR(fit->cyclesPerSample, cycles, 1e-12);
  EXPECT_LT(fit->residualRms, 1e-9);
  EXPECT_NEAR(FitSine(x, 1 - cycles)->cyclesPerSample, cycles, 1e-12);  // an alias starts it as well
  EXPECT_FALSE(FitSine(std::span(x).first(4), cycles) || FitSine(x, 0.0) || FitSine(x, 0.5));
  EXPECT_FALSE(MeasureFitFigures(std::span(x).first(kLeastFitSamples - 1), cycles, 0.0));
}

// In a short record a line beside fs/2 meets its mirror image; whatever the
// phase, no bin reads a sine stronger than one holding the record's power.
TEST(SpectrumLevels, NoBinReadsMoreThanTheRecordHolds) {
  TRealFft fft;
  TBinSpectrum s;
  std::vector<double> x(7);
  for (double phase = 0; phase < 6.3; phase += 0.1) {
    double meanSquare = 0;
    for (std::size_t n = 0; n < x.size(); ++n) {
      x[n] = kFullScaleVolts * std::sin(2 * std::numbers::pi * 3 * double(n) / 7 + phase);
      meanSquare += x[n] * x[n] / 7;
    }
    AnalyseRecord(x, TWindowKind::wkHann, fft, s);
    EXPECT_LE(s.dbfs[3], 10 * std::log10(2 * meanSquare / (kFullScaleVolts * kFullScaleVolts)) + 1e-9) << phase;
  }
}

TEST(SpectrumFigures, AliasOfTheSineBeyondNyquistIsTheStrongestBin) {
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (int interval = 130; interval <= 200; ++interval) {
    engine.Compute(TSignalForm::sfSine, interval, 8, r);
    const double fs = 1000.0 / interval;
    const double alias = std::fabs(4.0 - std::round(4.0 / fs) * fs);
    EXPECT_NEAR(double(StrongestBin(r.sampled.dbfs)) * r.sampledBinMHz, alias, r.sampledBinMHz) << interval;
    ASSERT_EQ(r.aliases.size(), 1u) << interval;
    EXPECT_DOUBLE_EQ(r.aliases[0].aliasMHz, alias);
  }
}

// A synthetic full-scale sine (5 V) centred on a bin reads 0 dBFS with either
// window; off the bin the window spreads it, but its line keeps the power.
TEST(SpectrumLevels, FullScaleSineReadsZeroDbfs) {
  struct TCase {
    TWindowKind window;
    double bin;
  };
  const TCase cases[] = {{TWindowKind::wkRectangular, 7}, {TWindowKind::wkHann, 7}, {TWindowKind::wkHann, 7.37},
                         {TWindowKind::wkHann, 30.5}};
  TRealFft fft;
  TBinSpectrum s;
  std::vector<double> x(128);
  for (const TCase& c : cases) {
    for (std::size_t n = 0; n < x.size(); ++n)
      x[n] = kFullScaleVolts * std::sin(2 * std::numbers::pi * c.bin * double(n) / double(x.size()) + 0.3);
    AnalyseRecord(x, c.window, fft, s);
    const long centre = std::lround(c.bin);
    if (c.bin == double(centre)) {  // on a bin: nothing leaks beyond the window's line
      EXPECT_NEAR(s.dbfs[std::size_t(centre)], 0.0, 0.1);
      EXPECT_LT(s.dbfs[std::size_t(centre + 3)], -150.0);
    }
    double line = 0;
    for (long k = centre - LineHalfWidth(c.window); k <= centre + LineHalfWidth(c.window); ++k) line += s.power[std::size_t(k)];
    EXPECT_NEAR(10 * std::log10(line / (kFullScaleVolts * kFullScaleVolts / 2)), 0.0, 0.1) << c.bin;
  }
  EXPECT_EQ(fft.PlanCount(), 1u);  // one length, one plan
}

TEST(SpectrumLevels, AnalogSpectrumShowsTheWaveformsComponents) {
  struct TCase {
    TSignalForm form;
    double mhz, dbfs;  // a component and its level: 20 log10(amplitude / 5 V)
  };
  const TCase cases[] = {
      {TSignalForm::sfSine, 4, 20 * std::log10(4.8 / 5)},      {TSignalForm::sfThreeTermSine, 2, 20 * std::log10(1.0 / 5)},
      {TSignalForm::sfThreeTermSine, 8, 20 * std::log10(2.0 / 5)}, {TSignalForm::sfThreeTermSine, 32, 20 * std::log10(2.0 / 5)},
      // The pulse's transform is 4 V * pi / 0.1 per ns across its band: over 1000 ns
      // that reads as a sine of 2 * 40 pi / 1000 V in every bin.
      {TSignalForm::sfSinc, 10, 20 * std::log10(80 * std::numbers::pi / 1000 / 5)},
  };
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (const TCase& c : cases) {
    engine.Compute(c.form, 10, 8, r);
    EXPECT_NEAR(r.analog.dbfs[std::size_t(c.mhz / r.analogBinMHz)], c.dbfs, 0.5) << int(c.form) << " " << c.mhz;
  }
}

// Where each waveform's main components above fs/2 land, and no mark below it.
TEST(SpectrumAliases, MainComponentsFoldIntoTheBand) {
  struct TCase {
    TSignalForm form;
    int interval;
    std::vector<double> aliases;  // MHz, in the components' order
  };
  const TCase cases[] = {
      {TSignalForm::sfSine, 125, {}},                        // 4 MHz sits on fs/2 = 4 MHz
      {TSignalForm::sfSine, 150, {4.0 - 20.0 / 3}},          // |4 - 6.67|
      {TSignalForm::sfThreeTermSine, 10, {}},                // all below 50 MHz
      {TSignalForm::sfThreeTermSine, 20, {18}},              // 32 -> |32 - 50|
      {TSignalForm::sfThreeTermSine, 100, {2, 2}},           // 8 -> |8 - 10|, 32 -> |32 - 30|
      {TSignalForm::sfSawtooth, 50, {8, 4, 0, 4, 8, 8, 4, 0}},  // fs 20: 12, 16, ... 40 MHz
      {TSignalForm::sfSinc, 50, {100 / std::numbers::pi / 2 * 1 - 20}},  // 15.9 -> 4.08
      {TSignalForm::sfChirp, 20, {50 - 200 / std::numbers::pi / 2}},     // 31.8 -> 18.17
  };
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (const TCase& c : cases) {
    engine.Compute(c.form, c.interval, 8, r);
    ASSERT_EQ(r.aliases.size(), c.aliases.size()) << int(c.form) << " at " << c.interval;
    for (std::size_t i = 0; i < c.aliases.size(); ++i) {
      EXPECT_NEAR(r.aliases[i].aliasMHz, std::fabs(c.aliases[i]), 1e-9) << int(c.form) << " at " << c.interval;
      EXPECT_LE(r.aliases[i].aliasMHz, r.nyquistMHz);
    }
  }
}

// The window follows the record: whole periods or a whole event need none.
TEST(SpectrumWindows, RecordDecidesTheWindow) {
  struct TCase {
    TSignalForm form;
    int interval;
    TWindowKind kind;
    TWindowReason reason;
    bool figures;  // the sine's, where the record has room for them
  };
  const TCase cases[] = {
      {TSignalForm::sfSine, 10, TWindowKind::wkRectangular, TWindowReason::wrWholePeriods, true},
      {TSignalForm::sfSawtooth, 200, TWindowKind::wkRectangular, TWindowReason::wrWholePeriods, false},
      {TSignalForm::sfSine, 7, TWindowKind::wkHann, TWindowReason::wrCutPeriods, true},
      {TSignalForm::sfThreeTermSine, 130, TWindowKind::wkHann, TWindowReason::wrCutPeriods, false},
      {TSignalForm::sfSinc, 7, TWindowKind::wkRectangular, TWindowReason::wrWholeEvent, false},
      {TSignalForm::sfChirp, 10, TWindowKind::wkRectangular, TWindowReason::wrWholeEvent, false},
      // Beyond the scroll bar: 4 samples still get Hann (its lines fill them), 3 none.
      {TSignalForm::sfSine, 300, TWindowKind::wkHann, TWindowReason::wrCutPeriods, false},
      // Three samples are too few for the figures.
      {TSignalForm::sfSine, 400, TWindowKind::wkRectangular, TWindowReason::wrCutPeriods, false},
  };
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (const TCase& c : cases) {
    engine.Compute(c.form, c.interval, 8, r);
    EXPECT_EQ(r.window.kind, c.kind) << int(c.form) << " at " << c.interval;
    EXPECT_EQ(r.window.reason, c.reason) << int(c.form) << " at " << c.interval;
    EXPECT_EQ(r.figures.has_value(), c.figures);
  }
  engine.Compute(TSignalForm::sfSine, 125, 8, r);  // every sample on a zero crossing
  EXPECT_FALSE(r.figures);
}

}  // namespace
}  // namespace quantora
