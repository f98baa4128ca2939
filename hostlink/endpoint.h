#pragma once
// A program's endpoint for host messages: a local (Unix-domain) stream socket
// in the per-user link directory, named by a 32-bit handle ("h-" and eight hex
// digits). It plays the hidden message window: other programs send it frames,
// one per connection, and it answers each with an acknowledgement after it
// has handled it.
//
// POSIX sockets rather than QLocalSocket: the synchronous send waits with
// poll() on its own connection and on this endpoint's sockets together, so it
// serves incoming messages (a reply, above all) without running a nested Qt
// event loop that would also deliver input and timers; and the peer's user id
// comes straight from SO_PEERCRED.
//
// Outside a send, the endpoint is served by the Qt event loop (socket
// notifiers). Every accepted connection is checked against this user's id.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "hostlink/frame.h"

class QSocketNotifier;

namespace tessera {

// How long a send waits for the receiver to handle its message.
constexpr std::chrono::milliseconds kSendTimeout{10000};

class TLocalEndpoint {
 public:
  // Called with every complete frame and the sending process (from the
  // kernel); the acknowledgement goes back when it returns (or throws).
  using TFrameHandler = std::function<void(TFrame&& frame, pid_t sender)>;

  // Opens a listening endpoint with a fresh handle in `directory` (which the
  // caller has checked). Throws EStarGaze with the system's text on failure.
  TLocalEndpoint(std::string directory, TFrameHandler onFrame);
  ~TLocalEndpoint();
  TLocalEndpoint(const TLocalEndpoint&) = delete;
  TLocalEndpoint& operator=(const TLocalEndpoint&) = delete;

  std::uint32_t Handle() const { return fHandle; }
  const std::string& Directory() const { return fDirectory; }

  // Makes this endpoint findable under `name` (FindPublished), replacing what
  // the name pointed to. The name is removed again when the endpoint closes.
  void Publish(const std::string& name);

  // Sends one frame to the endpoint `target` and returns once the receiver has
  // handled it: true. Serves this endpoint meanwhile. False when the target
  // does not exist, belongs to another user, dies, breaks the exchange, or
  // does not answer within `timeout`.
  bool Send(std::uint32_t target, const std::string& frame, std::chrono::milliseconds timeout = kSendTimeout);

  // Handles whatever has arrived (for callers that poll instead of running
  // the event loop); waits at most `wait` for something to arrive.
  void ServePending(std::chrono::milliseconds wait = std::chrono::milliseconds(0));

 private:
  struct TInbound;
  void ServeListener();
  void ServeInbound(int fd);
  void CloseInbound(int fd);
  void Dispatch(int fd);
  void AcceptOne(int fd);

  std::string fDirectory;
  TFrameHandler fOnFrame;
  std::uint32_t fHandle = 0;
  int fListener = -1;
  std::unique_ptr<QSocketNotifier> fListenerNotifier;
  std::map<int, std::unique_ptr<TInbound>> fInbound;
  std::map<std::string, std::string> fPublished;  // link file -> its target
};

// The key under which a window of `className` and `windowName` is published.
std::string WindowKey(const std::string& className, const std::string& windowName);

// The handle published under `name` in `directory` when its endpoint accepts a
// connection, else 0. A name whose endpoint is gone is removed with it.
std::uint32_t FindPublished(const std::string& directory, const std::string& name);

// True when the endpoint `handle` accepts a connection from this user; a
// socket file left by a crashed process (connection refused) is removed.
// `listener`, when given, receives the endpoint's process.
bool EndpointAlive(const std::string& directory, std::uint32_t handle, pid_t* listener = nullptr);

// The link file that publishes `name`.
std::string PublishedPath(const std::string& directory, const std::string& name);

// The socket file of an endpoint.
std::string EndpointPath(const std::string& directory, std::uint32_t handle);

}  // namespace tessera
