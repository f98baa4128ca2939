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

#include "app/message_text.h"

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

// Gives the new file the old one's owner and group. Only root may give a file
// away: for anyone else (EPERM) the file stays the user's, with the old group
// where the user belongs to it, and a one-line note says so, since the write
// itself succeeded. Any other failure fails the write.
bool KeepOwner(int fd, const std::string& target, const struct stat& old, int& error) {
  if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) return true;
  if (::fchown(fd, old.st_uid, old.st_gid) == 0) return true;
  if (errno != EPERM) {
    error = errno;
    return false;
  }
  if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM) {
    error = errno;
    return false;
  }
  struct stat now {};
  if (::fstat(fd, &now) != 0) {
    error = errno;
    return false;
  }
  std::fprintf(stderr, "quantora: note: %s now has owner %u and group %u instead of %u and %u (only root may give "
               "a file away)\n", QuotedForMessage(target).c_str(), unsigned(now.st_uid), unsigned(now.st_gid),
               unsigned(old.st_uid), unsigned(old.st_gid));
  return true;
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
  if (ok && old && !KeepOwner(fd, target, *old, error)) ok = false;
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
