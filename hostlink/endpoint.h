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
// notifiers). Every accepted connection is checked against this user's id,
// and what other processes can make it hold is bounded (TEndpointLimits).

#include <poll.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hostlink/frame.h"
#include "hostlink/messages.h"

class QSocketNotifier;
class QTimer;

namespace tessera {

// How long a send waits for the receiver to handle its message.
constexpr std::chrono::milliseconds kSendTimeout{10000};

// The bounds on inbound connections (messages.h says why these numbers).
struct TEndpointLimits {
  std::size_t maxConnections = kMaxInboundConnections;
  std::size_t maxBufferedBytes = kMaxInboundBytes;
  std::chrono::milliseconds frameDeadline{kFrameDeadlineMs};
  std::chrono::milliseconds acceptPause{kAcceptPauseMs};
};

class TLocalEndpoint {
 public:
  // Called with every complete frame and the sending process (from the
  // kernel); the acknowledgement goes back when it returns (or throws).
  using TFrameHandler = std::function<void(TFrame&& frame, pid_t sender)>;

  // Opens a listening endpoint with a fresh handle in `directory` (which the
  // caller has checked). Throws EStarGaze with the system's text on failure.
  TLocalEndpoint(std::string directory, TFrameHandler onFrame, TEndpointLimits limits = {});
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

  // Open inbound connections (for tests of the limits).
  std::size_t InboundCount() const { return fInbound.size(); }

 private:
  struct TInbound;
  using TClock = std::chrono::steady_clock;
  void ServeListener();
  void ServeInbound(int fd);
  void CloseInbound(int fd);
  void Dispatch(int fd);
  void AcceptOne(int fd);
  void PauseAccepting(int error);
  bool Accepting() const { return TClock::now() >= fAcceptResumes; }
  // The descriptors a wait watches: the listener (unless resting) and every
  // connection whose frame is not yet being handled.
  std::vector<pollfd> ServedDescriptors() const;
  void Serve(const std::vector<pollfd>& ready);
  // Closes the connections whose frame missed its deadline and sets the timer
  // for the next deadline.
  void CloseOverdue();
  bool CloseOldestWaiting();
  std::size_t BufferedBytes() const;

  std::string fDirectory;
  TFrameHandler fOnFrame;
  TEndpointLimits fLimits;
  std::uint32_t fHandle = 0;
  int fListener = -1;
  std::unique_ptr<QSocketNotifier> fListenerNotifier;
  std::unique_ptr<QTimer> fDeadlineTimer;
  TClock::time_point fAcceptResumes{};
  bool fToldOutOfDescriptors = false;
  std::map<int, std::unique_ptr<TInbound>> fInbound;
  std::map<std::string, std::string> fPublished;  // link file -> its target
};

// The key under which a window of `className` and `windowName` is published.
std::string WindowKey(const std::string& className, const std::string& windowName);

// The handle published under `name` in `directory` when its endpoint accepts a
// connection, else 0. The link may name its endpoint by file name or by
// absolute path, the handle's hex digits in either case. A link is removed
// only when its endpoint is gone (refuses connections, or no longer exists);
// one whose target is no endpoint of this directory is left alone.
std::uint32_t FindPublished(const std::string& directory, const std::string& name);

// True when the endpoint `handle` accepts a connection from this user; a
// socket file left by a crashed process (connection refused) is removed.
// `listener`, when given, receives the endpoint's process.
bool EndpointAlive(const std::string& directory, std::uint32_t handle, pid_t* listener = nullptr);

// Removes what crashed or killed processes left in `directory`: endpoints that
// refuse connections (older than a moment, so that one being opened is spared)
// and name links whose endpoint is gone.
void RemoveStaleEndpoints(const std::string& directory);

// The link file that publishes `name`.
std::string PublishedPath(const std::string& directory, const std::string& name);

// The socket file of an endpoint.
std::string EndpointPath(const std::string& directory, std::uint32_t handle);

}  // namespace tessera
