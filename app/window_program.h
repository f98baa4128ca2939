#pragma once
// The interactive program: the application object, the main window and the
// About dialog, and the rendering of the window to a PNG file.

#include <memory>

#include "app/command_line.h"

namespace quantora {

class TForm1;
class TFrmAbout;
struct TFormStart;

struct TProgramWindows {
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TFrmAbout> about;
  TProgramWindows();
  TProgramWindows(TProgramWindows&&) noexcept;
  ~TProgramWindows();
};

// The program entry's steps after the application object: the application's
// title, the main window (translated with the command line's language), then
// the About dialog, hidden. A language whose table gives no texts is reported
// on standard error. `start` says how the main window starts (its table and
// start values come from the command line): by default it settles the single
// instance while it loads (a second start ends there) and shows the About
// dialog at its first showing.
TProgramWindows CreateWindows(const TCommandLine& commandLine, const TFormStart& start);
TProgramWindows CreateWindows(const TCommandLine& commandLine);

// Opens the window with the command line's starting values (the About dialog
// first, unless --no-about) and runs the event loop, reporting an error that
// escapes a handler in an error box; returns the program's exit status. An
// error while the window is created ends the start with its message on
// standard error and status 1.
int RunWindow(const TCommandLine& commandLine, int argc, char** argv);

// Renders the window at its design size after start-up (no About dialog) to the
// PNG file commandLine.exportPath; returns the exit status (1 when the file
// cannot be written, with a one-line message on standard error).
int ExportWindowPng(const TCommandLine& commandLine, int argc, char** argv);

// The same window as a one-page PDF the size of the window: the charts' curves
// as vector paths and every text as real text.
int ExportWindowPdf(const TCommandLine& commandLine, int argc, char** argv);

}  // namespace quantora
