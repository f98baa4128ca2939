#pragma once
// Where the table of missed keys goes: the executable's file name with the
// extension ".itl", without a directory (so it lands in the current directory).

#include <string>
#include <string_view>

namespace glossator {

// The ".itl" file name for an executable path: the directory is dropped and the
// last extension, if any, becomes ".itl" ("/opt/q/quantora" -> "quantora.itl",
// "name.exe" -> "name.itl", ".hidden" -> ".hidden.itl"). An empty path gives
// "quantora.itl".
std::string ItlFileNameFor(std::string_view executablePath);

// The full path of the running executable (from /proc/self/exe), or an empty
// string when the system does not tell.
std::string CurrentExecutablePath();

}  // namespace glossator
