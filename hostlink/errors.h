#pragma once
// The two errors of the host link: the stream's read error (a message or reply
// that ends before what the reader expects) and EStarGaze (the component's own
// failures, with an English message).

#include <stdexcept>
#include <string>

namespace tessera {

// Reading past the end of a message stream: a truncated message, a string whose
// length runs past the payload, or an empty reply where one was expected.
class EReadError : public std::runtime_error {
 public:
  EReadError() : std::runtime_error("Stream read error") {}
};

class EStarGaze : public std::runtime_error {
 public:
  explicit EStarGaze(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tessera
