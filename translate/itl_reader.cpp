#include "translate/itl_reader.h"

#include <algorithm>
#include <exception>

namespace glossator {

namespace {

// Appends the next block of the stream to `buffer`. Returns false once the
// stream has ended: a short block, a failing read or an exception.
bool ReadBlock(std::istream& stream, std::string& buffer) {
  char block[kItlBlockSize];
  std::streamsize got = 0;
  bool more = true;
  try {
    stream.read(block, static_cast<std::streamsize>(kItlBlockSize));
    got = stream.gcount();
    more = got == static_cast<std::streamsize>(kItlBlockSize);
  } catch (...) {
    // The stream (or its buffer) threw: whatever the block held is lost and the
    // stream counts as ended.
    got = 0;
    more = false;
  }
  buffer.append(block, static_cast<std::size_t>(std::max<std::streamsize>(got, 0)));
  return more;
}

// Moves to `offset` when the stream allows it; a stream that cannot seek stays
// where it is.
void SeekQuietly(std::istream& stream, std::streamoff offset) {
  try {
    stream.clear();
    stream.seekg(offset);
    if (stream.fail()) stream.clear();
  } catch (...) {
    stream.clear();
  }
}

// The position reading starts from: the first byte when the stream can seek,
// otherwise wherever it stands (or 0 when even that is unknown).
std::streamoff RewindQuietly(std::istream& stream) {
  SeekQuietly(stream, 0);
  try {
    const std::streamoff at = stream.tellg();
    if (at >= 0) return at;
  } catch (...) {
  }
  stream.clear();
  return 0;
}

}  // namespace

std::vector<std::string> ReadItlRecords(std::istream& stream) {
  std::vector<std::string> records;
  const std::streamoff start = RewindQuietly(stream);

  std::string buffer;          // every byte read so far
  std::size_t recordStart = 0;  // first byte of the record being read
  std::size_t searchFrom = 0;   // where the next terminator search may begin
  bool streamGoesOn = true;
  for (;;) {
    const std::size_t end = buffer.find(kItlTerminator, searchFrom);
    if (end != std::string::npos) {
      const std::size_t next = end + kItlTerminator.size();
      records.push_back(buffer.substr(recordStart, next - recordStart));
      recordStart = searchFrom = next;
      continue;
    }
    if (!streamGoesOn) break;
    // A terminator may straddle two blocks: search again from the last two bytes.
    searchFrom = std::max(recordStart, buffer.size() >= 2 ? buffer.size() - 2 : std::size_t{0});
    streamGoesOn = ReadBlock(stream, buffer);
  }

  SeekQuietly(stream, start + static_cast<std::streamoff>(recordStart));
  return records;
}

TItlRawEntry SplitItlRecord(std::string_view record) {
  constexpr auto npos = std::string_view::npos;
  const std::size_t open = record.find('[');
  const std::size_t equals = record.find("]=");
  std::size_t close = record.find(kItlTerminator);
  if (close == npos) close = record.size();

  const std::size_t keyStart = open == npos ? 0 : open + 1;
  TItlRawEntry entry;
  if (equals != npos && equals >= keyStart) entry.key = record.substr(keyStart, equals - keyStart);

  const std::size_t translationStart = equals == npos ? 1 : equals + 2;
  if (translationStart < close) entry.translation = record.substr(translationStart, close - translationStart);
  return entry;
}

}  // namespace glossator
