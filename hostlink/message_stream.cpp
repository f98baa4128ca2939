#include "hostlink/message_stream.h"

#include <algorithm>
#include <cstring>

#include "hostlink/custom_demon.h"
#include "hostlink/entity.h"
#include "hostlink/errors.h"

namespace tessera {

TStarGazeMessageStream::TStarGazeMessageStream(TkdbCustomDemon* owner)
    : Owner(owner), fSender(std::make_unique<TEntity>(owner)) {}

TStarGazeMessageStream::~TStarGazeMessageStream() = default;

void TStarGazeMessageStream::SetPosition(std::size_t position) { fPosition = std::min(position, fBytes.size()); }

void TStarGazeMessageStream::LoadPayload(std::string bytes) {
  fBytes = std::move(bytes);
  fPosition = 0;
}

void TStarGazeMessageStream::WriteBytes(std::string_view bytes) {
  if (fPosition + bytes.size() > fBytes.size()) fBytes.resize(fPosition + bytes.size());
  std::memcpy(fBytes.data() + fPosition, bytes.data(), bytes.size());
  fPosition += bytes.size();
}

void TStarGazeMessageStream::WriteByte(std::uint8_t value) { WriteBytes(std::string_view(reinterpret_cast<const char*>(&value), 1)); }

void TStarGazeMessageStream::WriteInt32(std::int32_t value) {
  const auto u = std::uint32_t(value);
  const char bytes[4] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char(u >> 24)};
  WriteBytes(std::string_view(bytes, 4));
}

void TStarGazeMessageStream::WriteString(std::string_view text) {
  WriteInt32(std::int32_t(text.size()));
  WriteBytes(text);
}

void TStarGazeMessageStream::WriteStringList(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    WriteBytes(line);
    WriteBytes("\r\n");
  }
}

void TStarGazeMessageStream::ReadExact(void* into, std::size_t count) {
  if (count > Remaining()) throw EReadError();
  std::memcpy(into, fBytes.data() + fPosition, count);
  fPosition += count;
}

std::uint8_t TStarGazeMessageStream::ReadByte() {
  std::uint8_t value = 0;
  ReadExact(&value, 1);
  return value;
}

std::int32_t TStarGazeMessageStream::ReadInt32() {
  unsigned char b[4];
  ReadExact(b, 4);
  return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                      std::uint32_t(b[3]) << 24);
}

std::string TStarGazeMessageStream::ReadString() {
  const std::size_t start = fPosition;
  const std::int32_t length = ReadInt32();
  if (length < 0 || std::size_t(length) > Remaining()) {
    fPosition = start;
    throw EReadError();
  }
  std::string text(fBytes, fPosition, std::size_t(length));
  fPosition += std::size_t(length);
  return text;
}

std::string TStarGazeMessageStream::ReadRest() {
  std::string rest(fBytes, fPosition);
  fPosition = fBytes.size();
  return rest;
}

std::vector<std::string> TStarGazeMessageStream::ReadStringList() {
  std::vector<std::string> lines;
  const std::string text = ReadRest();
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", i);
    if (end == std::string::npos) {
      lines.push_back(text.substr(i));
      break;
    }
    lines.push_back(text.substr(i, end - i));
    i = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

void TStarGazeMessageStream::SendTo(TEntity& target, TStarGazeMessageStream* reply) {
  if (Owner) Owner->Send(target, *this, reply);
}

}  // namespace tessera
