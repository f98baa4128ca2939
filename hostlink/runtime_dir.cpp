#include "hostlink/runtime_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tessera {

namespace {

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string TemporaryFolder() {
  std::string tmp = EnvironmentValue("TMPDIR");
  if (tmp.empty()) tmp = "/tmp";
  while (tmp.size() > 1 && tmp.back() == '/') tmp.pop_back();
  return tmp;
}

TRuntimeDir Refused(const std::string& path, const std::string& why) {
  return TRuntimeDir{{}, "the link directory " + path + " " + why};
}

}  // namespace

TRuntimeDir OpenRuntimeDirAt(const std::string& path) {
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
    return Refused(path, std::string("cannot be created: ") + std::strerror(errno));
  struct stat info{};
  if (lstat(path.c_str(), &info) != 0) return Refused(path, std::string("cannot be read: ") + std::strerror(errno));
  if (!S_ISDIR(info.st_mode)) return Refused(path, "is not a directory");
  if (info.st_uid != geteuid()) return Refused(path, "belongs to another user");
  if ((info.st_mode & 077) != 0) return Refused(path, "can be reached by other users (mode must be 0700)");
  return TRuntimeDir{path, {}};
}

TRuntimeDir OpenRuntimeDir() {
  const std::string own = EnvironmentValue("QUANTORA_RUNTIME_DIR");
  if (!own.empty()) return OpenRuntimeDirAt(own);
  const std::string xdg = EnvironmentValue("XDG_RUNTIME_DIR");
  if (!xdg.empty()) return OpenRuntimeDirAt(xdg + "/quantora");
  // In a shared folder only its sticky bit (or owning it) keeps another user
  // from renaming our directory away and putting one of theirs in its place.
  const std::string parent = TemporaryFolder();
  const std::string fallback = parent + "/quantora-" + std::to_string(geteuid());
  struct stat info{};
  if (stat(parent.c_str(), &info) == 0 && (info.st_mode & S_ISVTX) == 0 && info.st_uid != geteuid())
    return Refused(fallback, "is refused: its folder " + parent +
                                 " is neither sticky nor yours, so another user could replace it");
  return OpenRuntimeDirAt(fallback);
}

}  // namespace tessera
