// Program entry of Quantora Lab: the window, or an export of the simulated series
// or of the window's picture, as the command line asks.

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/file_replace.h"
#include "app/lesson_options.h"
#include "app/linearity_text.h"
#include "app/program_help.h"
#include "app/series_csv.h"
#include "app/sound_export.h"
#include "app/spectrum_text.h"
#include "app/stats_text.h"
#include "app/window_program.h"
#include "hostlink/runtime_dir.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitWriteFailed = 1;
constexpr int kExitStartFailed = 1;  // the window could not be opened
constexpr int kExitBadArguments = 2;
constexpr int kExitNoDisplay = 3;  // ./run.sh renders the window to a picture then

int PrintStats(const quantora::TCommandLine& commandLine) {
  const std::string text = quantora::StatsText(commandLine.settings, commandLine.options.reconstruction);
  std::string reason;
  if (quantora::WriteStandardOutput(text, reason)) return kExitOk;
  std::fprintf(stderr, "quantora: cannot write to standard output: %s\n", reason.c_str());
  return kExitWriteFailed;
}

// Qt wants a runtime directory of this user's and warns on standard error when
// XDG_RUNTIME_DIR is unset. The window gets the host link's directory, which it
// needs anyway (QUANTORA_RUNTIME_DIR keeps it the link's): when that is
// refused, the start ends with one line before Qt can add one of its own.
bool ProvideLinkDirectory() {
  const tessera::TRuntimeDir dir = tessera::OpenRuntimeDir();
  if (!dir.Usable()) {
    std::fprintf(stderr, "quantora: %s\n", dir.error.c_str());
    return false;
  }
  if (std::getenv("XDG_RUNTIME_DIR")) return true;
  setenv("QUANTORA_RUNTIME_DIR", dir.path.c_str(), 1);
  setenv("XDG_RUNTIME_DIR", dir.path.c_str(), 1);
  return true;
}

// A picture export has no host link: a private directory of its own, removed
// at the end.
std::string gPrivateRuntimeDirectory;

void ProvidePrivateRuntimeDirectory() {
  if (std::getenv("XDG_RUNTIME_DIR")) return;
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quantora-export-XXXXXX";
  if (!mkdtemp(pattern.data())) return;  // Qt says why it has none
  gPrivateRuntimeDirectory = pattern;
  std::atexit([] { rmdir(gPrivateRuntimeDirectory.c_str()); });
  setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  quantora::TCommandLine commandLine = quantora::ParseCommandLine(args);
  if (commandLine.action != quantora::TProgramAction::paFail &&
      commandLine.action != quantora::TProgramAction::paShowHelp) {
    std::string error;
    std::vector<std::string> warnings;
    const bool applied = quantora::ApplyLessonOption(commandLine, error, warnings);
    for (const std::string& warning : warnings) std::fprintf(stderr, "quantora: %s\n", warning.c_str());
    if (!applied) {
      std::fprintf(stderr, "quantora: %s\n", error.c_str());
      return kExitBadArguments;
    }
  }
  // Exports, figures and the help text need no display: Qt's offscreen
  // platform unless one is chosen.
  if (commandLine.action != quantora::TProgramAction::paRunWindow) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (commandLine.action == quantora::TProgramAction::paRunWindow &&
      !quantora::DisplayAvailable(args, [](const char* name) -> const char* { return std::getenv(name); })) {
    std::fprintf(stderr, "quantora: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); "
                         "--export-png FILE renders it to a picture\n");
    return kExitNoDisplay;
  }

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
    case quantora::TProgramAction::paExportCsv:
    case quantora::TProgramAction::paExportSpectrumCsv: {
      std::string error;
      quantora::TTimeWindow window;  // the whole axis
      if (commandLine.timeRange) window = {commandLine.timeRange->from, commandLine.timeRange->to, quantora::NumPoints};
      const bool written =
          commandLine.action == quantora::TProgramAction::paExportCsv
              ? quantora::ExportSeriesCsv(commandLine.settings, window, commandLine.exportPath, error,
                                          commandLine.options.reconstruction)
              : quantora::ExportSpectrumCsv(commandLine.settings, commandLine.exportPath, error);
      if (written) return kExitOk;
      std::fprintf(stderr, "%s\n", error.c_str());
      return kExitWriteFailed;
    }
    case quantora::TProgramAction::paExportLinearityCsv: {
      std::string error;
      if (quantora::ExportLinearityCsv(commandLine.settings, commandLine.exportPath, error)) return kExitOk;
      std::fprintf(stderr, "%s\n", error.c_str());
      return kExitWriteFailed;
    }
    case quantora::TProgramAction::paExportWav: {
      std::string error;
      if (quantora::ExportSoundWav(commandLine.settings, commandLine.options.reconstruction, commandLine.wavPart,
                                   commandLine.exportPath, error))
        return kExitOk;
      std::fprintf(stderr, "%s\n", error.c_str());
      return kExitWriteFailed;
    }
    case quantora::TProgramAction::paShowStats:
      return PrintStats(commandLine);
    case quantora::TProgramAction::paExportPng:
      ProvidePrivateRuntimeDirectory();
      return quantora::ExportWindowPng(commandLine, argc, argv);
    case quantora::TProgramAction::paExportPdf:
      ProvidePrivateRuntimeDirectory();
      return quantora::ExportWindowPdf(commandLine, argc, argv);
    case quantora::TProgramAction::paRunWindow:
      break;
  }
  if (!ProvideLinkDirectory()) return kExitStartFailed;
  return quantora::RunWindow(commandLine, argc, argv);
}
