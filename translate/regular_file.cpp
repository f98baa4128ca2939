#include "translate/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace glossator {

bool ReadRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes) {
  // Non-blocking open: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            static_cast<unsigned long long>(info.st_size) <= maxSize;
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

}  // namespace glossator
