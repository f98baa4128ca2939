#pragma once
// Everything that decides one run of the simulation: the waveform, the two
// knobs of the design (sampling interval, resolution) and the signal chain
// around them: the generator the student sets and the imperfections of a real
// converter. The defaults are the design's ideal converter on its five signals.
//
// The chain, in order: generator -> input noise -> sampling instant (with
// jitter) -> hold -> converter (offset and gain error, dither, quantizer with
// its nonlinearity, clipping at the ends of the range, optional subtraction of
// the dither) -> output.

#include <cstdint>

#include "model/signal_form.h"

namespace quantora {

// The closed range a setting may take; the window's controls and the command
// line both check against it.
struct TSettingRange {
  double min, max;
  constexpr bool Holds(double v) const { return v >= min && v <= max; }
};

// The design's sine: 4.8 V at 4 MHz (period 250 ns).
inline constexpr double kDesignAmplitudeV = 4.8;
inline constexpr double kDesignSineMHz = 4.0;

inline constexpr TSettingRange kAmplitudeRange{0.0, 10.0};      // V; beyond 5 V the converter clips
inline constexpr TSettingRange kFrequencyRange{0.1, 500.0};     // MHz, of the sine
inline constexpr TSettingRange kOffsetRange{-5.0, 5.0};         // V, DC added by the generator
inline constexpr TSettingRange kNoiseRange{0.0, 1000.0};        // mV, standard deviation
inline constexpr TSettingRange kJitterRange{0.0, 5000.0};       // ps, standard deviation
inline constexpr TSettingRange kOffsetErrorRange{-100.0, 100.0};  // LSB
inline constexpr TSettingRange kGainErrorRange{-20.0, 20.0};    // % of the ideal slope
inline constexpr TSettingRange kInlRange{-16.0, 16.0};          // LSB, the bow's peak at mid-scale
inline constexpr TSettingRange kDnlRange{0.0, 2.0};             // LSB, standard deviation of code widths
inline constexpr std::uint32_t kMaxSeed = 2147483647;           // seeds 0 .. 2^31 - 1

// The signal generator. The other waveforms than the sine scale like it: their
// values by amplitude / 4.8 V, their time axis by frequency / 4 MHz.
struct TGeneratorSettings {
  double amplitudeV = kDesignAmplitudeV;  // peak of the sine
  double frequencyMHz = kDesignSineMHz;   // of the sine
  double offsetV = 0.0;                   // DC added to the signal
  bool operator==(const TGeneratorSettings&) const = default;
};

// What a real converter adds; every one is off at 0.
struct TImperfections {
  double noiseMv = 0.0;           // Gaussian input noise, standard deviation
  double jitterPs = 0.0;          // Gaussian error of each sampling instant, standard deviation
  double offsetErrorLsb = 0.0;    // shifts every transition level
  double gainErrorPercent = 0.0;  // scales the input about 0 V
  double inlLsb = 0.0;            // integral nonlinearity: a bow with this peak at mid-scale
  double dnlLsb = 0.0;            // differential nonlinearity: standard deviation of the code widths
  bool operator==(const TImperfections&) const = default;
};

enum class TDitherKind {
  dkNone,
  dkRectangular,  // uniform, 1 LSB peak to peak
  dkTriangular,   // sum of two uniform, 2 LSB peak to peak
};

struct TDitherSettings {
  TDitherKind kind = TDitherKind::dkNone;
  bool subtract = false;  // the known dither is taken off the converter's output again
  bool operator==(const TDitherSettings&) const = default;
};

struct TChainSettings {
  TGeneratorSettings generator;
  TImperfections imperfections;
  TDitherSettings dither;
  std::uint32_t seed = 1;  // of every random draw: the same seed gives the same samples
  bool operator==(const TChainSettings&) const = default;
};

// True when the chain is the design's: the generator at its defaults, no
// imperfection, no dither. The seed then decides nothing.
constexpr bool IsIdealChain(const TChainSettings& c) {
  return c.generator == TGeneratorSettings{} && c.imperfections == TImperfections{} &&
         c.dither.kind == TDitherKind::dkNone;
}

// True when some random draw enters the samples (the seed matters).
constexpr bool DrawsAtRandom(const TChainSettings& c) {
  const TImperfections& i = c.imperfections;
  return i.noiseMv > 0 || i.jitterPs > 0 || i.dnlLsb > 0 || c.dither.kind != TDitherKind::dkNone;
}

// The ranges of the main window's two scroll bars, which every other way of
// choosing a setting (command line, lesson files) keeps to.
inline constexpr int MinInterval = 1;    // sampling interval scroll bar, ns
inline constexpr int MaxInterval = 200;
inline constexpr int MinResolution = 1;  // resolution scroll bar, bits
inline constexpr int MaxResolution = 16;
// The upper end of the analog chart's time axis, which bounds the sampling
// instants: the value the window passes, for computations without a window.
inline constexpr double TimeAxisEnd = 1000.0;

// The settings of one run.
struct TSimulationSettings {
  TSignalForm form = TSignalForm::sfSine;  // the waveform selected at start
  int interval = 10;                       // sampling interval T in ns
  int bits = 8;                            // converter resolution
  TChainSettings chain;                    // the design's ideal chain by default
  bool operator==(const TSimulationSettings&) const = default;
};

}  // namespace quantora
