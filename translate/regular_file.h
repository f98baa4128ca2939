#pragma once
// Reading a whole file that must be an ordinary file of bounded size: a FIFO
// would block the reader for ever and a device such as /dev/zero never ends.

#include <cstddef>
#include <string>

namespace glossator {

// Reads the file at `path` into `bytes` when it is a regular file (links
// followed) of at most `maxSize` bytes, also if it grows while being read.
// Never blocks on a FIFO. Returns false otherwise and leaves `bytes` alone.
bool ReadRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes);

// The first `count` bytes (fewer at the end) of the regular file at `path`,
// with the same checks; false leaves `bytes` alone.
bool ReadRegularFileHead(const std::string& path, std::size_t count, std::string& bytes);

}  // namespace glossator
