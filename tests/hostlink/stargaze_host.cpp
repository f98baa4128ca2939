// A small host program for the tests: it plays the "Star/Gaze server
// application". It opens the host endpoint for a suffix, records logins and
// logouts, answers every request, and sends messages when told on standard
// input. Everything it sees goes to standard output, one line each. Its
// transport is written from docs/hostlink.md alone (names, link, frames,
// acknowledgement, replies), so that the text is checked against the program.
//
//   stargaze_host SUFFIX RESOURCE_DIR [WORK_AREA]
//
// Commands on standard input:
//   quit HANDLE SERVERDOWN     send hmQuit with that byte
//   params HANDLE A|B|...      send hmParams with those lines
//   message HANDLE ID          send message number ID (decimal) with payload "abc"
//   reply HANDLE TIME DATE     send an hmReply nobody asked for
//   exit                       end
// Answers: find-entity by title and handle among the logged-in programs;
// resources are files of RESOURCE_DIR by their file name; execute runs the file
// name with /bin/sh ("fail" gives pid 0); file names come back without their
// directory; string values are "string:" + name; path "TesseraWorkArea" is
// RESOURCE_DIR + "/", others "path:" + name. String values of "silent" (no
// reply), "die" (the host ends while handling), "hang" (replies after 1.5 s),
// "decoy" (a reply with the next stamp first), "forged" (a reply that claims
// another sender) and "twice" (the reply sent twice) misbehave on purpose.

#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <vector>

#include "hostlink/entity.h"
#include "hostlink/message_stream.h"
#include "hostlink/messages.h"

extern char** environ;

namespace {

using namespace tessera;

std::string gResources;
std::string gWorkArea;
std::vector<TEntity> gPrograms;  // logged in, in order

void Say(const std::string& line) {
  std::cout << line << std::endl;
}

// The transport (docs/hostlink.md, sections 1-4).
std::string gDir;
std::uint32_t gHandle = 0;
int gListener = -1;

struct TFrame {
  std::uint32_t SenderHandle = 0;
  std::int32_t MsgId = 0;
  TTimeStamp TimeStamp;
  std::string Payload;
};

std::string EndpointName(std::uint32_t handle) {
  char name[16];
  std::snprintf(name, sizeof name, "h-%08x", handle);
  return name;
}

std::string Int32(std::uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::uint32_t Int32At(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 4; i-- > 0;) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

bool ReadExactly(int fd, std::string& out, std::size_t n) {
  out.clear();
  char buffer[65536];
  while (out.size() < n) {
    pollfd p{fd, POLLIN, 0};
    const ssize_t got = poll(&p, 1, 10000) == 1 ? recv(fd, buffer, std::min(sizeof buffer, n - out.size()), 0) : -1;
    if (got <= 0) return false;
    out.append(buffer, std::size_t(got));
  }
  return true;
}

bool SameUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

sockaddr_un Address(std::uint32_t handle) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s/%s", gDir.c_str(), EndpointName(handle).c_str());
  return address;
}

// One message over a new connection, returning after the acknowledgement.
void SendMessage(std::uint32_t target, std::int32_t id, TTimeStamp stamp, const std::string& payload,
                 std::uint32_t sender = gHandle) {
  const std::string frame = Int32(sender) + Int32(std::uint32_t(id)) + Int32(std::uint32_t(8 + payload.size())) +
                            Int32(std::uint32_t(stamp.Time)) + Int32(std::uint32_t(stamp.Date)) + payload;
  const sockaddr_un address = Address(target);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  std::string ack;
  const bool delivered = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                         SameUser(fd) && send(fd, frame.data(), frame.size(), MSG_NOSIGNAL) == ssize_t(frame.size()) &&
                         ReadExactly(fd, ack, 4) && ack == std::string(4, '\0');
  close(fd);
  if (!delivered) Say("undelivered " + std::to_string(id));
}

std::string Record(TEntity& e) {
  TStarGazeMessageStream s;
  e.WriteTo(s);
  return s.Bytes();
}

std::string Describe(const TEntity& e) {
  return std::to_string(e.Handle) + " " + std::to_string(e.AuxHandle) + " " + e.ExeName + " " + e.Title;
}

// To the requester, stamped like the request, from this endpoint (section 6).
void Reply(const TFrame& request, const std::string& payload) { SendMessage(request.SenderHandle, hmReply, request.TimeStamp, payload); }

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Handle(const TFrame& frame) {
  while (waitpid(-1, nullptr, WNOHANG) > 0) {  // earlier programs, collected late on purpose
  }
  TStarGazeMessageStream in;
  in.LoadPayload(frame.Payload);
  TStarGazeMessageStream out;
  try {
    switch (frame.MsgId) {
      case hmLogin:
      case hmLogout: {
        TEntity e;
        e.ReadFrom(in);
        Say((frame.MsgId == hmLogin ? "login " : "logout ") + Describe(e));
        if (frame.MsgId == hmLogin) gPrograms.push_back(e);
        else std::erase_if(gPrograms, [&](const TEntity& p) { return p.Handle == e.Handle; });
        return;
      }
      case hmFindEntity: {
        const std::uint8_t kind = in.ReadByte();
        const std::uint32_t handle = kind == feByHandle ? std::uint32_t(in.ReadInt32()) : 0;
        const std::string title = kind == feByTitle ? in.ReadString() : std::string();
        Say("find " + std::to_string(kind) + " " + (kind == feByHandle ? std::to_string(handle) : title));
        for (TEntity& p : gPrograms)
          if ((kind == feByHandle && p.Handle == handle) || (kind == feByTitle && p.Title == title)) {
            Reply(frame, Record(p));
            return;
          }
        Reply(frame, {});
        return;
      }
      case hmExecute: {
        const std::string file = in.ReadString();
        const std::string parameters = in.ReadString();
        const int wait = in.ReadByte();
        const std::int32_t mode = in.ReadInt32();
        Say("execute " + file + " " + parameters + " " + std::to_string(wait) + " " + std::to_string(mode));
        pid_t pid = 0;
        if (file != "fail") {
          const std::string command = file + " " + parameters;
          char* argv[] = {const_cast<char*>("sh"), const_cast<char*>("-c"), const_cast<char*>(command.c_str()),
                          nullptr};
          if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv, environ) != 0) pid = 0;
        }
        out.WriteInt32(pid);
        Reply(frame, out.Bytes());
        return;
      }
      case hmGetResource: {
        const std::string name = in.ReadString();
        Say("resource " + name);
        std::ifstream file(gResources + "/" + FileName(name), std::ios::binary);
        if (!file) {
          out.WriteByte(0);
        } else {
          out.WriteByte(1);
          out.WriteBytes(std::string(std::istreambuf_iterator<char>(file), {}));
        }
        Reply(frame, out.Bytes());
        return;
      }
      case hmGetFileName: {
        const std::string path = in.ReadString();
        Say("filename " + path);
        out.WriteString(FileName(path));
        Reply(frame, out.Bytes());
        return;
      }
      case hmGetString: {
        // A few names make the host misbehave, for the tests of reply pairing.
        const std::string name = in.ReadString();
        out.WriteString("string:" + name);
        if (name == "silent") return;
        if (name == "die") _exit(1);
        if (name == "hang") usleep(1500 * 1000);
        if (name == "decoy") SendMessage(frame.SenderHandle, hmReply, NextTimeStamp(frame.TimeStamp), out.Bytes());
        if (name == "forged") {
          SendMessage(frame.SenderHandle, hmReply, frame.TimeStamp, out.Bytes(), gHandle ^ 1u);
          return;
        }
        Reply(frame, out.Bytes());
        if (name == "twice") Reply(frame, out.Bytes());
        return;
      }
      case hmGetPath: {
        const std::string name = in.ReadString();
        out.WriteString(name == "TesseraWorkArea" ? gWorkArea + "/" : "path:" + name);
        Reply(frame, out.Bytes());
        return;
      }
      default:
        Say("message " + std::to_string(frame.MsgId));
    }
  } catch (const std::exception& e) {
    Say(std::string("broken ") + e.what());
  }
}

void Command(const std::string& line) {
  std::istringstream words(line);
  std::string verb;
  std::uint32_t handle = 0;
  words >> verb >> handle;
  TStarGazeMessageStream out;
  if (verb == "quit") {
    int down = 0;
    words >> down;
    out.WriteByte(std::uint8_t(down));
    SendMessage(handle, hmQuit, {}, out.Bytes());
  } else if (verb == "params") {
    std::string list;
    words >> list;
    std::vector<std::string> lines;
    std::istringstream parts(list);
    for (std::string part; std::getline(parts, part, '|');) lines.push_back(part);
    out.WriteStringList(lines);
    SendMessage(handle, hmParams, {}, out.Bytes());
  } else if (verb == "message") {
    std::int32_t id = 0;
    words >> id;
    SendMessage(handle, id, {}, "abc");
  } else if (verb == "reply") {
    TTimeStamp stamp;
    words >> stamp.Time >> stamp.Date;
    SendMessage(handle, hmReply, stamp, "late");
  }
  Say("done " + verb);
}

// One connection: its frame handled, then the acknowledgement (section 4).
void Serve(int fd) {
  std::string header, block;
  if (SameUser(fd) && ReadExactly(fd, header, 12) && Int32At(header, 8) >= 8 &&
      Int32At(header, 8) <= kMaxFrameSize - 12 && ReadExactly(fd, block, Int32At(header, 8))) {
    Handle(TFrame{Int32At(header, 0), std::int32_t(Int32At(header, 4)),
                  {std::int32_t(Int32At(block, 0)), std::int32_t(Int32At(block, 4))}, block.substr(8)});
    send(fd, "\0\0\0\0", 4, MSG_NOSIGNAL);
  }
  close(fd);
}

// The directory (section 1; the tests give a checked one) and the host's
// endpoint with its name link (sections 2, 3).
void OpenEndpoint(const std::string& suffix) {
  const char* own = std::getenv("QUANTORA_RUNTIME_DIR");
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  gDir = own && *own ? own : xdg && *xdg ? std::string(xdg) + "/quantora" : "/tmp/quantora-" + std::to_string(geteuid());
  std::mt19937 random{std::random_device{}()};
  while (gHandle == 0) gHandle = std::uint32_t(random());
  const sockaddr_un address = Address(gHandle);
  gListener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (bind(gListener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(gListener, 16) != 0)
    std::perror("stargaze_host");
  const std::string key = "window\nThisIsTheStarGazeServerComponentWindowClass" + suffix +
                          "\nThisIsTheStarGazeServerComponentWindow" + suffix;
  const std::string link =
      gDir + "/n-" + QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha1).toHex().toStdString();
  symlink(EndpointName(gHandle).c_str(), (link + ".new").c_str());
  rename((link + ".new").c_str(), link.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: stargaze_host SUFFIX RESOURCE_DIR [WORK_AREA]\n");
    return 2;
  }
  gResources = argv[2];
  gWorkArea = argc > 3 ? argv[3] : gResources;
  OpenEndpoint(argv[1]);
  Say("ready " + std::to_string(gHandle));
  std::string pending;
  for (bool running = true; running;) {
    pollfd fds[2] = {{gListener, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[0].revents) Serve(accept4(gListener, nullptr, nullptr, SOCK_CLOEXEC));
    if (!fds[1].revents) continue;
    char buffer[4096];
    const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
    pending.append(buffer, std::size_t(std::max<ssize_t>(n, 0)));
    for (std::size_t end; running && (end = pending.find('\n')) != std::string::npos;) {
      const std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      running = line != "exit";
      if (running) Command(line);
    }
    running = running && n > 0;
  }
  unlink((gDir + "/" + EndpointName(gHandle)).c_str());
  return 0;
}
