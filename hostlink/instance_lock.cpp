#include "hostlink/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>

#include "hostlink/errors.h"

namespace tessera {

namespace {

struct THeldLock {
  int fd = -1;
  int shares = 0;
};

// Locks this process holds, by path.
std::map<std::string, THeldLock>& HeldLocks() {
  static std::map<std::string, THeldLock> held;
  return held;
}

std::mutex gHeldMutex;

}  // namespace

TInstanceLock::TResult TInstanceLock::Acquire(const std::string& directory, const std::string& name,
                                              std::uint32_t& id) {
  const std::lock_guard guard(gHeldMutex);
  const std::string path = directory + "/" + name;
  auto& held = HeldLocks();
  if (auto found = held.find(path); found != held.end()) {
    ++found->second.shares;
    id = std::uint32_t(found->second.fd);
    return ilTaken;
  }
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) throw EStarGaze("cannot open the single-instance lock " + path + ": " + std::strerror(errno));
  if (fd < 3) {  // keep the id away from 0 (no lock) and the standard streams
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    fd = moved;
    if (fd < 0) throw EStarGaze("cannot open the single-instance lock " + path + ": " + std::strerror(errno));
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) return ilHeldElsewhere;
    throw EStarGaze("cannot take the single-instance lock " + path + ": " + std::strerror(error));
  }
  held[path] = THeldLock{fd, 1};
  id = std::uint32_t(fd);
  return ilTaken;
}

void TInstanceLock::Release(std::uint32_t id) {
  const std::lock_guard guard(gHeldMutex);
  auto& held = HeldLocks();
  for (auto it = held.begin(); it != held.end(); ++it) {
    if (it->second.fd != int(id)) continue;
    if (--it->second.shares == 0) {
      close(it->second.fd);  // the lock goes with the file
      held.erase(it);
    }
    return;
  }
}

}  // namespace tessera
