#pragma once
// Reading the ".itl" translation file format: a byte stream of records, each
// "[" key "]=" translation "|$$". No header, no comments, no quoting; records
// are not lines, and anything after the last "|$$" is ignored.

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace glossator {

inline constexpr std::string_view kItlTerminator = "|$$";
// The reader asks the stream for this many bytes at a time.
inline constexpr std::size_t kItlBlockSize = 256;

// Every record of the stream, each up to and including its "|$$", read from
// the stream's first byte. A short block ends the stream; so does a failing
// read or an exception from the stream, and the records completed before it
// are kept. Afterwards the stream is cleared and positioned on the byte after
// the last record (when the stream can seek). Never throws for stream faults.
std::vector<std::string> ReadItlRecords(std::istream& stream);

// Key and translation of one record, as written in the file (not yet
// normalised or converted).
struct TItlRawEntry {
  std::string key;
  std::string translation;
};

// Cuts a record at its first "[", first "]=" and first "|$$" without
// validating it. A marker that is missing counts as standing one byte before
// the record, as the original reader's positions did: no "[" means the key
// starts at the first byte; no "]=" gives an empty key and a translation from
// the second byte; a "]=" before the "[" also gives an empty key.
TItlRawEntry SplitItlRecord(std::string_view record);

}  // namespace glossator
