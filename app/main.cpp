// Program entry of Quantora Lab. For now it exports the simulated series from the
// command line; the interactive window follows.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/series_csv.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadArguments = 2;

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const quantora::TCommandLine commandLine = quantora::ParseCommandLine(args);

  switch (commandLine.action) {
    case quantora::TProgramAction::paFail:
      std::fprintf(stderr, "%s\n", commandLine.errorMessage.c_str());
      return kExitBadArguments;
    case quantora::TProgramAction::paShowHelp:
      std::fputs(quantora::HelpText().c_str(), stdout);
      return kExitOk;
    case quantora::TProgramAction::paExportCsv: {
      std::string error;
      if (quantora::ExportSeriesCsv(commandLine.settings, commandLine.exportPath, error))
        return kExitOk;
      std::fprintf(stderr, "%s\n", error.c_str());
      return kExitWriteFailed;
    }
    case quantora::TProgramAction::paRunWindow:
      break;
  }
  std::puts("quantora: the interactive window is not built yet; use --export-csv (see --help).");
  return kExitOk;
}
