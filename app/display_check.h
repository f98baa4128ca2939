#pragma once
// Whether a window start has a display to open its window on. Without one the
// toolkit would abort with several lines of its own; the program ends with one
// line instead (see main.cpp), and ./run.sh renders the window to a picture.

#include <span>
#include <string_view>

namespace quantora {

// The environment variable's value, or null when it is unset.
using TEnvironmentLookup = const char* (*)(const char* name);

// True when the toolkit's platform is chosen (QT_QPA_PLATFORM, or a
// "-platform" argument, which the toolkit reads itself) or an X or Wayland
// display is named; then the toolkit decides. args excludes the program name.
bool DisplayAvailable(std::span<const std::string_view> args, TEnvironmentLookup lookup);

}  // namespace quantora
