#pragma once
// The per-user directory that holds every endpoint and the single-instance
// locks: $QUANTORA_RUNTIME_DIR when set (tests point it at a fresh folder),
// else $XDG_RUNTIME_DIR/quantora, else quantora-<uid> in the system's
// temporary folder. It is created with mode 0700 and refused when it is not a
// real directory owned by this user or when others can reach into it; the
// last one also when that folder is neither sticky nor this user's.

#include <string>

namespace tessera {

struct TRuntimeDir {
  std::string path;   // without a trailing '/'; empty when refused
  std::string error;  // why it was refused (one line), empty when usable
  bool Usable() const { return error.empty(); }
};

// Resolves, creates and checks the directory (no caching: the environment decides).
TRuntimeDir OpenRuntimeDir();
// Creates and checks a given directory.
TRuntimeDir OpenRuntimeDirAt(const std::string& path);

}  // namespace tessera
