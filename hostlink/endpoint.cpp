#include "hostlink/endpoint.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSocketNotifier>
#include <QTimer>
#include <cctype>
#include <cerrno>
#include <climits>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "hostlink/errors.h"

namespace tessera {

namespace {

using Clock = std::chrono::steady_clock;

// A socket file younger than this that refuses connections may be one that a
// starting process has bound and not yet opened for listening: spared.
constexpr std::time_t kStaleAfterSeconds = 2;

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

// The handle of an endpoint file name: "h-" and eight hex digits, either case; else 0.
std::uint32_t ParseHandleFileName(const std::string& name) {
  if (name.size() != 10 || name.compare(0, 2, "h-") != 0) return 0;
  std::uint32_t handle = 0;
  for (std::size_t i = 2; i < name.size(); ++i) {
    const char c = char(std::tolower(static_cast<unsigned char>(name[i])));
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return 0;
    handle = handle << 4 | std::uint32_t(digit);
  }
  return handle;
}

// Programs write the hex digits in lower case; a host may use upper case.
std::string HandleFileName(std::uint32_t handle, bool upperCase = false) {
  char name[16];
  std::snprintf(name, sizeof name, upperCase ? "h-%08X" : "h-%08x", handle);
  return name;
}

bool SameDirectory(const std::string& a, const std::string& b) {
  struct stat first{}, second{};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && S_ISDIR(first.st_mode) &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// The handle a name link's target names when the target is an endpoint file
// of `directory`, by file name or by path; else 0.
std::uint32_t LinkTargetHandle(const std::string& directory, const std::string& target) {
  const std::size_t slash = target.rfind('/');
  if (slash != std::string::npos) {
    const std::string where = target.substr(0, slash);
    if (!SameDirectory(target[0] == '/' ? (where.empty() ? "/" : where) : directory + "/" + where, directory))
      return 0;
  }
  return ParseHandleFileName(target.substr(slash + 1));
}

std::string ReadLink(const std::string& link) {
  char buffer[PATH_MAX];
  const ssize_t n = readlink(link.c_str(), buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
}

// Removes `path` when it is itself a socket file (not a link to one): a name
// that refuses connections may also be a user's regular file, or a link to
// one, and those are never ours to delete. True when it was removed.
bool RemoveIfSocket(const std::string& path) {
  struct stat info{};
  return lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && unlink(path.c_str()) == 0;
}

// Connects to the endpoint `handle`, under its lower-case name or else its
// upper-case one; `path` receives the name tried last.
TConnectResult ConnectToEndpoint(const std::string& directory, std::uint32_t handle, int& fd, std::string& path) {
  TConnectResult result = TConnectResult::crMissing;
  for (const bool upperCase : {false, true}) {
    path = directory + "/" + HandleFileName(handle, upperCase);
    result = ConnectTo(path, fd);
    if (result != TConnectResult::crMissing) break;
  }
  return result;
}

enum class TEndpointState { esAlive, esGone, esUnknown };

// Whether the endpoint `handle` is there; a socket file that refuses
// connections was left by a crashed process and is removed. Anything else
// under that name (a regular file, a link) is no endpoint of ours: unknown.
TEndpointState ProbeEndpoint(const std::string& directory, std::uint32_t handle, pid_t* listener) {
  if (handle == 0) return TEndpointState::esGone;
  int fd = -1;
  std::string path;
  switch (ConnectToEndpoint(directory, handle, fd, path)) {
    case TConnectResult::crConnected: {
      const bool ours = SameUser(fd, listener);
      close(fd);
      return ours ? TEndpointState::esAlive : TEndpointState::esUnknown;
    }
    case TConnectResult::crBusy: return TEndpointState::esAlive;
    case TConnectResult::crRefused:
      return RemoveIfSocket(path) ? TEndpointState::esGone : TEndpointState::esUnknown;
    case TConnectResult::crMissing: return TEndpointState::esGone;
    case TConnectResult::crFailed: return TEndpointState::esUnknown;
  }
  return TEndpointState::esUnknown;
}

// The handle the link `link` names when its endpoint is alive, else 0; the
// link is removed when its endpoint is gone.
std::uint32_t FollowLink(const std::string& directory, const std::string& link) {
  const std::uint32_t handle = LinkTargetHandle(directory, ReadLink(link));
  if (handle == 0) return 0;  // not a link of this directory's form: left alone
  switch (ProbeEndpoint(directory, handle, nullptr)) {
    case TEndpointState::esAlive: return handle;
    case TEndpointState::esGone: unlink(link.c_str()); return 0;
    case TEndpointState::esUnknown: return 0;
  }
  return 0;
}

// The socket files of this process's open endpoints and their name links
// (with the target each must still have). An exit() that skips the
// destructors (the toolkit ends the process so when its display goes away)
// still removes them.
std::map<std::string, std::string>& OpenEndpointFiles() {
  static std::map<std::string, std::string> files;
  return files;
}

void RemoveOpenEndpointFiles() {
  for (const auto& [file, target] : OpenEndpointFiles())
    if (target.empty() || ReadLink(file) == target) unlink(file.c_str());
}

void KeepTrackOf(const std::string& file, const std::string& linkTarget = {}) {
  static const bool registered = (OpenEndpointFiles(), std::atexit(RemoveOpenEndpointFiles) == 0);
  (void)registered;
  OpenEndpointFiles()[file] = linkTarget;
}

// Where a one-time notice of an endpoint goes: standard error, as the program.
void Tell(const std::string& text) { std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, text.c_str()); }

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
  Clock::time_point deadline;  // its frame must be complete by then
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

TLocalEndpoint::TLocalEndpoint(std::string directory, TFrameHandler onFrame, TEndpointLimits limits)
    : fDirectory(std::move(directory)), fOnFrame(std::move(onFrame)), fLimits(limits) {
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
    KeepTrackOf(address.sun_path);
  }
  if (fListener < 0) throw EStarGaze("Could not create window handle");
  if (QCoreApplication::instance()) {
    fListenerNotifier = std::make_unique<QSocketNotifier>(fListener, QSocketNotifier::Read);
    QObject::connect(fListenerNotifier.get(), &QSocketNotifier::activated, [this] { ServeListener(); });
    fDeadlineTimer = std::make_unique<QTimer>();
    fDeadlineTimer->setSingleShot(true);
    QObject::connect(fDeadlineTimer.get(), &QTimer::timeout, [this] { CloseOverdue(); });
  }
}

TLocalEndpoint::~TLocalEndpoint() {
  while (!fInbound.empty()) CloseInbound(fInbound.begin()->first);
  fListenerNotifier.reset();
  fDeadlineTimer.reset();
  for (const auto& [link, target] : fPublished) {
    if (ReadLink(link) == target) unlink(link.c_str());
    OpenEndpointFiles().erase(link);
  }
  unlink(EndpointPath(fDirectory, fHandle).c_str());
  OpenEndpointFiles().erase(EndpointPath(fDirectory, fHandle));
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
  KeepTrackOf(link, target);
}

std::uint32_t FindPublished(const std::string& directory, const std::string& name) {
  return FollowLink(directory, PublishedPath(directory, name));
}

bool EndpointAlive(const std::string& directory, std::uint32_t handle, pid_t* listener) {
  return ProbeEndpoint(directory, handle, listener) == TEndpointState::esAlive;
}

void RemoveStaleEndpoints(const std::string& directory) {
  DIR* folder = opendir(directory.c_str());
  if (!folder) return;
  std::vector<std::string> links;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    const std::string path = directory + "/" + name;
    struct stat info{};
    if (name.compare(0, 2, "n-") == 0) {
      links.push_back(path);  // after the endpoints, whose removal they may follow
    } else if (ParseHandleFileName(name) != 0 && lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) &&
               now - info.st_mtime >= kStaleAfterSeconds) {
      int fd = -1;
      if (ConnectTo(path, fd) == TConnectResult::crRefused) RemoveIfSocket(path);
      if (fd >= 0) close(fd);
    }
  }
  closedir(folder);
  for (const std::string& link : links) FollowLink(directory, link);
}

void TLocalEndpoint::ServeListener() {
  while (Accepting()) {
    const int fd = accept4(fListener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd >= 0) {
      AcceptOne(fd);
    } else if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
      PauseAccepting(errno);
    } else if (errno != EINTR && errno != ECONNABORTED) {
      return;  // nothing more to accept
    }
  }
}

// Out of descriptors: the waiting connections stay in the listener's queue
// until some are free again, instead of a retry at every wake-up.
void TLocalEndpoint::PauseAccepting(int error) {
  fAcceptResumes = Clock::now() + fLimits.acceptPause;
  if (!fToldOutOfDescriptors) {
    fToldOutOfDescriptors = true;
    Tell(std::string("the host link cannot take new connections (") + std::strerror(error) +
         "); it tries again every " + std::to_string(fLimits.acceptPause.count()) + " ms");
  }
  if (!fListenerNotifier) return;
  fListenerNotifier->setEnabled(false);
  QSocketNotifier* notifier = fListenerNotifier.get();
  QTimer::singleShot(fLimits.acceptPause, notifier, [notifier] { notifier->setEnabled(true); });
}

void TLocalEndpoint::AcceptOne(int fd) {
  pid_t sender = 0;
  if (!SameUser(fd, &sender)) {  // another user's process: dropped unread
    close(fd);
    return;
  }
  if (fInbound.size() >= fLimits.maxConnections && !CloseOldestWaiting()) {
    close(fd);
    return;
  }
  auto inbound = std::make_unique<TInbound>();
  inbound->fd = fd;
  inbound->sender = sender;
  inbound->deadline = Clock::now() + fLimits.frameDeadline;
  if (QCoreApplication::instance()) {
    inbound->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(inbound->notifier.get(), &QSocketNotifier::activated, [this, fd] { ServeInbound(fd); });
  }
  fInbound[fd] = std::move(inbound);
  if (fDeadlineTimer && !fDeadlineTimer->isActive()) CloseOverdue();
  ServeInbound(fd);  // what is already there, before a flood of newer connections can push it out
}

bool TLocalEndpoint::CloseOldestWaiting() {
  auto oldest = fInbound.end();
  for (auto it = fInbound.begin(); it != fInbound.end(); ++it)
    if (!it->second->dispatching && (oldest == fInbound.end() || it->second->deadline < oldest->second->deadline))
      oldest = it;
  if (oldest == fInbound.end()) return false;
  CloseInbound(oldest->first);
  return true;
}

void TLocalEndpoint::CloseOverdue() {
  const Clock::time_point now = Clock::now();
  std::vector<int> overdue;
  std::optional<Clock::time_point> next;
  for (const auto& [fd, inbound] : fInbound) {
    if (inbound->dispatching) continue;
    if (inbound->deadline <= now) overdue.push_back(fd);
    else if (!next || inbound->deadline < *next) next = inbound->deadline;
  }
  for (const int fd : overdue) CloseInbound(fd);
  if (fDeadlineTimer && next)
    fDeadlineTimer->start(int(std::chrono::ceil<std::chrono::milliseconds>(*next - now).count()));
}

void TLocalEndpoint::CloseInbound(int fd) {
  auto found = fInbound.find(fd);
  if (found == fInbound.end()) return;
  found->second->notifier.reset();
  close(fd);
  fInbound.erase(found);
}

std::size_t TLocalEndpoint::BufferedBytes() const {
  std::size_t total = 0;
  for (const auto& [fd, inbound] : fInbound) total += inbound->reader.Buffered();
  return total;
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
    // The sender went away before its frame was complete, or its bytes
    // would pass what all connections together may hold.
    if (n <= 0 || BufferedBytes() + std::size_t(n) > fLimits.maxBufferedBytes) {
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

std::vector<pollfd> TLocalEndpoint::ServedDescriptors() const {
  std::vector<pollfd> fds;
  if (Accepting()) fds.push_back({fListener, POLLIN, 0});
  for (const auto& [fd, inbound] : fInbound)
    if (!inbound->dispatching) fds.push_back({fd, POLLIN, 0});
  return fds;
}

void TLocalEndpoint::Serve(const std::vector<pollfd>& ready) {
  for (const pollfd& p : ready) {
    if (p.revents == 0) continue;
    if (p.fd == fListener) ServeListener();
    else ServeInbound(p.fd);
  }
  CloseOverdue();
}

void TLocalEndpoint::ServePending(std::chrono::milliseconds wait) {
  std::vector<pollfd> fds = ServedDescriptors();
  if (poll(fds.data(), fds.size(), int(wait.count())) < 0) return;
  Serve(fds);
}

bool TLocalEndpoint::Send(std::uint32_t target, const std::string& frame, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  std::string path;
  int fd = -1;
  for (;;) {
    const TConnectResult result =
        target == 0 ? TConnectResult::crMissing : ConnectToEndpoint(fDirectory, target, fd, path);
    if (result == TConnectResult::crConnected) break;
    if (result == TConnectResult::crRefused) RemoveIfSocket(path);  // left by a crashed process
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
    std::vector<pollfd> fds = ServedDescriptors();
    fds.insert(fds.begin(), {fd, short(written < frame.size() ? POLLOUT : POLLIN), 0});
    const int ready = poll(fds.data(), fds.size(), waitMs);
    if (ready < 0 && errno != EINTR) return false;
    // Own endpoint first: the receiver's reply may be waiting there.
    Serve(std::vector<pollfd>(fds.begin() + 1, fds.end()));
    if (ready <= 0) continue;
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
