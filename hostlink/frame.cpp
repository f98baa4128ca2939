#include "hostlink/frame.h"

#include <stdexcept>

#include "hostlink/messages.h"

namespace tessera {

namespace {

void PutInt32(std::string& out, std::int32_t value) {
  const auto u = std::uint32_t(value);
  out += char(u & 0xFF);
  out += char((u >> 8) & 0xFF);
  out += char((u >> 16) & 0xFF);
  out += char(u >> 24);
}

std::uint32_t GetUInt32(std::string_view bytes, std::size_t at) {
  const auto b = [&](std::size_t i) { return std::uint32_t(static_cast<unsigned char>(bytes[at + i])); };
  return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

}  // namespace

std::string EncodeFrame(const TFrame& frame) {
  const std::size_t block = kTimeStampSize + frame.Payload.size();
  if (kFrameHeaderSize + block > kMaxFrameSize) throw std::length_error("message larger than 16 MiB");
  std::string out;
  out.reserve(kFrameHeaderSize + block);
  PutInt32(out, std::int32_t(frame.SenderHandle));
  PutInt32(out, frame.MsgId);
  PutInt32(out, std::int32_t(block));
  PutInt32(out, frame.TimeStamp.Time);
  PutInt32(out, frame.TimeStamp.Date);
  out += frame.Payload;
  return out;
}

TFrameReader::TState TFrameReader::Feed(std::string_view bytes) {
  if (fState == frsBroken) return fState;
  fBuffer.append(bytes);
  return Advance();
}

TFrameReader::TState TFrameReader::Advance() {
  if (fBuffer.size() < kFrameHeaderSize) return fState = frsNeedMore;
  const std::uint32_t block = GetUInt32(fBuffer, 8);
  // The block's length is checked before the stamp is read, and before anything
  // is allocated for it.
  if (block < kTimeStampSize || block > kMaxFrameSize - kFrameHeaderSize) {
    fBuffer.clear();
    return fState = frsBroken;
  }
  return fState = fBuffer.size() >= kFrameHeaderSize + block ? frsFrame : frsNeedMore;
}

std::size_t TFrameReader::Missing() const {
  if (fState != frsNeedMore) return 0;
  if (fBuffer.size() < kFrameHeaderSize) return kFrameHeaderSize - fBuffer.size();
  return kFrameHeaderSize + GetUInt32(fBuffer, 8) - fBuffer.size();
}

TFrame TFrameReader::TakeFrame() {
  if (fState != frsFrame) throw std::logic_error("TFrameReader::TakeFrame without a complete frame");
  const std::uint32_t block = GetUInt32(fBuffer, 8);
  TFrame frame;
  frame.SenderHandle = GetUInt32(fBuffer, 0);
  frame.MsgId = std::int32_t(GetUInt32(fBuffer, 4));
  frame.TimeStamp.Time = std::int32_t(GetUInt32(fBuffer, 12));
  frame.TimeStamp.Date = std::int32_t(GetUInt32(fBuffer, 16));
  frame.Payload.assign(fBuffer, kFrameHeaderSize + kTimeStampSize, block - kTimeStampSize);
  fBuffer.erase(0, kFrameHeaderSize + block);
  Advance();
  return frame;
}

}  // namespace tessera
