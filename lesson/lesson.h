#pragma once
// A lesson: a whole setting of the simulation, and optionally a title and a
// sequence of steps, each with a sentence for the class and the setting
// changes it makes. A lesson file (.qlesson) holds one as UTF-8 JSON; the
// fields and their ranges are listed in docs/lesson-format.md.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/chain_settings.h"
#include "model/signal_form.h"
#include "reconstruction/reconstruction_kind.h"

namespace quantora {

// The format this program writes and the only one it reads.
inline constexpr int kLessonFormatVersion = 1;
// Far above any real lesson (a few KiB): larger files are refused unread.
inline constexpr std::size_t kMaxLessonFileSize = 1u << 20;
// Objects and arrays nested deeper are refused before parsing; a lesson needs 5.
inline constexpr int kMaxLessonDepth = 16;
// The visible stretch of a chart: time in ns, amplitudes in V, each low < high.
inline constexpr double kViewTimeEnd = TimeAxisEnd;
inline constexpr TSettingRange kViewAmplitudeRange{-1000.0, 1000.0};

struct TChartView {
  double timeFrom = 0.0, timeTo = kViewTimeEnd;
  double amplitudeLow = -5.5, amplitudeHigh = 5.5;
  bool operator==(const TChartView&) const = default;
};

// The fields a setting names, each only when given: a lesson's own setting
// leaves the others at the program's start values, a step's setting leaves
// them as the steps before it set them.
struct TLessonSetting {
  std::optional<TSignalForm> form;
  std::optional<int> interval;  // ns
  std::optional<int> bits;
  std::optional<bool> showPoints, showSampled, showError;  // the three check boxes
  std::optional<TReconstruction> reconstruction;
  std::optional<double> amplitudeV, frequencyMHz, offsetV;  // the generator
  std::optional<double> noiseMv, jitterPs, offsetErrorLsb, gainErrorPercent, inlLsb, dnlLsb;
  std::optional<TDitherKind> dither;
  std::optional<bool> subtractDither;
  std::optional<std::uint32_t> seed;
  std::optional<TChartView> analogView, sampledView;
  std::optional<bool> linkTimeAxes, linkAmplitudes;
  std::optional<bool> spectrumOpen;  // the spectrum window
  std::optional<std::string> language;  // "en" or "de"
  bool operator==(const TLessonSetting&) const = default;
};

struct TLessonStep {
  std::string title;
  std::map<std::string, std::string> text;  // language ("en", "de", ...) -> the step's sentences
  TLessonSetting setting;                   // what this step changes
  bool operator==(const TLessonStep&) const = default;
};

struct TLesson {
  int version = kLessonFormatVersion;
  std::optional<std::string> title;
  TLessonSetting setting;
  std::vector<TLessonStep> steps;
  bool operator==(const TLesson&) const = default;
};

// Sets in `into` each field `change` gives; the others stay.
void ApplyLessonSetting(const TLessonSetting& change, TLessonSetting& into);

// The lesson's setting with the changes of steps 1 .. `step` on it (0: the
// setting alone); `step` must be at most the number of steps.
TLessonSetting SettingAtStep(const TLesson& lesson, std::size_t step);

}  // namespace quantora
