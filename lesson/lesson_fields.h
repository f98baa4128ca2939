#pragma once
// Every field of a lesson setting, once, with its name in the file and what it
// may hold: the reader, the writer and the merging of steps all walk this list,
// so a new setting is added in one place.

#include <array>
#include <span>
#include <string_view>

#include "lesson/lesson.h"
#include "model/setting_names.h"

namespace quantora::lessonfields {

struct TWhole {  // a whole number in min .. max
  long long min, max;
};
struct TNamed {  // one of `names`; an enumeration takes the name's index
  std::span<const std::string_view> names;
};
struct TSwitch {};  // true or false
struct TView {};    // a chart's time_from, time_to, amplitude_low, amplitude_high

inline constexpr std::array<std::string_view, 2> kLanguageNames{"en", "de"};

// Calls visit(key, member, kind) for every field in the file's order.
template <class TVisit>
void ForEachField(TVisit&& visit) {
  using S = TLessonSetting;
  visit("waveform", &S::form, TNamed{kWaveNames});
  visit("interval", &S::interval, TWhole{MinInterval, MaxInterval});
  visit("bits", &S::bits, TWhole{MinResolution, MaxResolution});
  visit("samples", &S::showPoints, TSwitch{});
  visit("sampled", &S::showSampled, TSwitch{});
  visit("error", &S::showError, TSwitch{});
  visit("reconstruction", &S::reconstruction, TNamed{kReconstructionNames});
  visit("amplitude", &S::amplitudeV, kAmplitudeRange);
  visit("frequency", &S::frequencyMHz, kFrequencyRange);
  visit("offset", &S::offsetV, kOffsetRange);
  visit("noise", &S::noiseMv, kNoiseRange);
  visit("jitter", &S::jitterPs, kJitterRange);
  visit("offset_error", &S::offsetErrorLsb, kOffsetErrorRange);
  visit("gain_error", &S::gainErrorPercent, kGainErrorRange);
  visit("inl", &S::inlLsb, kInlRange);
  visit("dnl", &S::dnlLsb, kDnlRange);
  visit("dither", &S::dither, TNamed{kDitherNames});
  visit("subtract_dither", &S::subtractDither, TSwitch{});
  visit("seed", &S::seed, TWhole{0, kMaxSeed});
  visit("analog_chart", &S::analogView, TView{});
  visit("sampled_chart", &S::sampledView, TView{});
  visit("link_time_axes", &S::linkTimeAxes, TSwitch{});
  visit("link_amplitudes", &S::linkAmplitudes, TSwitch{});
  visit("spectrum_window", &S::spectrumOpen, TSwitch{});
  visit("language", &S::language, TNamed{kLanguageNames});
}

// The four numbers of a chart's view in the file's order.
inline constexpr std::array<std::string_view, 4> kViewKeys{"time_from", "time_to", "amplitude_low",
                                                           "amplitude_high"};

}  // namespace quantora::lessonfields
