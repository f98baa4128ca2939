#pragma once
// The program's command line, parsed into a plain struct without side effects.
//   quantora [--export-csv FILE | --export-png FILE [--scale K] | --export-pdf FILE | --export-spectrum-csv FILE
//             | --export-linearity-csv FILE | --export-wav FILE [--wav-part analog|output] | --stats]
//            [--wave NAME] [--interval 1..200]
//            [--bits 1..16] [--samples on|off] [--sampled on|off] [--error on|off]
//            [--reconstruction hold|linear|sinc|filter]
//            [--time-range FROM TO]
//            [--amplitude V] [--frequency MHz] [--offset V] [--noise mV] [--jitter ps]
//            [--offset-error LSB] [--gain-error %] [--inl LSB] [--dnl LSB]
//            [--dither none|rect|tri] [--subtract-dither] [--seed N]
//            [--lesson FILE [--step N]]
//            [--language en|de] [--no-about] [--help] [PARAMETERS...]
// Arguments that do not begin "--" (and are not an option's value) are the
// program's parameters, which the host link keeps (a second start hands them
// to the running one); "/serverhandle=" arguments select the host. Neither is
// an error here. One that ends ".qlesson" also names the lesson, as --lesson
// does.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/chain_options.h"
#include "app/simulation_settings.h"
#include "sound/sound_clip.h"

namespace quantora {

enum class TProgramAction {
  paRunWindow,  // no export asked: the interactive program
  paExportCsv,  // write the model's series as CSV to exportPath
  paExportPng,  // render the main window at its design size to the PNG file exportPath
  paExportPdf,  // the main window at its design size as a one-page PDF (vector curves, real text)
  paExportSpectrumCsv,  // write the spectra of the setting as CSV to exportPath
  paExportLinearityCsv,  // write the converter's measured and set DNL/INL as CSV to exportPath
  paExportWav,  // write the setting's sound (analog, then output) as a WAV file to exportPath
  paShowStats,  // print the quantization figures of the settings, one line each, and stop
  paShowHelp,   // print HelpText (program_help.h) and stop
  paFail,       // a bad argument; errorMessage names it
};

// The setting options a command line names, each only when given: a second
// start hands its command line to the running window, which changes those.
struct TGivenSettings {
  std::optional<TSignalForm> form;
  std::optional<int> interval;
  std::optional<int> bits;
  std::optional<bool> showPoints;
  std::optional<bool> showSampled;
  std::optional<bool> showError;
  std::optional<TReconstruction> reconstruction;
  TGivenChain chain;
};

struct TCommandLine {
  TProgramAction action = TProgramAction::paRunWindow;  // what the program does
  TSimulationSettings settings;  // --wave, --interval, --bits and the chain's options (window defaults)
  TPlotOptions options;          // --samples, --sampled, --error (the check boxes), --reconstruction
  TGivenSettings given;          // which of the settings and check boxes were given
  std::optional<TTimeRange> timeRange = std::nullopt;  // --time-range: both charts and the series and window exports zoomed to it
  std::string language;          // --language: "en" or "de"; empty: the table beside the program
  std::string exportPath;        // --export-csv, --export-spectrum-csv, --export-linearity-csv or --export-wav ("-" is standard output), --export-png or --export-pdf
  std::optional<TSoundPart> wavPart;  // --wav-part: --export-wav writes only this half
  double pictureScale = 1.0;     // --scale: the --export-png picture at that many times the window's size
  bool showAbout = true;         // --no-about: false; the window starts without the modal About dialog
  std::string lessonPath;        // --lesson FILE or a FILE.qlesson parameter; empty: none (read by main, not here)
  std::optional<int> lessonStep; // --step N: the lesson's setting with the changes of steps 1 .. N
  std::string errorMessage;      // one line, set only for paFail
};

// args excludes the program name. The first bad argument decides the error;
// --help anywhere asks for the help text.
TCommandLine ParseCommandLine(std::span<const std::string_view> args);

// The options a command line gave, over `settings` and `options`; the rest kept.
void ApplyGivenSettings(const TGivenSettings& given, TSimulationSettings& settings, TPlotOptions& options);

}  // namespace quantora
