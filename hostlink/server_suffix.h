#pragma once
// Which host the program talks to, and which arguments are its own.
//
// The host's endpoint is named by a suffix: the configuration value
// "demon/ViewerHandle" (system-wide settings of organisation "Quillon",
// application "tessera": /etc/xdg/Quillon/tessera.conf on Linux) when it is
// neither empty nor "00000000"; otherwise the rest of the last argument whose
// first 14 characters, with A-Z lower-cased, are "/serverhandle=" (lower-cased
// too); otherwise the configuration value as it is.

#include <string>
#include <vector>

namespace tessera {

inline constexpr char kServerHandleArgument[] = "/serverhandle=";

// The suffix from the configuration value and the command line (arguments[0]
// is the executable and never counts).
std::string ServerSuffix(const std::string& configured, const std::vector<std::string>& arguments);

// The command line without the arguments that begin "/serverhandle=" in
// exactly that letter case; the executable stays first.
std::vector<std::string> ProgramParams(const std::vector<std::string>& arguments);

// The configuration value, or empty when the file, key or value is missing.
// Only read, never written.
std::string ConfiguredViewerHandle();

}  // namespace tessera
