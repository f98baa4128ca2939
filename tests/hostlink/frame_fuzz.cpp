// Fuzz driver of the receive path: random and mutated frames, cut into random
// pieces, go through the frame reader into the component's handling of
// received messages, whose handlers read the payloads as the client would.
// Nothing may crash, hang, or escape as an error other than the stream's read
// error (which the component drops); the sanitizer build checks the memory.
//
//   hostlink_fuzz COUNT [SEED]      prints frames, faults and peak memory; status 1 on a fault

#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <fstream>
#include <random>

#include "hostlink/demon_client.h"
#include "hostlink/errors.h"
#include "hostlink/frame.h"
#include "hostlink/messages.h"

using namespace tessera;

namespace {

long PeakMemoryKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

class TGenerator {
 public:
  explicit TGenerator(unsigned seed) : fRandom(seed) {}

  std::string Next() {
    switch (Pick(5)) {
      case 0: return RandomBytes(Pick(64));
      case 1: return EncodeFrame(ValidFrame());
      default: return Mutate(EncodeFrame(ValidFrame()));
    }
  }

 private:
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(fRandom); }
  std::string RandomBytes(std::size_t n) {
    std::string out(n, '\0');
    for (char& c : out) c = char(Pick(256));
    return out;
  }
  std::string String() { return Pick(4) == 0 ? RandomBytes(Pick(20)) : std::string("name"); }

  TFrame ValidFrame() {
    TFrame frame;
    frame.SenderHandle = std::uint32_t(fRandom());
    frame.MsgId = Pick(8) == 0 ? std::int32_t(fRandom()) : std::int32_t(hmQuit + Pick(11));
    frame.TimeStamp = TTimeStamp{std::int32_t(fRandom()), std::int32_t(fRandom())};
    TStarGazeMessageStream s;
    switch (frame.MsgId) {
      case hmQuit: s.WriteByte(std::uint8_t(Pick(3))); break;
      case hmLogin:
      case hmLogout:
      case hmFindEntity: {
        TEntity e;
        e.Handle = std::uint32_t(fRandom());
        e.ExeName = String();
        e.Title = String();
        e.WriteTo(s);
        break;
      }
      case hmParams: s.WriteStringList({String(), String(), RandomBytes(Pick(8))}); break;
      case hmExecute:
        s.WriteString(String());
        s.WriteString(String());
        s.WriteByte(1);
        s.WriteInt32(std::int32_t(fRandom()));
        break;
      default: s.WriteString(String()); s.WriteBytes(RandomBytes(Pick(16)));
    }
    frame.Payload = s.Bytes();
    return frame;
  }

  std::string Mutate(std::string bytes) {
    const std::size_t edits = 1 + Pick(4);
    for (std::size_t i = 0; i < edits && !bytes.empty(); ++i) {
      switch (Pick(6)) {
        case 0: bytes[Pick(bytes.size())] ^= char(1 << Pick(8)); break;
        case 1: bytes.resize(Pick(bytes.size())); break;
        case 2: bytes.insert(Pick(bytes.size()), RandomBytes(1 + Pick(8))); break;
        case 3: {  // a boundary value over an int32: the block length or a string length
          static const std::uint32_t values[] = {0, 1, 7, 8, 9, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 16u << 20};
          const std::uint32_t v = values[Pick(std::size(values))];
          const std::size_t at = Pick(4) == 0 ? 8 : Pick(bytes.size());
          for (std::size_t b = 0; b < 4 && at + b < bytes.size(); ++b) bytes[at + b] = char(v >> (8 * b));
          break;
        }
        case 4: bytes.erase(Pick(bytes.size()), 1 + Pick(4)); break;
        default: bytes += RandomBytes(Pick(12));
      }
    }
    return bytes;
  }

  std::mt19937 fRandom;
};

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 1000;
  const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1u;
  char dir[] = "/tmp/quantora-fuzz-XXXXXX";
  if (!mkdtemp(dir)) return 2;
  setenv("QUANTORA_RUNTIME_DIR", dir, 1);
  QCoreApplication app(argc, argv);

  long delivered = 0, broken = 0, truncated = 0, faults = 0, handled = 0;
  {
    TkdbDemonClient client(nullptr, {QStringLiteral("fuzz")});
    client.OnParamsChange = [&](TkdbCustomDemon& c) { handled += c.ParamCount() + 1; };
    client.OnQuitMsgReceived = [&](TkdbCustomDemon&, bool, bool& allow) { allow = false; };
    client.OnGotAMessage = [&](TkdbCustomDemon&, TStarGazeMessageStream& m) {
      // Read the payload every way a request's reply is read.
      switch (m.MsgId % 4) {
        case 0: { TEntity e; e.ReadFrom(m); break; }
        case 1: m.ReadString(); m.ReadInt32(); break;
        case 2: m.ReadByte(); m.ReadRest(); break;
        default: m.ReadStringList();
      }
      ++handled;
    };
    TGenerator generator(seed);
    std::mt19937 cuts(seed + 1);
    for (long i = 0; i < count; ++i) {
      // Each input is one connection: one frame, or less, or more.
      TFrameReader reader;
      const std::string bytes = generator.Next();
      const pid_t sender = i % 3 == 0 ? 1 : getpid();  // another program, or this one
      for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t piece = std::min<std::size_t>(bytes.size() - at, 1 + cuts() % 32);
        TFrameReader::TState state = reader.Feed(std::string_view(bytes).substr(at, piece));
        at += piece;
        while (state == TFrameReader::frsFrame) {
          try {
            client.ReceiveFrame(reader.TakeFrame(), sender);
          } catch (const std::exception& e) {
            ++faults;
            std::fprintf(stderr, "fault at input %ld: %s\n", i, e.what());
          }
          ++delivered;
          state = reader.State();
        }
        if (state == TFrameReader::frsBroken) {
          ++broken;  // the connection is dropped
          break;
        }
      }
      if (reader.State() == TFrameReader::frsNeedMore) ++truncated;
      if (client.PendingReplyCount() != 0) {
        ++faults;
        std::fprintf(stderr, "fault at input %ld: a reply kept without a request\n", i);
      }
    }
  }
  QDir(QString::fromLatin1(dir)).removeRecursively();
  std::printf(
      "inputs %ld, frames handled %ld, broken %ld, truncated %ld, handler calls %ld, faults %ld, peak memory %ld KiB\n",
      count, delivered, broken, truncated, handled, faults, PeakMemoryKiB());
  return faults == 0 ? 0 : 1;
}
