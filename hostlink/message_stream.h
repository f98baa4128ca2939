#pragma once
// One message of the host protocol: a memory stream holding the payload, with
// the time stamp that pairs a reply to its request, the sending entity, the
// component that sends or received it, and the message number.
//
// Wire forms inside a payload (all integers little-endian):
//   byte          1 byte
//   int32         4 bytes
//   string        int32 length n, then n bytes of UTF-8, no terminator
//   string list   the lines, each followed by CR LF; no count (runs to the end)
// Every read that would run past the end of the payload throws EReadError and
// leaves the position where it was.

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostlink/time_stamp.h"

namespace tessera {

class TEntity;
class TkdbCustomDemon;

class TStarGazeMessageStream {
 public:
  // An empty message of `owner` (may be null): stamp 0, MsgId 0, empty payload.
  explicit TStarGazeMessageStream(TkdbCustomDemon* owner = nullptr);
  ~TStarGazeMessageStream();
  TStarGazeMessageStream(const TStarGazeMessageStream&) = delete;
  TStarGazeMessageStream& operator=(const TStarGazeMessageStream&) = delete;

  TTimeStamp TimeStamp;              // stamped by Send; a reply carries its request's
  TkdbCustomDemon* Owner = nullptr;  // the component that sends or received it
  std::int32_t MsgId = 0;            // the message number (THostMessage)
  pid_t SenderProcess = 0;           // received: the sending process, from the kernel; 0 otherwise
  // For a received message: the sending window (its Handle). Owned.
  TEntity& Sender() { return *fSender; }
  const TEntity& Sender() const { return *fSender; }

  // The memory stream.
  const std::string& Bytes() const { return fBytes; }
  std::size_t Size() const { return fBytes.size(); }
  std::size_t Position() const { return fPosition; }
  void SetPosition(std::size_t position);  // clamped to Size()
  std::size_t Remaining() const { return fBytes.size() - fPosition; }
  // Replaces the whole payload, position 0.
  void LoadPayload(std::string bytes);
  void Clear() { LoadPayload({}); }

  void WriteBytes(std::string_view bytes);  // at the position, growing the stream
  void WriteByte(std::uint8_t value);
  void WriteInt32(std::int32_t value);
  void WriteString(std::string_view text);
  // Each line followed by CR LF.
  void WriteStringList(const std::vector<std::string>& lines);

  std::uint8_t ReadByte();
  std::int32_t ReadInt32();
  // The length is checked against the bytes left before anything is allocated.
  std::string ReadString();
  // Everything from the position to the end.
  std::string ReadRest();
  // The rest split into lines; a line ends at CR, LF or CR LF. A last line
  // without an ending counts too; an empty rest gives no lines.
  std::vector<std::string> ReadStringList();

  // Sends this message to `target` through the owner (stamping it); `reply`,
  // when given, receives the answer or stays empty.
  void SendTo(TEntity& target, TStarGazeMessageStream* reply);

 private:
  void ReadExact(void* into, std::size_t count);

  std::string fBytes;
  std::size_t fPosition = 0;
  std::unique_ptr<TEntity> fSender;
};

}  // namespace tessera
