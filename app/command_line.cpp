#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <set>

#include "app/message_text.h"
#include "app/picture_scale.h"
#include "app/program_help.h"
#include "app/whole_number.h"

namespace quantora {
namespace {

static_assert(kMaxSeed <= std::uint32_t(std::numeric_limits<int>::max()), "--seed is read as an int");

// A decimal number of ns on the time axis, the whole text and nothing else.
std::optional<double> ParseAxisTime(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !(value >= 0 && value <= TimeAxisEnd))
    return std::nullopt;
  return value;
}

std::optional<bool> ParseOnOff(std::string_view text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

TCommandLine Failure(std::string message) {
  TCommandLine failed;
  failed.action = TProgramAction::paFail;
  failed.errorMessage = "quantora: " + std::move(message);
  return failed;
}

// The value after an option, or nothing when the arguments end or another
// option follows.
std::optional<std::string_view> ValueAfter(std::span<const std::string_view> args,
                                           std::size_t& index) {
  if (index + 1 >= args.size() || args[index + 1].starts_with("--")) return std::nullopt;
  return args[++index];
}

// Records the lesson `path` names; false when another one was named before.
bool NameLesson(TCommandLine& parsed, std::string_view path) {
  if (!parsed.lessonPath.empty() && parsed.lessonPath != path) return false;
  parsed.lessonPath = std::string(path);
  return true;
}

TCommandLine TwoLessons(std::string_view first, std::string_view second) {
  return Failure("two lessons named, " + QuotedForMessage(first) + " and " + QuotedForMessage(second) +
                 " (one lesson per run)");
}

}  // namespace

TCommandLine ParseCommandLine(std::span<const std::string_view> args) {
  if (std::find(args.begin(), args.end(), "--help") != args.end() ||
      std::find(args.begin(), args.end(), "-h") != args.end()) {
    TCommandLine help;
    help.action = TProgramAction::paShowHelp;
    return help;
  }

  TCommandLine parsed;
  std::set<std::string_view> given;
  std::string_view exportOption;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    // Not one of ours: a parameter of the program (or a host argument), which
    // may name a lesson to open.
    if (!option.starts_with("--")) {
      if (option.ends_with(".qlesson") && !NameLesson(parsed, option)) return TwoLessons(parsed.lessonPath, option);
      continue;
    }

    const bool output =
        option == "--export-csv" || option == "--export-png" || option == "--export-pdf" || option == "--stats" ||
        option == "--export-spectrum-csv" || option == "--export-linearity-csv" || option == "--export-wav";
    const bool known = output || option == "--wave" || option == "--interval" || option == "--bits" ||
                       option == "--samples" || option == "--sampled" || option == "--error" ||
                       option == "--language" || option == "--no-about" || option == "--time-range" ||
                       option == "--scale" || option == "--dither" || option == "--subtract-dither" ||
                       option == "--seed" || option == "--reconstruction" || option == "--wav-part" ||
                       option == "--lesson" || option == "--step" ||
                       FindChainNumberOption(option);
    if (!known) return Failure("unknown option " + QuotedForMessage(option) + " (see --help)");
    // One value per option and one export per run: a second one would silently
    // win over the first, or leave one of two asked files unwritten.
    if (!given.insert(option).second) return Failure("option " + std::string(option) + " given twice");
    if (output) {
      if (!exportOption.empty())
        return Failure("options " + std::string(exportOption) + " and " + std::string(option) +
                       " exclude each other (one export per run)");
      exportOption = option;
    }
    if (option == "--no-about") {  // takes no value
      parsed.showAbout = false;
      continue;
    }
    if (option == "--stats") {  // the figures on standard output; takes no value
      parsed.action = TProgramAction::paShowStats;
      continue;
    }
    if (option == "--subtract-dither") {  // a switch; takes no value
      parsed.settings.chain.dither.subtract = true;
      parsed.given.chain.subtractDither = true;
      continue;
    }
    const std::optional<std::string_view> value = ValueAfter(args, i);
    if (!value) return Failure("option " + std::string(option) + " needs a value");

    if (const TChainNumberOption* number = FindChainNumberOption(option)) {
      const auto parsedValue = ParseChainNumber(*value, number->range);
      if (!parsedValue)
        return Failure("bad value " + QuotedForMessage(*value) + " for " + std::string(option) +
                       " (expected a number of " + std::string(number->unit) + ", " +
                       SettingRangeText(number->range) + ")");
      number->field(parsed.settings.chain) = *parsedValue;
      parsed.given.chain.*number->given = *parsedValue;
    } else if (option == "--dither") {
      const auto kind = ParseDitherName(*value);
      if (!kind) return Failure("bad value " + QuotedForMessage(*value) + " for --dither (expected none, rect or tri)");
      parsed.settings.chain.dither.kind = *kind;
      parsed.given.chain.dither = *kind;
    } else if (option == "--seed") {
      const auto seed = ParseWhole(*value, 0, int(kMaxSeed));
      if (!seed)
        return Failure("bad value " + QuotedForMessage(*value) + " for --seed (expected a whole number, " +
                       RangeText(0, int(kMaxSeed)) + ")");
      parsed.settings.chain.seed = std::uint32_t(*seed);
      parsed.given.chain.seed = std::uint32_t(*seed);
    } else if (output) {  // an export with its file
      if (value->empty()) return Failure("option " + std::string(option) + " needs a file name");
      parsed.action = option == "--export-csv"            ? TProgramAction::paExportCsv
                      : option == "--export-png"          ? TProgramAction::paExportPng
                      : option == "--export-spectrum-csv" ? TProgramAction::paExportSpectrumCsv
                      : option == "--export-linearity-csv" ? TProgramAction::paExportLinearityCsv
                      : option == "--export-wav"          ? TProgramAction::paExportWav
                                                          : TProgramAction::paExportPdf;
      parsed.exportPath = std::string(*value);
    } else if (option == "--lesson") {
      if (value->empty()) return Failure("option --lesson needs a file name");
      if (!NameLesson(parsed, *value)) return TwoLessons(parsed.lessonPath, *value);
    } else if (option == "--step") {
      parsed.lessonStep = ParseWhole(*value, 1, std::numeric_limits<int>::max());
      if (!parsed.lessonStep)
        return Failure("bad value " + QuotedForMessage(*value) + " for --step (expected a step number, 1 or more)");
    } else if (option == "--wav-part") {
      parsed.wavPart = ParseSoundPart(*value);
      if (!parsed.wavPart)
        return Failure("bad value " + QuotedForMessage(*value) + " for --wav-part (expected analog or output)");
    } else if (option == "--samples" || option == "--sampled" || option == "--error") {
      const auto on = ParseOnOff(*value);
      if (!on) return Failure("bad value " + QuotedForMessage(*value) + " for " + std::string(option) + " (expected on or off)");
      bool& flag = option == "--samples"   ? parsed.options.showPoints
                   : option == "--sampled" ? parsed.options.showSampled
                                           : parsed.options.showError;
      flag = *on;
      (option == "--samples"   ? parsed.given.showPoints
       : option == "--sampled" ? parsed.given.showSampled
                               : parsed.given.showError) = *on;
    } else if (option == "--reconstruction") {
      const auto kind = ParseReconstruction(*value);
      if (!kind)
        return Failure("bad value " + QuotedForMessage(*value) +
                       " for --reconstruction (expected hold, linear, sinc or filter)");
      parsed.options.reconstruction = *kind;
      parsed.given.reconstruction = *kind;
    } else if (option == "--time-range") {
      const std::optional<std::string_view> to = ValueAfter(args, i);
      if (!to) return Failure("option --time-range needs two values, FROM and TO");
      const auto from = ParseAxisTime(*value);
      const auto end = ParseAxisTime(*to);
      if (!from || !end || !(*from < *end))
        return Failure("bad values " + QuotedForMessage(*value) + " " + QuotedForMessage(*to) +
                       " for --time-range (expected FROM TO in ns, 0 <= FROM < TO <= 1000)");
      parsed.timeRange = TTimeRange{*from, *end};
    } else if (option == "--language") {
      if (*value != "en" && *value != "de")
        return Failure("bad value " + QuotedForMessage(*value) + " for --language (expected en or de)");
      parsed.language = std::string(*value);
    } else if (option == "--scale") {
      const auto scale = ParsePictureScale(*value);
      if (!scale)
        return Failure("bad value " + QuotedForMessage(*value) + " for --scale (expected " + PictureScalesText() + ")");
      parsed.pictureScale = *scale;
    } else if (option == "--wave") {
      const auto form = ParseWaveName(*value);
      if (!form)
        return Failure("bad value " + QuotedForMessage(*value) +
                       " for --wave (expected sine, 3-term-sine, sawtooth, sinc or chirp)");
      parsed.settings.form = *form;
      parsed.given.form = *form;
    } else if (option == "--interval") {
      const auto interval = ParseWhole(*value, MinInterval, MaxInterval);
      if (!interval)
        return Failure("bad value " + QuotedForMessage(*value) +
                       " for --interval (expected a whole number of ns, " +
                       RangeText(MinInterval, MaxInterval) + ")");
      parsed.settings.interval = *interval;
      parsed.given.interval = *interval;
    } else {
      const auto bits = ParseWhole(*value, MinResolution, MaxResolution);
      if (!bits)
        return Failure("bad value " + QuotedForMessage(*value) +
                       " for --bits (expected a whole number, " +
                       RangeText(MinResolution, MaxResolution) + ")");
      parsed.settings.bits = *bits;
      parsed.given.bits = *bits;
    }
  }
  if (parsed.lessonStep && parsed.lessonPath.empty())
    return Failure("option --step needs a lesson (--lesson FILE) whose steps it counts");
  if (given.contains("--wav-part") && parsed.action != TProgramAction::paExportWav)
    return Failure("option --wav-part needs --export-wav (it chooses the half of the sound)");
  if (given.contains("--scale") && parsed.action != TProgramAction::paExportPng)
    return Failure("option --scale needs --export-png (it sets the picture's scale)");
  // The figures and the spectra are of the whole record: refused rather than
  // silently computed over another range than the one asked for.
  if (parsed.timeRange && (parsed.action == TProgramAction::paShowStats ||
                           parsed.action == TProgramAction::paExportSpectrumCsv))
    return Failure("option --time-range does not apply to " + std::string(exportOption) +
                   ", which works on the whole 1000 ns record");
  // The sound runs the setting on for seconds, slowed down, not over a stretch of the record.
  if (parsed.timeRange && parsed.action == TProgramAction::paExportWav)
    return Failure("option --time-range does not apply to --export-wav, whose sound runs the setting on for "
                   "seconds, slowed down");
  // The linearity test drives the converter with a test sine of its own.
  if (parsed.timeRange && parsed.action == TProgramAction::paExportLinearityCsv)
    return Failure("option --time-range does not apply to --export-linearity-csv, which measures the converter "
                   "with a test sine of its own");
  return parsed;
}

void ApplyGivenSettings(const TGivenSettings& given, TSimulationSettings& settings, TPlotOptions& options) {
  settings.form = given.form.value_or(settings.form);
  settings.interval = given.interval.value_or(settings.interval);
  settings.bits = given.bits.value_or(settings.bits);
  options.showPoints = given.showPoints.value_or(options.showPoints);
  options.showSampled = given.showSampled.value_or(options.showSampled);
  options.showError = given.showError.value_or(options.showError);
  options.reconstruction = given.reconstruction.value_or(options.reconstruction);
  ApplyGivenChain(given.chain, settings.chain);
}

}  // namespace quantora
