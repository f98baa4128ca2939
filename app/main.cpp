// Program entry of Quantora Lab: the window, or an export of the simulated series
// or of the window's picture, as the command line asks.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/file_replace.h"
#include "app/model/quantization_figures.h"
#include "app/quantization_text.h"
#include "app/series_csv.h"
#include "app/window_program.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadArguments = 2;

int PrintStats(const quantora::TSimulationSettings& settings) {
  // About 64 KiB of series: kept off the stack.
  auto series = std::make_unique<quantora::TSimulationResult>();
  quantora::ComputeSeries(settings.form, settings.interval, settings.bits, quantora::TimeAxisEnd, *series);
  const std::string text =
      quantora::QuantizationStatsText(quantora::QuantizationFigures(settings.bits, *series));
  std::string reason;
  if (quantora::WriteStandardOutput(text, reason)) return kExitOk;
  std::fprintf(stderr, "quantora: cannot write to standard output: %s\n", reason.c_str());
  return kExitWriteFailed;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const quantora::TCommandLine commandLine = quantora::ParseCommandLine(args);

  switch (commandLine.action) {
    case quantora::TProgramAction::paFail:
      std::fprintf(stderr, "%s\n", commandLine.errorMessage.c_str());
      return kExitBadArguments;
    case quantora::TProgramAction::paShowHelp: {
      std::string reason;
      if (quantora::WriteStandardOutput(quantora::HelpText(), reason)) return kExitOk;
      std::fprintf(stderr, "quantora: cannot write the help text: %s\n", reason.c_str());
      return kExitWriteFailed;
    }
    case quantora::TProgramAction::paExportCsv: {
      std::string error;
      if (quantora::ExportSeriesCsv(commandLine.settings, commandLine.exportPath, error))
        return kExitOk;
      std::fprintf(stderr, "%s\n", error.c_str());
      return kExitWriteFailed;
    }
    case quantora::TProgramAction::paShowStats:
      return PrintStats(commandLine.settings);
    case quantora::TProgramAction::paExportPng:
      return quantora::ExportWindowPng(commandLine, argc, argv);
    case quantora::TProgramAction::paRunWindow:
      break;
  }
  return quantora::RunWindow(commandLine, argc, argv);
}
