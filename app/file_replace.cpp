#include "app/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace quantora {
namespace {

std::string SystemReason(int error) { return std::strerror(error); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A device, FIFO or terminal: written where it is, never replaced or removed.
bool WriteInPlace(const std::string& path, std::string_view bytes, std::string& reason) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    reason = SystemReason(errno);
    return false;
  }
  const bool written = WriteAll(fd, bytes);
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (written && closed) return true;
  reason = SystemReason(written ? errno : writeError);
  return false;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a name stands for: a link to a regular file is followed, so that the
// link survives the replacement.
std::string ResolvedTarget(const std::string& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool ReplaceAtomically(const std::string& target, const struct stat* old, std::string_view bytes,
                       std::string& reason) {
  std::string temporary = FolderOf(target) + "/.quantora-XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    reason = SystemReason(errno);
    return false;
  }
  bool ok = WriteAll(fd, bytes);
  int error = errno;
  if (ok && ::fchmod(fd, old ? (old->st_mode & 07777) : NewFileMode()) != 0) ok = false, error = errno;
  if (ok && old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
    (void)::fchown(fd, old->st_uid, old->st_gid);  // best effort, as a copy by hand would do
  if (ok && ::fsync(fd) != 0) ok = false, error = errno;
  if (::close(fd) != 0 && ok) ok = false, error = errno;
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) ok = false, error = errno;
  if (ok) return true;
  ::unlink(temporary.c_str());
  reason = SystemReason(error);
  return false;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& reason) {
  // Past a file-size limit the system would end the program with SIGXFSZ and
  // leave the temporary file behind; ignored, the write fails with EFBIG.
  std::signal(SIGXFSZ, SIG_IGN);

  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return WriteInPlace(path, bytes, reason);
    // Renaming over a file needs only the folder's permission: a file the user
    // may not write is refused as opening it for writing would be.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
      reason = SystemReason(errno);
      return false;
    }
    return ReplaceAtomically(ResolvedTarget(path), &existing, bytes, reason);
  }
  if (errno != ENOENT) {
    reason = SystemReason(errno);
    return false;
  }
  return ReplaceAtomically(path, nullptr, bytes, reason);
}

bool WriteStandardOutput(std::string_view bytes, std::string& reason) {
  std::fflush(stdout);  // whatever stdio holds goes first
  if (WriteAll(STDOUT_FILENO, bytes)) return true;
  reason = SystemReason(errno);
  return false;
}

}  // namespace quantora
