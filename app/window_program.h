#pragma once
// The interactive program: the application object, the main window and the
// About dialog, and the rendering of the window to a PNG file.

#include "app/command_line.h"

namespace quantora {

// Opens the window with the command line's starting values and runs the event
// loop; returns the program's exit status.
int RunWindow(const TCommandLine& commandLine, int argc, char** argv);

// Renders the window at its design size after start-up (no About dialog) to the
// PNG file commandLine.exportPath; returns the exit status (1 when the file
// cannot be written, with a one-line message on standard error).
int ExportWindowPng(const TCommandLine& commandLine, int argc, char** argv);

}  // namespace quantora
