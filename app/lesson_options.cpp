#include "app/lesson_options.h"

#include "app/chain_options.h"
#include "app/message_text.h"
#include "lesson/lesson_reader.h"

namespace quantora {
namespace {

// A lesson's setting as the options a command line gives: only what it names.
TGivenSettings GivenOf(const TLessonSetting& lesson) {
  TGivenSettings given{lesson.form,       lesson.interval,  lesson.bits, lesson.showPoints,
                       lesson.showSampled, lesson.showError, lesson.reconstruction, {}};
  TGivenChain& chain = given.chain;
  chain.amplitudeV = lesson.amplitudeV;
  chain.frequencyMHz = lesson.frequencyMHz;
  chain.offsetV = lesson.offsetV;
  chain.noiseMv = lesson.noiseMv;
  chain.jitterPs = lesson.jitterPs;
  chain.offsetErrorLsb = lesson.offsetErrorLsb;
  chain.gainErrorPercent = lesson.gainErrorPercent;
  chain.inlLsb = lesson.inlLsb;
  chain.dnlLsb = lesson.dnlLsb;
  chain.dither = lesson.dither;
  chain.subtractDither = lesson.subtractDither;
  chain.seed = lesson.seed;
  return given;
}

// The exports that draw or write a stretch of the time axis (the others work
// on the whole record, and the command line refuses --time-range for them).
bool ShowsTimeRange(TProgramAction action) {
  return action == TProgramAction::paRunWindow || action == TProgramAction::paExportCsv ||
         action == TProgramAction::paExportPng || action == TProgramAction::paExportPdf;
}

}  // namespace

void ApplyLessonToSettings(const TLessonSetting& lesson, TSimulationSettings& settings, TPlotOptions& options) {
  ApplyGivenSettings(GivenOf(lesson), settings, options);
}

bool ApplyLessonOption(TCommandLine& commandLine, std::string& error, std::vector<std::string>& warnings) {
  if (commandLine.lessonPath.empty()) return true;
  TLessonReading reading = ReadLessonFile(commandLine.lessonPath);
  warnings = std::move(reading.warnings);
  if (!reading.lesson) {
    error = std::move(reading.error);
    return false;
  }
  const std::size_t steps = reading.lesson->steps.size();
  const std::size_t step = std::size_t(commandLine.lessonStep.value_or(0));
  if (step > steps) {
    error = "--step " + std::to_string(step) + " asks for a step the lesson " + QuotedForMessage(commandLine.lessonPath) +
            " lacks (it has " + std::to_string(steps) + ")";
    return false;
  }
  const TLessonSetting setting = SettingAtStep(*reading.lesson, step);
  TSimulationSettings settings;
  TPlotOptions options;
  ApplyLessonToSettings(setting, settings, options);
  ApplyGivenSettings(commandLine.given, settings, options);
  commandLine.settings = settings;
  commandLine.options = options;
  if (commandLine.language.empty() && setting.language) commandLine.language = *setting.language;
  // Both charts follow the analog chart's time axis (the sampled chart's when only it is given).
  const std::optional<TChartView> view = setting.analogView ? setting.analogView : setting.sampledView;
  if (!commandLine.timeRange && view && ShowsTimeRange(commandLine.action))
    commandLine.timeRange = TTimeRange{view->timeFrom, view->timeTo};
  return true;
}

}  // namespace quantora
