// Records, frames and stamps byte for byte; the suffix and parameter rules of
// the command line; and the component's receive path without a host.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <limits>

#include "hostlink/demon_client.h"
#include "hostlink/errors.h"
#include "hostlink/frame.h"
#include "hostlink/instance_lock.h"
#include "hostlink/runtime_dir.h"
#include "hostlink/messages.h"
#include "hostlink/server_suffix.h"
#include "translate/itl_file_name.h"

namespace tessera {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += char(v);
  return out;
}

TEST(MessageStream, WireFormsByteForByte) {
  TStarGazeMessageStream s;
  // A new message: stamp 0 (both halves), number 0, empty.
  EXPECT_EQ(s.TimeStamp, (TTimeStamp{0, 0}));
  EXPECT_EQ(s.MsgId, 0);
  EXPECT_EQ(s.Size(), 0u);
  s.WriteByte(2);
  s.WriteInt32(-2);
  s.WriteInt32(0x1005);
  s.WriteString("Sinus");
  s.WriteString("");
  s.WriteStringList({"a", "bc"});
  EXPECT_EQ(s.Bytes(), Bytes({2, 0xFE, 0xFF, 0xFF, 0xFF, 0x05, 0x10, 0, 0, 5, 0, 0, 0, 'S', 'i', 'n', 'u', 's', 0, 0, 0,
                              0, 'a', '\r', '\n', 'b', 'c', '\r', '\n'}));
  s.SetPosition(0);
  EXPECT_EQ(s.ReadByte(), 2);
  EXPECT_EQ(s.ReadInt32(), -2);
  EXPECT_EQ(s.ReadInt32(), 0x1005);
  EXPECT_EQ(s.ReadString(), "Sinus");
  EXPECT_EQ(s.ReadString(), "");
  EXPECT_EQ(s.ReadStringList(), (std::vector<std::string>{"a", "bc"}));
  EXPECT_THROW(s.ReadByte(), EReadError);
}

TEST(MessageStream, StringListLineEndings) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
  };
  for (const auto& c : cases) {
    TStarGazeMessageStream s;
    s.LoadPayload(c.text);
    EXPECT_EQ(s.ReadStringList(), c.lines) << c.text;
  }
}

TEST(MessageStream, StringLengthCheckedBeforeAnythingIsRead) {
  // A length running past the end, the largest length, and a negative one:
  // each a read error, the position unchanged and nothing allocated.
  for (const std::int32_t length : {4, std::numeric_limits<std::int32_t>::max(), -1}) {
    TStarGazeMessageStream s;
    s.WriteInt32(length);
    s.WriteBytes("abc");
    s.SetPosition(0);
    EXPECT_THROW(s.ReadString(), EReadError) << length;
    EXPECT_EQ(s.Position(), 0u);
  }
  TStarGazeMessageStream shortInt;
  shortInt.LoadPayload(Bytes({1, 0, 0}));
  EXPECT_THROW(shortInt.ReadInt32(), EReadError);
  EXPECT_EQ(shortInt.Position(), 0u);
}

TEST(Entity, RecordByteForByteAndTruncatedRecords) {
  TEntity e;
  e.Handle = 0x01020304;
  e.AuxHandle = 0xFFFFFFFF;
  e.ExeName = "/q";
  e.Title = "Q\xC3\xA4";  // UTF-8 on the wire
  TStarGazeMessageStream s;
  e.WriteTo(s);
  const std::string record = Bytes({4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, '/', 'q', 3, 0, 0, 0, 'Q', 0xC3, 0xA4});
  ASSERT_EQ(s.Bytes(), record);

  TEntity back;
  s.SetPosition(0);
  back.ReadFrom(s);
  EXPECT_EQ(back.Handle, e.Handle);
  EXPECT_EQ(back.AuxHandle, e.AuxHandle);
  EXPECT_EQ(back.ExeName, "/q");
  EXPECT_EQ(back.Title, e.Title);
  EXPECT_EQ(back.MutexName(), "SG_q");

  // Every cut of the record is a read error that leaves the entity alone.
  for (std::size_t cut = 0; cut < record.size(); ++cut) {
    TStarGazeMessageStream truncated;
    truncated.LoadPayload(record.substr(0, cut));
    TEntity untouched;
    untouched.Title = "before";
    EXPECT_THROW(untouched.ReadFrom(truncated), EReadError) << cut;
    EXPECT_EQ(untouched.Title, "before");
    EXPECT_EQ(untouched.Handle, 0u);
  }
}

TEST(Frame, BytesOfAFrameAndItsReading) {
  const TFrame frame{0xA1B2C3D4, hmGetPath, TTimeStamp{45296789, 739592}, "xy"};
  const std::string bytes = EncodeFrame(frame);
  EXPECT_EQ(bytes, Bytes({0xD4, 0xC3, 0xB2, 0xA1, 0x0A, 0x10, 0, 0, 10, 0, 0, 0, 0x95, 0x2C, 0xB3, 0x02, 0x08, 0x49,
                          0x0B, 0x00, 'x', 'y'}));

  // Fed one byte at a time, twice in a row: two equal frames.
  TFrameReader reader;
  std::size_t frames = 0;
  const std::string twice = bytes + bytes;
  for (std::size_t i = 0; i < twice.size(); ++i) {
    if (reader.Feed(twice.substr(i, 1)) != TFrameReader::frsFrame) continue;
    const TFrame read = reader.TakeFrame();
    EXPECT_EQ(read.SenderHandle, frame.SenderHandle);
    EXPECT_EQ(read.MsgId, frame.MsgId);
    EXPECT_EQ(read.TimeStamp, frame.TimeStamp);
    EXPECT_EQ(read.Payload, frame.Payload);
    ++frames;
  }
  EXPECT_EQ(frames, 2u);
  EXPECT_EQ(reader.State(), TFrameReader::frsNeedMore);
  EXPECT_EQ(reader.Missing(), kFrameHeaderSize);
}

TEST(Frame, BlockLengthCheckedBeforeTheStampAndBeforeAllocating) {
  // block length: (value, broken?)
  const struct {
    std::uint32_t block;
    bool broken;
  } cases[] = {{0, true},         {7, true},           {8, false},         {16777216 - 12, false},  // 16 MiB in all
               {16777216 - 11, true}, {0x80000000u, true}, {0xFFFFFFFFu, true}};
  for (const auto& c : cases) {
    TFrameReader reader;
    const std::string header = Bytes({1, 0, 0, 0, 0, 0x10, 0, 0}) +
                               Bytes({int(c.block & 0xFF), int(c.block >> 8 & 0xFF), int(c.block >> 16 & 0xFF),
                                      int(c.block >> 24)});
    EXPECT_EQ(reader.Feed(header), c.broken ? TFrameReader::frsBroken : TFrameReader::frsNeedMore) << c.block;
  }
  EXPECT_THROW(EncodeFrame(TFrame{1, 1, {}, std::string(kMaxFrameSize, 'x')}), std::length_error);
}

TEST(TimeStamp, DaysFromTheYearOneAndMillisecondsFromMidnight) {
  EXPECT_EQ(MakeTimeStamp(1, 1, 1, 0, 0, 0, 0), (TTimeStamp{0, 1}));
  EXPECT_EQ(MakeTimeStamp(1899, 12, 30, 0, 0, 0, 0), (TTimeStamp{0, 693594}));
  EXPECT_EQ(MakeTimeStamp(2026, 12, 7, 12, 34, 56, 789), (TTimeStamp{45296789, 739957}));
  EXPECT_EQ(NextTimeStamp(TTimeStamp{86399999, 10}), (TTimeStamp{0, 11}));
  EXPECT_EQ(NextTimeStamp(TTimeStamp{5, 10}), (TTimeStamp{6, 10}));
}

TEST(CommandLine, HostSuffixAndProgramParameters) {
  const struct {
    std::string configured;
    std::vector<std::string> arguments;
    std::string suffix;
    std::vector<std::string> params;
  } cases[] = {
      {"", {"/q", "/SERVERHANDLE=ABC"}, "abc", {"/q", "/SERVERHANDLE=ABC"}},
      {"", {"/q", "/serverhandle=ABC", "x"}, "abc", {"/q", "x"}},
      {"", {"/q", "/serverhandle=a", "/Serverhandle=B"}, "b", {"/q", "/Serverhandle=B"}},  // last one wins
      {"00000000", {"/q"}, "00000000", {"/q"}},
      {"00000000", {"/q", "/serverhandle=7"}, "7", {"/q"}},
      {"Viewer", {"/q", "/serverhandle=7"}, "Viewer", {"/q"}},  // the configuration first, as it stands
      {"", {"/serverhandle=0"}, "", {}},                        // argument 0 is the executable
      {"", {"/q", "/serverhandle"}, "", {"/q", "/serverhandle"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ServerSuffix(c.configured, c.arguments), c.suffix) << c.configured;
    EXPECT_EQ(ProgramParams(c.arguments), c.params);
  }
}

TEST(CommandLine, ViewerHandleFromTheSystemWideSettings) {
  QTemporaryDir dir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path());
  EXPECT_EQ(ConfiguredViewerHandle(), "");  // no file
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Quillon")));
  QFile file(dir.path() + QStringLiteral("/Quillon/tessera.conf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[demon]\nViewerHandle=7f00\n");
  file.close();
  EXPECT_EQ(ConfiguredViewerHandle(), "7f00");
}

TEST(LinkDirectory, ChosenByTheEnvironment) {
  QTemporaryDir dir;
  const QByteArray own = qgetenv("QUANTORA_RUNTIME_DIR");
  const QByteArray tmp = qgetenv("TMPDIR");
  const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
  qunsetenv("QUANTORA_RUNTIME_DIR");
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("TMPDIR", (dir.path() + "//").toUtf8());
  const std::string base = dir.path().toStdString();
  EXPECT_EQ(OpenRuntimeDir().path, base + "/quantora-" + std::to_string(geteuid()));
  qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
  EXPECT_EQ(OpenRuntimeDir().path, base + "/quantora");
  qputenv("QUANTORA_RUNTIME_DIR", own);
  EXPECT_EQ(OpenRuntimeDir().path, own.toStdString());
  struct stat info{};
  ASSERT_EQ(stat((base + "/quantora").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
  xdg.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", xdg);
}

// One process shares its lock among its components; the lock goes with the
// last share, and another open of the file (another process) sees it held.
TEST(InstanceLock, HeldUntilTheLastShareIsGiven) {
  const std::string dir = OpenRuntimeDir().path;
  const auto heldElsewhere = [&] {
    const int fd = open((dir + "/SG_probe").c_str(), O_RDWR);
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    return held;
  };
  std::uint32_t first = 0, second = 0;
  ASSERT_EQ(TInstanceLock::Acquire(dir, "SG_probe", first), TInstanceLock::ilTaken);
  ASSERT_EQ(TInstanceLock::Acquire(dir, "SG_probe", second), TInstanceLock::ilTaken);
  EXPECT_EQ(first, second);
  EXPECT_GE(first, 3u);
  EXPECT_TRUE(heldElsewhere());
  TInstanceLock::Release(first);
  EXPECT_TRUE(heldElsewhere());
  TInstanceLock::Release(second);
  EXPECT_FALSE(heldElsewhere());
}

// The component without a host: its state after construction and loading,
// its local answers, and what it does with received messages.
class LocalComponent : public ::testing::Test {
 protected:
  std::unique_ptr<TkdbDemonClient> client =
      std::make_unique<TkdbDemonClient>(nullptr, QStringList{QStringLiteral("/ignored/exe"), QStringLiteral("one"),
                                                             QStringLiteral("/serverhandle=x")});

  void Receive(std::int32_t id, const std::string& payload, pid_t sender, std::uint32_t senderHandle = 77) {
    client->ReceiveFrame(TFrame{senderHandle, id, TTimeStamp{1, 2}, payload}, sender);
  }
};

TEST_F(LocalComponent, ValuesAfterConstructionAndLocalAnswers) {
  EXPECT_TRUE(client->AutoTranslate());
  EXPECT_FALSE(client->AutoCreateItlFile());
  EXPECT_FALSE(client->MultiStart());
  EXPECT_TRUE(client->UseTesseraServer());
  EXPECT_FALSE(client->ServerDown());
  EXPECT_EQ(client->ServerEntity().Handle, 0u);
  EXPECT_NE(client->OwnEntity().Handle, 0u);
  EXPECT_TRUE(client->OwnEntity().IsAlive());
  EXPECT_EQ(client->OwnEntity().AuxHandle, 0u);
  EXPECT_EQ(client->GetWindowClassName(), "ThisIsTheStarGazeClientComponentWindowClass");
  EXPECT_EQ(client->GetWindowName(), "");

  const QString exe = QString::fromStdString(glossator::CurrentExecutablePath());
  EXPECT_EQ(client->Params(), (QStringList{QStringLiteral("/ignored/exe"), QStringLiteral("one")}));
  EXPECT_EQ(client->ParamStr(0), exe);
  EXPECT_EQ(client->ParamStr(1), QStringLiteral("one"));
  for (const int bad : {-1, 2}) {
    try {
      client->ParamStr(bad);
      ADD_FAILURE() << bad;
    } catch (const EStarGaze& e) {
      EXPECT_EQ(std::string(e.what()), "Illegal \"ParamStr\" parameter: " + std::to_string(bad));
    }
  }

  try {
    client->Loaded();
    ADD_FAILURE() << "loaded without a host";
  } catch (const EStarGaze& e) {
    EXPECT_STREQ(e.what(), "Star/Gaze server application is not running");
  }

  client->SetUseTesseraServer(false);
  const QString directory = exe.left(exe.lastIndexOf(QLatin1Char('/')) + 1);
  EXPECT_EQ(client->GetPathValue(QStringLiteral("TesseraWorkArea")), directory);
  EXPECT_EQ(client->GetPathValue(QStringLiteral("TesseraHomeDir")), directory);
  EXPECT_EQ(client->GetPathValue(QStringLiteral("tesseraworkarea")), QString());
  // Requests that need a reply and get none: the read error; a search: none.
  EXPECT_THROW(client->GetStringValue(QStringLiteral("x")), EReadError);
  EXPECT_EQ(client->FindEntityByTitle(QStringLiteral("x")), nullptr);
  // The own entity with an empty title is not refreshed from anyone.
  client->OwnEntity().Title.clear();
  EXPECT_EQ(client->OwnEntity().GetTitle(), "");
  EXPECT_EQ(client->PendingReplyCount(), 0u);
}

TEST_F(LocalComponent, ParamsFromThisProgramOnly) {
  int changes = 0;
  client->OnParamsChange = [&](TkdbCustomDemon& sender) {
    EXPECT_EQ(&sender, client.get());
    ++changes;
  };
  Receive(hmParams, "a\r\nb\r\n", 1);  // pid 1 runs another program: ignored
  EXPECT_EQ(changes, 0);
  Receive(hmParams, "a\r\nb\r\n", getpid());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(client->Params(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
  EXPECT_EQ(client->ParamCount(), 1);
  EXPECT_EQ(client->ParamStr(0), QString::fromStdString(glossator::CurrentExecutablePath()));
  Receive(hmParams, "", getpid());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(client->ParamCount(), -1);
  EXPECT_THROW(client->ParamStr(0), EStarGaze);
}

TEST_F(LocalComponent, QuitRepliesAndOtherMessages) {
  bool quitSeen = false;
  client->OnQuitMsgReceived = [&](TkdbCustomDemon&, bool, bool&) { quitSeen = true; };
  int others = 0;
  client->OnGotAMessage = [&](TkdbCustomDemon& sender, TStarGazeMessageStream& m) {
    ++others;
    EXPECT_EQ(m.MsgId, 0x2000);
    EXPECT_EQ(m.Position(), 0u);
    EXPECT_EQ(m.Bytes(), "payload");
    EXPECT_EQ(m.Sender().Handle, 4242u);
    EXPECT_EQ(m.TimeStamp, (TTimeStamp{1, 2}));
  };
  Receive(hmQuit, Bytes({1}), getpid());  // not logged in to anyone: not obeyed
  EXPECT_FALSE(quitSeen);
  EXPECT_FALSE(client->ServerDown());
  Receive(hmReply, "nobody waits", getpid());  // dropped at once
  EXPECT_EQ(client->PendingReplyCount(), 0u);
  Receive(0x2000, "payload", getpid(), 4242);
  EXPECT_EQ(others, 1);
  // A handler reading past the end: the message is dropped, the component goes on.
  client->OnGotAMessage = [](TkdbCustomDemon&, TStarGazeMessageStream& m) { m.ReadString(); };
  EXPECT_NO_THROW(Receive(0x2001, Bytes({9, 0, 0, 0, 'x'}), getpid()));
}

}  // namespace
}  // namespace tessera
