// A small host program for the tests: it plays the "Star/Gaze server
// application". It opens the host endpoint for a suffix, records logins and
// logouts, answers every request, and sends messages when told on standard
// input. Everything it sees goes to standard output, one line each.
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

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "hostlink/endpoint.h"
#include "hostlink/entity.h"
#include "hostlink/message_stream.h"
#include "hostlink/messages.h"
#include "hostlink/runtime_dir.h"

extern char** environ;

namespace {

using namespace tessera;

std::string gResources;
std::string gWorkArea;
std::unique_ptr<TLocalEndpoint> gEndpoint;
std::vector<TEntity> gPrograms;  // logged in, in order

void Say(const std::string& line) {
  std::cout << line << std::endl;
}

void SendMessage(std::uint32_t target, std::int32_t id, TTimeStamp stamp, const std::string& payload) {
  TFrame frame{gEndpoint->Handle(), id, stamp, payload};
  const bool delivered = gEndpoint->Send(target, EncodeFrame(frame));
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

void Reply(const TFrame& request, const std::string& payload) { SendMessage(request.SenderHandle, hmReply, request.TimeStamp, payload); }

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Handle(TFrame&& frame, pid_t) {
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
          TFrame forged{gEndpoint->Handle() ^ 1u, hmReply, frame.TimeStamp, out.Bytes()};
          gEndpoint->Send(frame.SenderHandle, EncodeFrame(forged));
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
  } else if (verb == "exit") {
    QCoreApplication::quit();
    return;
  }
  Say("done " + verb);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: stargaze_host SUFFIX RESOURCE_DIR [WORK_AREA]\n");
    return 2;
  }
  const TRuntimeDir dir = OpenRuntimeDir();
  if (!dir.Usable()) {
    std::fprintf(stderr, "%s\n", dir.error.c_str());
    return 1;
  }
  gResources = argv[2];
  gWorkArea = argc > 3 ? argv[3] : gResources;
  const std::string suffix = argv[1];
  gEndpoint = std::make_unique<TLocalEndpoint>(dir.path, Handle);
  gEndpoint->Publish(WindowKey(kServerWindowClass + suffix, kServerWindowName + suffix));
  Say("ready " + std::to_string(gEndpoint->Handle()));

  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  std::string pending;
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char buffer[4096];
    const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
      QCoreApplication::quit();
      return;
    }
    pending.append(buffer, std::size_t(n));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
      const std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      Command(line);
    }
  });
  const int status = app.exec();
  gEndpoint.reset();
  return status;
}
