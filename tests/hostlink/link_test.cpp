// The link between real processes: the test host program (stargaze_host)
// and this test process or the small client program (link_client). Every
// process works in this test process's own link directory.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>

#include "hostlink/demon_client.h"
#include "hostlink/endpoint.h"
#include "hostlink/errors.h"
#include "hostlink/messages.h"
#include "hostlink/runtime_dir.h"
#include "translate/itl_file_name.h"

namespace tessera {
namespace {

std::string RuntimeDir() { return OpenRuntimeDir().path; }

// A child process whose standard output is read line by line.
class TChild {
 public:
  TChild(const QString& program, const QStringList& arguments,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    fProcess.setProcessEnvironment(environment);
    fProcess.start(program, arguments);
    fProcess.waitForStarted();
  }
  ~TChild() {
    if (fProcess.state() != QProcess::NotRunning) {
      fProcess.kill();
      fProcess.waitForFinished();
    }
  }
  // The next line of output without its line end; "<none>" when none comes in time.
  std::string NextLine(int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!fProcess.canReadLine()) {
      if (clock.elapsed() > ms) return "<none>";
      if (!fProcess.waitForReadyRead(50) && fProcess.state() == QProcess::NotRunning && !fProcess.canReadLine())
        return "<none>";
    }
    return fProcess.readLine().trimmed().toStdString();
  }
  void Say(const std::string& line) { fProcess.write(QByteArray::fromStdString(line + "\n")); fProcess.waitForBytesWritten(); }
  void Kill() {
    fProcess.kill();
    fProcess.waitForFinished();
  }
  void CloseInput() { fProcess.closeWriteChannel(); }
  // The exit status once the process ends (-1 when it does not end in time or crashed).
  int Finish(int ms = 10000) {
    if (!fProcess.waitForFinished(ms)) return -1;
    return fProcess.exitStatus() == QProcess::NormalExit ? fProcess.exitCode() : -1;
  }
  std::string RestOfOutput() { return fProcess.readAllStandardOutput().toStdString(); }
  std::string Errors() { return fProcess.readAllStandardError().toStdString(); }

 private:
  QProcess fProcess;
};

// The host program for `suffix`, serving resources from its own folder.
class THost : public TChild {
 public:
  explicit THost(const std::string& suffix)
      : TChild(QStringLiteral(STARGAZE_HOST), {QString::fromStdString(suffix), Resources().path()}) {
    const std::string ready = NextLine();
    EXPECT_EQ(ready.rfind("ready ", 0), 0u) << ready;
    handle = std::uint32_t(std::stoul(ready.substr(6)));
  }
  static QTemporaryDir& Resources() {
    static QTemporaryDir dir;
    return dir;
  }
  // The next line that is not the table lookup of a starting client.
  std::string NextEvent() {
    for (;;) {
      std::string line = NextLine();
      if (line.rfind("filename ", 0) != 0 && line.rfind("resource ", 0) != 0) return line;
    }
  }
  std::uint32_t handle = 0;
};

// The endpoint files in this test's link directory.
QStringList Endpoints() {
  return QDir(QString::fromStdString(RuntimeDir())).entryList({QStringLiteral("h-*")}, QDir::System);
}

// A connection to an endpoint as any process of this user can open one.
int Connect(std::uint32_t handle) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", EndpointPath(RuntimeDir(), handle).c_str());
  EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  return fd;
}

// True when the endpoint has closed this connection.
bool ClosedByEndpoint(int fd) {
  pollfd p{fd, POLLIN, 0};
  char byte;
  return poll(&p, 1, 50) == 1 && (recv(fd, &byte, 1, MSG_DONTWAIT) == 0 || errno == ECONNRESET);
}

std::unique_ptr<TChild> StartClient(const QStringList& arguments) {
  return std::make_unique<TChild>(QStringLiteral(LINK_CLIENT), arguments);
}

std::uint32_t ReadyHandle(TChild& client) {
  const std::string line = client.NextLine();
  if (line.rfind("ready ", 0) != 0) {
    ADD_FAILURE() << line;
    return 0;
  }
  return std::uint32_t(std::stoul(line.substr(6)));
}

std::string Describe(TEntity& e) {
  return std::to_string(e.Handle) + " " + std::to_string(e.AuxHandle) + " " + e.ExeName + " " + e.Title;
}

TEST(HostLink, ClientLogsInAndGetsEveryReply) {
  const std::string exe = glossator::CurrentExecutablePath();
  const std::string table = THost::Resources().path().toStdString() + "/" + glossator::ItlFileNameFor(exe);
  std::ofstream(table) << "[Hello]=Hallo|$$";
  THost host("t1");
  auto client = std::make_unique<TkdbDemonClient>(
      nullptr, QStringList{QStringLiteral("exe"), QStringLiteral("/serverhandle=T1"), QStringLiteral("p")});
  EXPECT_EQ(client->ServerEntity().Handle, host.handle);
  EXPECT_EQ(client->Params(), (QStringList{QStringLiteral("exe"), QStringLiteral("p")}));
  client->SetMultiStart(true);
  client->Loaded();
  TEntity& own = client->OwnEntity();
  EXPECT_EQ(host.NextLine(), "login " + std::to_string(own.Handle) + " 0 " + exe + " " + own.Title);
  // The table named after the host's file name, fetched from the host.
  EXPECT_EQ(host.NextLine(), "filename " + exe);
  EXPECT_EQ(host.NextLine(), "resource " + glossator::ItlFileNameFor(exe));
  EXPECT_EQ(client->Translator().Translate("HELLO"), "Hallo");

  const auto byTitle = client->FindEntityByTitle(QString::fromStdString(own.Title));
  ASSERT_NE(byTitle, nullptr);
  EXPECT_EQ(Describe(*byTitle), Describe(own));
  EXPECT_EQ(host.NextLine(), "find 2 " + own.Title);
  const auto byHandle = client->FindEntityByHandle(own.Handle);
  ASSERT_NE(byHandle, nullptr);
  EXPECT_EQ(byHandle->Title, own.Title);
  EXPECT_EQ(client->FindEntityByTitle(QStringLiteral("nobody")), nullptr);
  EXPECT_EQ(client->FindEntityByHandle(12345), nullptr);

  const auto resource = client->GetResourceStream(QString::fromStdString(glossator::ItlFileNameFor(exe)));
  ASSERT_TRUE(resource.has_value());
  EXPECT_EQ(*resource, "[Hello]=Hallo|$$");
  EXPECT_FALSE(client->GetResourceStream(QStringLiteral("missing.png")).has_value());
  EXPECT_EQ(client->GetHostFileName(QStringLiteral("/a/b/c.exe")), QStringLiteral("c.exe"));
  EXPECT_EQ(client->GetStringValue(QStringLiteral("Größe")), QStringLiteral("string:Größe"));
  EXPECT_EQ(client->GetPathValue(QStringLiteral("TesseraWorkArea")), THost::Resources().path() + "/");
  EXPECT_EQ(client->GetPathValue(QStringLiteral("other")), QStringLiteral("path:other"));

  // Replies that answer nothing are not taken: a decoy with the next stamp, a
  // second copy, a reply claiming another sender, no reply at all.
  EXPECT_EQ(client->GetStringValue(QStringLiteral("decoy")), QStringLiteral("string:decoy"));
  EXPECT_EQ(client->GetStringValue(QStringLiteral("twice")), QStringLiteral("string:twice"));
  EXPECT_THROW(client->GetStringValue(QStringLiteral("forged")), EReadError);
  EXPECT_THROW(client->GetStringValue(QStringLiteral("silent")), EReadError);
  EXPECT_EQ(client->PendingReplyCount(), 0u);

  // Programs: without waiting the pid; waiting, the exit code after the end.
  EXPECT_GT(client->ExecuteProgram(QStringLiteral("true"), {}, false, 1), 0u);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(client->ExecuteProgram(QStringLiteral("sleep 0.3; exit"), QStringLiteral("7"), true, 0), 7u);
  EXPECT_GE(clock.elapsed(), 300);
  try {
    client->ExecuteProgram(QStringLiteral("fail"), {}, false, 0);
    ADD_FAILURE() << "pid 0 accepted";
  } catch (const EStarGaze& e) {
    EXPECT_STREQ(e.what(), "Could not execute \"fail.\"");
  }

  const std::string ownLine = Describe(own);
  client.reset();
  host.Say("exit");
  EXPECT_EQ(host.Finish(), 0);
  EXPECT_NE(host.RestOfOutput().find("logout " + ownLine), std::string::npos);
}

TEST(HostLink, QuitEndsTheClientAfterItsEventUnlessRefused) {
  THost host("t2");
  for (const int serverDown : {0, 1}) {
    auto client = StartClient({QStringLiteral("--host"), QStringLiteral("--multistart"), QStringLiteral("/serverhandle=t2")});
    const std::uint32_t handle = ReadyHandle(*client);
    EXPECT_EQ(host.NextEvent().rfind("login " + std::to_string(handle), 0), 0u);
    host.Say("quit " + std::to_string(handle) + " " + std::to_string(serverDown));
    EXPECT_EQ(client->NextLine(), "quit " + std::to_string(serverDown));
    EXPECT_EQ(client->NextLine(), "ended by quit");
    EXPECT_EQ(client->Finish(), 0);
    // A logout unless the host said it is going down (in either order with
    // the host's own report that its quit was handled).
    std::vector<std::string> events{host.NextEvent()};
    if (!serverDown) events.push_back(host.NextEvent());
    std::sort(events.begin(), events.end());
    EXPECT_EQ(events.front(), "done quit");
    if (!serverDown) {
      EXPECT_EQ(events.back().rfind("logout " + std::to_string(handle), 0), 0u);
    }
  }

  auto refusing = StartClient({QStringLiteral("--host"), QStringLiteral("--multistart"),
                               QStringLiteral("--refuse-quit"), QStringLiteral("/serverhandle=t2")});
  const std::uint32_t handle = ReadyHandle(*refusing);
  host.NextEvent();  // login
  host.Say("quit " + std::to_string(handle) + " 1");
  EXPECT_EQ(refusing->NextLine(), "quit 1");
  EXPECT_EQ(host.NextEvent(), "done quit");
  host.Say("message " + std::to_string(handle) + " 8192");  // still running: another message arrives
  EXPECT_EQ(refusing->NextLine(), "message 8192 3");
  refusing->CloseInput();
  EXPECT_EQ(refusing->NextLine(), "ended");
  EXPECT_EQ(refusing->Finish(), 0);
  host.Say("exit");
  EXPECT_EQ(host.Finish(), 0);
  // ServerDown stayed set from the refused quit: no logout.
  EXPECT_EQ(host.RestOfOutput().find("logout"), std::string::npos);
}

TEST(HostLink, SecondStartHandsItsParametersToTheFirst) {
  THost host("t3");
  auto first = StartClient({QStringLiteral("--host"), QStringLiteral("/serverhandle=t3")});
  const std::uint32_t handle = ReadyHandle(*first);
  // Through the host: found by title, parameters handed over, ended with 0.
  auto second = StartClient({QStringLiteral("--host"), QStringLiteral("/serverhandle=t3"), QStringLiteral("a b")});
  EXPECT_EQ(second->Finish(), 0);
  EXPECT_EQ(second->RestOfOutput(), "");  // never ready
  EXPECT_EQ(first->NextLine(), std::string("params ") + LINK_CLIENT + "|--host|a b");
  // From the host itself.
  host.Say("params " + std::to_string(handle) + " x|y");
  EXPECT_EQ(first->NextLine(), "params x|y");
  first->CloseInput();
  EXPECT_EQ(first->Finish(), 0);
}

TEST(HostLink, SecondStartWithoutHostFindsTheFirstInTheLinkDirectory) {
  auto first = StartClient({});
  ReadyHandle(*first);
  auto second = StartClient({QStringLiteral("one"), QStringLiteral("two")});
  EXPECT_EQ(second->Finish(), 0);
  EXPECT_EQ(first->NextLine(), std::string("params ") + LINK_CLIENT + "|one|two");
  // An argument with a line break is not split: nothing is handed over, and
  // the second start says so and fails.
  auto broken = StartClient({QStringLiteral("a\nb")});
  EXPECT_EQ(broken->Finish(), 1);
  EXPECT_NE(broken->Errors().find("line break"), std::string::npos);
  EXPECT_EQ(Endpoints().size(), 1u);  // the second starts took theirs with them
  first->CloseInput();
  EXPECT_EQ(first->NextLine(), "ended");
  EXPECT_EQ(first->Finish(), 0);
  // A killed instance leaves nothing that blocks the next start: its lock
  // goes with it, its endpoint and name are found dead and replaced.
  // The next start also removes what the killed one left (once it is older
  // than a moment), but never a user's file named like an endpoint behind a name link.
  const std::string notes = EndpointPath(RuntimeDir(), 0xf11e), notesLink = PublishedPath(RuntimeDir(), "notes");
  std::ofstream(notes) << "mine\n";
  ASSERT_EQ(symlink(notes.c_str(), notesLink.c_str()), 0);
  auto killed = StartClient({});
  const std::string left = EndpointPath(RuntimeDir(), ReadyHandle(*killed));
  killed->Kill();
  const timespec hourAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, left.c_str(), hourAgo, AT_SYMLINK_NOFOLLOW), 0);
  auto next = StartClient({QStringLiteral("again")});
  EXPECT_NE(ReadyHandle(*next), 0u);
  EXPECT_EQ(Endpoints().size(), 1u);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(left)));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(notesLink)));  // the link, and the file it leads to
  auto exiting = StartClient({QStringLiteral("--multistart")});  // ended by exit(), past its destructors
  ReadyHandle(*exiting);
  exiting->Say("exit");
  EXPECT_EQ(exiting->Finish(), 0);
  EXPECT_EQ(Endpoints().size(), 1u);
}

TEST(HostLink, StartRefusedWithoutHostOrWithAnOpenDirectory) {
  auto noHost = StartClient({QStringLiteral("--host"), QStringLiteral("/serverhandle=nobody")});
  EXPECT_EQ(noHost->NextLine(), "failed Star/Gaze server application is not running");
  EXPECT_EQ(noHost->Finish(), 3);

  const std::string open = RuntimeDir() + "/open";
  ASSERT_EQ(mkdir(open.c_str(), 0755), 0);
  chmod(open.c_str(), 0755);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QUANTORA_RUNTIME_DIR"), QString::fromStdString(open));
  TChild refused(QStringLiteral(LINK_CLIENT), {}, environment);
  EXPECT_EQ(refused.NextLine(),
            "failed the link directory " + open + " can be reached by other users (mode must be 0700)");
  EXPECT_EQ(refused.Finish(), 3);
  EXPECT_EQ(QDir(QString::fromStdString(open)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());

  const std::string link = RuntimeDir() + "/link";
  ASSERT_EQ(symlink("/tmp", link.c_str()), 0);
  EXPECT_EQ(OpenRuntimeDirAt(link).error, "the link directory " + link + " is not a directory");
  EXPECT_TRUE(OpenRuntimeDirAt(RuntimeDir() + "/fresh").Usable());
}

TEST(HostLink, EndpointsLeftBehindAreDetectedAndRemoved) {
  const std::string dir = RuntimeDir();
  // A socket file nobody listens on, as a crashed process leaves it.
  const std::uint32_t stale = 0x5eed;
  const std::string path = EndpointPath(dir, stale);
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(fd);
  const std::string name = WindowKey(std::string(kServerWindowClass) + "stale", std::string(kServerWindowName) + "stale");
  // The published name of a live endpoint, then pointed at the dead one.
  TLocalEndpoint live(dir, [](TFrame&&, pid_t) {});
  live.Publish(name);
  EXPECT_EQ(FindPublished(dir, name), live.Handle());
  const std::string linkFile = PublishedPath(dir, name);
  // Every form of a link to it finds it and stays: its name or its path, the
  // hex digits in either case (its file named in upper case too); a link to
  // anything else is left alone.
  char lower[16], upper[16];
  std::snprintf(lower, sizeof lower, "h-%08x", live.Handle());
  std::snprintf(upper, sizeof upper, "h-%08X", live.Handle());
  const std::string sub = dir + "/sub";
  mkdir(sub.c_str(), 0700);
  std::string file = dir + "/" + lower;
  const struct {
    std::string target;
    const char* fileName;
  } forms[] = {{upper, upper}, {dir + "/" + lower, lower}, {"sub/../" + std::string(upper), upper}, {"/tmp/" + std::string(lower), lower}};
  for (const auto& form : forms) {
    SCOPED_TRACE(form.target);
    ASSERT_EQ(rename(file.c_str(), (dir + "/" + form.fileName).c_str()), 0);
    file = dir + "/" + form.fileName;
    unlink(linkFile.c_str());
    ASSERT_EQ(symlink(form.target.c_str(), linkFile.c_str()), 0);
    EXPECT_EQ(FindPublished(dir, name), form.target.rfind("/tmp/h-", 0) == 0 ? 0u : live.Handle());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(linkFile)).isSymLink());
    EXPECT_TRUE(EndpointAlive(dir, live.Handle()));
  }
  unlink(linkFile.c_str());
  ASSERT_EQ(symlink("h-00005eed", linkFile.c_str()), 0);
  EXPECT_EQ(FindPublished(dir, name), 0u);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
  EXPECT_FALSE(QFileInfo(QString::fromStdString(linkFile)).isSymLink());
  EXPECT_FALSE(live.Send(stale, EncodeFrame(TFrame{live.Handle(), 1, {}, {}})));
}

TEST(HostLink, ReceiverThatDiesOrHangsEndsTheWait) {
  {
    THost dying("t4");
    auto client = std::make_unique<TkdbDemonClient>(nullptr, QStringList{QStringLiteral("exe"), QStringLiteral("/serverhandle=t4")});
    EXPECT_THROW(client->GetStringValue(QStringLiteral("die")), EReadError);
    EXPECT_EQ(dying.Finish(), 1);
  }
  THost hanging("t5");
  TLocalEndpoint endpoint(RuntimeDir(), [](TFrame&&, pid_t) {});
  TStarGazeMessageStream request;
  request.WriteString("hang");
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(endpoint.Send(hanging.handle, EncodeFrame(TFrame{endpoint.Handle(), hmGetString, {}, request.Bytes()}),
                             std::chrono::milliseconds(300)));
  EXPECT_LT(clock.elapsed(), 1200);
  EXPECT_GE(clock.elapsed(), 300);
}

// What other processes can make an endpoint hold is bounded: connections (the
// oldest waiting one makes room, and a complete frame still arrives), bytes of
// unfinished frames over all connections, and the time a frame may take.
TEST(HostLink, InboundConnectionsBytesAndWaitsAreBounded) {
  std::vector<TFrame> received;
  const TEndpointLimits limits{4, 1000, std::chrono::milliseconds(300)};  // connections, bytes, time
  TLocalEndpoint endpoint(RuntimeDir(), [&](TFrame&& frame, pid_t) { received.push_back(std::move(frame)); }, limits);
  const auto serve = [&] { endpoint.ServePending(std::chrono::milliseconds(20)); };
  std::vector<int> idle;
  for (int i = 0; i < 6; ++i) {
    idle.push_back(Connect(endpoint.Handle()));
    serve();
  }
  EXPECT_EQ(endpoint.InboundCount(), 4u);
  EXPECT_TRUE(ClosedByEndpoint(idle[0]) && ClosedByEndpoint(idle[1]));
  EXPECT_FALSE(ClosedByEndpoint(idle[2]));
  const int sender = Connect(endpoint.Handle());
  const std::string frame = EncodeFrame(TFrame{7, 0x2000, {}, "abc"});
  ASSERT_EQ(send(sender, frame.data(), frame.size(), 0), ssize_t(frame.size()));
  serve();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].Payload, "abc");
  EXPECT_TRUE(ClosedByEndpoint(idle[2]));

  // Two frames of 800 bytes begun: the second one's bytes would pass 1000.
  std::string begun = EncodeFrame(TFrame{7, 0x2000, {}, std::string(792, 'x')});
  begun.resize(612);
  const int first = Connect(endpoint.Handle()), second = Connect(endpoint.Handle());
  for (const int fd : {first, second}) {
    ASSERT_EQ(send(fd, begun.data(), begun.size(), 0), ssize_t(begun.size()));
    serve();
  }
  EXPECT_FALSE(ClosedByEndpoint(first));
  EXPECT_TRUE(ClosedByEndpoint(second));
  usleep(350 * 1000);  // past every deadline
  serve();
  EXPECT_EQ(endpoint.InboundCount(), 0u);
  EXPECT_TRUE(ClosedByEndpoint(first));
  for (const int fd : idle) close(fd);
  for (const int fd : {sender, first, second}) close(fd);
}

// Out of descriptors, a program rests instead of retrying at once (no busy
// event loop), says so once, and serves again when descriptors are free.
TEST(HostLink, DescriptorExhaustionRestsSaysSoOnceAndRecovers) {
#ifdef __SANITIZE_ADDRESS__
  // The sanitizers' runtime opens descriptors of its own (UBSan's vptr check
  // tests memory through a pipe), so at the limit it reports a false fault.
  GTEST_SKIP() << "a process at its descriptor limit cannot run under the sanitizers";
#endif
  QProcess client;
  client.setChildProcessModifier([] {
    const rlimit few{16, 16};
    setrlimit(RLIMIT_NOFILE, &few);
  });
  client.start(QStringLiteral(LINK_CLIENT), {});
  ASSERT_TRUE(client.waitForReadyRead(10000));
  const QByteArray ready = client.readLine();
  ASSERT_TRUE(ready.startsWith("ready ")) << ready.toStdString();
  const auto handle = std::uint32_t(ready.mid(6).trimmed().toULong());
  std::vector<int> held;
  for (int i = 0; i < 40; ++i) held.push_back(Connect(handle));
  const auto cpuTicks = [&] {  // user and system time, fields 14 and 15 of the process's stat
    std::ifstream stat("/proc/" + std::to_string(client.processId()) + "/stat");
    std::string field;
    while (stat >> field && field.back() != ')') {
    }
    long ticks[13] = {};
    for (long& t : ticks) stat >> field, t = std::atol(field.c_str());
    return ticks[11] + ticks[12];
  };
  client.waitForReadyRead(300);
  const long before = cpuTicks();
  client.waitForReadyRead(1000);
  EXPECT_LT(cpuTicks() - before, sysconf(_SC_CLK_TCK) / 4) << "the event loop spins";
  for (const int fd : held) close(fd);

  TLocalEndpoint endpoint(RuntimeDir(), [](TFrame&&, pid_t) {});
  EXPECT_TRUE(endpoint.Send(handle, EncodeFrame(TFrame{endpoint.Handle(), 0x2000, {}, "abc"})));
  ASSERT_TRUE(client.waitForReadyRead(5000));
  EXPECT_EQ(client.readLine(), "message 8192 3\n");
  client.closeWriteChannel();
  ASSERT_TRUE(client.waitForFinished(10000));
  EXPECT_EQ(client.readAllStandardError(),
            "link_client: the host link cannot take new connections (Too many open files); it tries again every "
            "500 ms\n");
}

}  // namespace
}  // namespace tessera
