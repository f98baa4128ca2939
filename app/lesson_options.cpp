#include "app/lesson_options.h"

#include "app/chain_options.h"
#include "app/message_text.h"
#include "lesson/lesson_reader.h"

namespace quantora {
namespace {

TGivenChain ChainOf(const TLessonSetting& lesson) {
  TGivenChain chain;
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
  return chain;
}

// The exports that draw or write a stretch of the time axis (the others work
// on the whole record, and the command line refuses --time-range for them).
bool ShowsTimeRange(TProgramAction action) {
  return action == TProgramAction::paRunWindow || action == TProgramAction::paExportCsv ||
         action == TProgramAction::paExportPng || action == TProgramAction::paExportPdf;
}

}  // namespace

void ApplyLessonToSettings(const TLessonSetting& lesson, TSimulationSettings& settings, TPlotOptions& options) {
  settings.form = lesson.form.value_or(settings.form);
  settings.interval = lesson.interval.value_or(settings.interval);
  settings.bits = lesson.bits.value_or(settings.bits);
  options.showPoints = lesson.showPoints.value_or(options.showPoints);
  options.showSampled = lesson.showSampled.value_or(options.showSampled);
  options.showError = lesson.showError.value_or(options.showError);
  options.reconstruction = lesson.reconstruction.value_or(options.reconstruction);
  ApplyGivenChain(ChainOf(lesson), settings.chain);
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
