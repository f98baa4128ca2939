#include "hostlink/endpoint.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "hostlink/errors.h"

namespace tessera {

namespace {

using Clock = std::chrono::steady_clock;

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  return true;
}

// The user and process at the other end of a connected local socket.
bool PeerCredentials(int fd, ucred& credentials) {
  socklen_t size = sizeof credentials;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0;
}

bool SameUser(int fd, pid_t* process = nullptr) {
  ucred credentials{};
  if (!PeerCredentials(fd, credentials) || credentials.uid != geteuid()) return false;
  if (process) *process = credentials.pid;
  return true;
}

enum class TConnectResult { crConnected, crRefused, crMissing, crBusy, crFailed };

TConnectResult ConnectTo(const std::string& path, int& fd) {
  sockaddr_un address;
  if (!FillAddress(path, address)) return TConnectResult::crFailed;
  fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return TConnectResult::crFailed;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
    return TConnectResult::crConnected;
  const int error = errno;
  close(fd);
  fd = -1;
  switch (error) {
    case ECONNREFUSED: return TConnectResult::crRefused;
    case ENOENT: return TConnectResult::crMissing;
    case EAGAIN: return TConnectResult::crBusy;  // the listener's backlog is full
    default: return TConnectResult::crFailed;
  }
}

std::uint32_t ParseHandleFileName(const std::string& name) {
  if (name.size() != 10 || name.compare(0, 2, "h-") != 0) return 0;
  std::uint32_t handle = 0;
  for (std::size_t i = 2; i < name.size(); ++i) {
    const char c = name[i];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return 0;
    handle = handle << 4 | std::uint32_t(digit);
  }
  return handle;
}

std::string HandleFileName(std::uint32_t handle) {
  char name[16];
  std::snprintf(name, sizeof name, "h-%08x", handle);
  return name;
}

}  // namespace

std::string PublishedPath(const std::string& directory, const std::string& name) {
  const QByteArray digest =
      QCryptographicHash::hash(QByteArray::fromStdString(name), QCryptographicHash::Sha1).toHex();
  return directory + "/n-" + digest.toStdString();
}

namespace {

int RemainingMilliseconds(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left <= 0 ? 0 : int(std::min<long long>(left, 1000));
}

}  // namespace

struct TLocalEndpoint::TInbound {
  int fd = -1;
  pid_t sender = 0;
  TFrameReader reader;
  bool dispatching = false;  // its frame is being handled; nothing more is read from it
  std::unique_ptr<QSocketNotifier> notifier;
};

std::string EndpointPath(const std::string& directory, std::uint32_t handle) {
  return directory + "/" + HandleFileName(handle);
}

std::string WindowKey(const std::string& className, const std::string& windowName) {
  return "window\n" + className + "\n" + windowName;
}

TLocalEndpoint::TLocalEndpoint(std::string directory, TFrameHandler onFrame)
    : fDirectory(std::move(directory)), fOnFrame(std::move(onFrame)) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 64 && fListener < 0; ++attempt) {
    const std::uint32_t handle = std::uint32_t(random());
    if (handle == 0) continue;
    sockaddr_un address;
    if (!FillAddress(EndpointPath(fDirectory, handle), address))
      throw EStarGaze("the link directory's path is too long for a local socket: " + fDirectory);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) throw EStarGaze(SystemError("cannot create a local socket"));
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      const int error = errno;
      close(fd);
      if (error == EADDRINUSE) continue;  // that handle is taken: another one
      errno = error;
      throw EStarGaze(SystemError("cannot open an endpoint in " + fDirectory));
    }
    if (listen(fd, 64) != 0) {
      const int error = errno;
      unlink(address.sun_path);
      close(fd);
      errno = error;
      throw EStarGaze(SystemError("cannot listen on an endpoint in " + fDirectory));
    }
    fListener = fd;
    fHandle = handle;
  }
  if (fListener < 0) throw EStarGaze("Could not create window handle");
  if (QCoreApplication::instance()) {
    fListenerNotifier = std::make_unique<QSocketNotifier>(fListener, QSocketNotifier::Read);
    QObject::connect(fListenerNotifier.get(), &QSocketNotifier::activated, [this] { ServeListener(); });
  }
}

TLocalEndpoint::~TLocalEndpoint() {
  while (!fInbound.empty()) CloseInbound(fInbound.begin()->first);
  fListenerNotifier.reset();
  for (const auto& [link, target] : fPublished) {
    char buffer[64];
    const ssize_t n = readlink(link.c_str(), buffer, sizeof buffer);
    if (n > 0 && std::string(buffer, std::size_t(n)) == target) unlink(link.c_str());
  }
  unlink(EndpointPath(fDirectory, fHandle).c_str());
  close(fListener);
}

void TLocalEndpoint::Publish(const std::string& name) {
  const std::string link = PublishedPath(fDirectory, name);
  const std::string target = HandleFileName(fHandle);
  const std::string temporary = link + "." + target;
  unlink(temporary.c_str());
  if (symlink(target.c_str(), temporary.c_str()) != 0 || rename(temporary.c_str(), link.c_str()) != 0) {
    unlink(temporary.c_str());
    throw EStarGaze(SystemError("cannot publish an endpoint in " + fDirectory));
  }
  fPublished[link] = target;
}

std::uint32_t FindPublished(const std::string& directory, const std::string& name) {
  const std::string link = PublishedPath(directory, name);
  char buffer[64];
  const ssize_t n = readlink(link.c_str(), buffer, sizeof buffer);
  if (n <= 0) return 0;
  const std::uint32_t handle = ParseHandleFileName(std::string(buffer, std::size_t(n)));
  if (handle != 0 && EndpointAlive(directory, handle)) return handle;
  unlink(link.c_str());  // a name left behind: never trusted again
  return 0;
}

bool EndpointAlive(const std::string& directory, std::uint32_t handle, pid_t* listener) {
  if (handle == 0) return false;
  const std::string path = EndpointPath(directory, handle);
  int fd = -1;
  switch (ConnectTo(path, fd)) {
    case TConnectResult::crConnected: {
      const bool ours = SameUser(fd, listener);
      close(fd);
      return ours;
    }
    case TConnectResult::crBusy: return true;
    case TConnectResult::crRefused:
      unlink(path.c_str());  // left by a crashed process
      return false;
    case TConnectResult::crMissing:
    case TConnectResult::crFailed: return false;
  }
  return false;
}

void TLocalEndpoint::ServeListener() {
  for (;;) {
    const int fd = accept4(fListener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return;  // nothing more to accept (or a transient failure)
    AcceptOne(fd);
  }
}

void TLocalEndpoint::AcceptOne(int fd) {
  pid_t sender = 0;
  if (!SameUser(fd, &sender)) {  // another user's process: dropped unread
    close(fd);
    return;
  }
  auto inbound = std::make_unique<TInbound>();
  inbound->fd = fd;
  inbound->sender = sender;
  if (QCoreApplication::instance()) {
    inbound->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(inbound->notifier.get(), &QSocketNotifier::activated, [this, fd] { ServeInbound(fd); });
  }
  fInbound[fd] = std::move(inbound);
}

void TLocalEndpoint::CloseInbound(int fd) {
  auto found = fInbound.find(fd);
  if (found == fInbound.end()) return;
  found->second->notifier.reset();
  close(fd);
  fInbound.erase(found);
}

void TLocalEndpoint::ServeInbound(int fd) {
  auto found = fInbound.find(fd);
  if (found == fInbound.end() || found->second->dispatching) return;
  TInbound& inbound = *found->second;
  char buffer[65536];
  for (;;) {
    // Never read past the frame in progress: one frame per connection.
    const std::size_t wanted = std::min(sizeof buffer, std::max<std::size_t>(inbound.reader.Missing(), 1));
    const ssize_t n = recv(fd, buffer, wanted, 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {  // the sender went away before its frame was complete
      CloseInbound(fd);
      return;
    }
    switch (inbound.reader.Feed(std::string_view(buffer, std::size_t(n)))) {
      case TFrameReader::frsNeedMore: continue;
      case TFrameReader::frsBroken: CloseInbound(fd); return;
      case TFrameReader::frsFrame: Dispatch(fd); return;
    }
  }
}

void TLocalEndpoint::Dispatch(int fd) {
  TInbound& inbound = *fInbound.at(fd);
  inbound.dispatching = true;
  if (inbound.notifier) inbound.notifier->setEnabled(false);
  TFrame frame = inbound.reader.TakeFrame();
  const pid_t sender = inbound.sender;
  // The acknowledgement goes back however the handler ends, so the sender's
  // wait ends too; the connection is closed after it.
  struct TAcknowledge {
    TLocalEndpoint* self;
    int fd;
    ~TAcknowledge() {
      const char ack[kAcknowledgementSize] = {0, 0, 0, 0};
      (void)!send(fd, ack, sizeof ack, MSG_NOSIGNAL);
      self->CloseInbound(fd);
    }
  } acknowledge{this, fd};
  fOnFrame(std::move(frame), sender);
}

void TLocalEndpoint::ServePending(std::chrono::milliseconds wait) {
  std::vector<pollfd> fds{{fListener, POLLIN, 0}};
  for (const auto& [fd, inbound] : fInbound)
    if (!inbound->dispatching) fds.push_back({fd, POLLIN, 0});
  if (poll(fds.data(), fds.size(), int(wait.count())) <= 0) return;
  for (const pollfd& p : fds) {
    if (p.revents == 0) continue;
    if (p.fd == fListener) ServeListener();
    else ServeInbound(p.fd);
  }
}

bool TLocalEndpoint::Send(std::uint32_t target, const std::string& frame, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  const std::string path = EndpointPath(fDirectory, target);
  int fd = -1;
  for (;;) {
    const TConnectResult result = target == 0 ? TConnectResult::crMissing : ConnectTo(path, fd);
    if (result == TConnectResult::crConnected) break;
    if (result == TConnectResult::crRefused) unlink(path.c_str());  // left by a crashed process
    if (result != TConnectResult::crBusy || Clock::now() >= deadline) return false;
    ServePending(std::chrono::milliseconds(1));
  }
  struct TCloser {
    int fd;
    ~TCloser() { close(fd); }
  } closer{fd};
  if (!SameUser(fd)) return false;  // never hand a message to another user's endpoint

  std::size_t written = 0;
  std::size_t acknowledged = 0;
  char ack[kAcknowledgementSize];
  while (acknowledged < sizeof ack) {
    const int waitMs = RemainingMilliseconds(deadline);
    if (waitMs == 0 && Clock::now() >= deadline) return false;
    std::vector<pollfd> fds{{fd, short(written < frame.size() ? POLLOUT : POLLIN), 0}, {fListener, POLLIN, 0}};
    for (const auto& [inboundFd, inbound] : fInbound)
      if (!inbound->dispatching) fds.push_back({inboundFd, POLLIN, 0});
    const int ready = poll(fds.data(), fds.size(), waitMs);
    if (ready < 0 && errno != EINTR) return false;
    if (ready <= 0) continue;
    // Own endpoint first: the receiver's reply may be waiting there.
    for (std::size_t i = 1; i < fds.size(); ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == fListener) ServeListener();
      else ServeInbound(fds[i].fd);
    }
    const short events = fds[0].revents;
    if (events == 0) continue;
    if (written < frame.size()) {
      if (events & (POLLERR | POLLHUP)) return false;
      const ssize_t n = send(fd, frame.data() + written, frame.size() - written, MSG_NOSIGNAL);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      if (n < 0) return false;
      written += std::size_t(n);
    } else {
      const ssize_t n = recv(fd, ack + acknowledged, sizeof ack - acknowledged, 0);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      if (n <= 0) return false;  // the receiver died or dropped the frame
      acknowledged += std::size_t(n);
    }
  }
  return true;
}

}  // namespace tessera
