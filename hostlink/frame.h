#pragma once
// The frame that carries one message between two endpoints, the local-socket
// form of the synchronous data-copy window message:
//
//   bytes 0-3    sender's endpoint handle        (int32, little-endian)
//   bytes 4-7    MsgId                            (int32)
//   bytes 8-11   block length n = 8 + payload     (int32)
//   block        bytes 0-3 TimeStamp.Time, 4-7 TimeStamp.Date, 8.. the payload
//
// The receiver answers a frame it has handled with the 4-byte acknowledgement
// 0; the sender's send returns when that arrives.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hostlink/time_stamp.h"

namespace tessera {

struct TFrame {
  std::uint32_t SenderHandle = 0;
  std::int32_t MsgId = 0;
  TTimeStamp TimeStamp;
  std::string Payload;
};

constexpr std::size_t kFrameHeaderSize = 12;  // handle, MsgId, block length
constexpr std::size_t kTimeStampSize = 8;
constexpr std::size_t kAcknowledgementSize = 4;

// The frame's bytes. A payload that would make the frame larger than
// kMaxFrameSize is the caller's error (EncodeFrame throws std::length_error).
std::string EncodeFrame(const TFrame& frame);

// Reads frames from a byte stream as it arrives, in pieces of any size.
class TFrameReader {
 public:
  enum TState {
    frsNeedMore,  // no complete frame yet
    frsFrame,     // a frame is complete: TakeFrame
    frsBroken,    // the bytes cannot be a frame (block shorter than the stamp, or too long)
  };
  // Appends bytes; returns the state after them. Bytes after a complete frame
  // are kept for the next one.
  TState Feed(std::string_view bytes);
  TState State() const { return fState; }
  // The completed frame; the reader then goes on with the bytes kept.
  TFrame TakeFrame();
  // How many more bytes the frame in progress needs (0 when complete or broken).
  std::size_t Missing() const;
  // Bytes held: the frame in progress and what follows it.
  std::size_t Buffered() const { return fBuffer.size(); }

 private:
  TState Advance();

  std::string fBuffer;
  TState fState = frsNeedMore;
};

}  // namespace tessera
