#pragma once
// The single-instance lock: an advisory lock (flock) on a file in the link
// directory, held for the life of the process and released by the kernel when
// the process ends, so a crashed instance never blocks the next start.
//
// Within one process the lock is shared: a second component of the same
// program is not a second instance of it.

#include <cstdint>
#include <string>

namespace tessera {

class TInstanceLock {
 public:
  enum TResult {
    ilTaken,        // this process holds the lock now
    ilHeldElsewhere,  // another process holds it: another instance runs
  };
  // Tries to take the lock `name` in `directory`; throws EStarGaze when the
  // lock file cannot be opened.
  static TResult Acquire(const std::string& directory, const std::string& name, std::uint32_t& id);
  // Gives back one Acquire's share; the lock goes with the last one.
  static void Release(std::uint32_t id);
};

}  // namespace tessera
