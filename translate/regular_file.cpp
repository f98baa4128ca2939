#include "translate/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace glossator {

namespace {

// Opens `path` for reading when it is a regular file (links followed), never
// waiting on a FIFO; -1 otherwise. `info` is the open file's.
int OpenRegularFile(const std::string& path, struct stat& info) {
  // Non-blocking open: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
  ::close(fd);
  return -1;
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes) {
  struct stat info {};
  const int fd = OpenRegularFile(path, info);
  if (fd < 0) return false;
  bool ok = static_cast<unsigned long long>(info.st_size) <= maxSize;
  std::string read;
  if (ok) {
    // One byte more than the file had shows that it grew; the buffer grows with
    // it up to one byte past the limit, which shows a file too large.
    read.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
      if (got == read.size()) {
        if (read.size() > maxSize) break;
        read.resize(std::min(maxSize + 1, 2 * read.size()));
      }
      const ssize_t n = ::read(fd, read.data() + got, read.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ok = false;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    ok = ok && got <= maxSize;
    read.resize(got);
  }
  ::close(fd);
  if (ok) bytes = std::move(read);
  return ok;
}

bool ReadRegularFileHead(const std::string& path, std::size_t count, std::string& bytes) {
  struct stat info {};
  const int fd = OpenRegularFile(path, info);
  if (fd < 0) return false;
  std::string read(count, '\0');
  std::size_t got = 0;
  bool ok = true;
  while (got < count) {
    const ssize_t n = ::read(fd, read.data() + got, count - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (!ok) return false;
  read.resize(got);
  bytes = std::move(read);
  return true;
}

}  // namespace glossator
