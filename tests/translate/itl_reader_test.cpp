// Reading ".itl" records from a stream and cutting them into key and translation.
#include "translate/itl_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace glossator {
namespace {

TEST(ItlReader, EmptyOrUnterminatedStreamHasNoRecords) {
  std::istringstream empty("");
  EXPECT_TRUE(ReadItlRecords(empty).empty());
  std::istringstream unterminated("[Sine]=Sinus\r\n[Cosine]=Kosinus|$");
  EXPECT_TRUE(ReadItlRecords(unterminated).empty());
}

TEST(ItlReader, RecordsEndAtTerminatorAndTrailingTextIsIgnored) {
  std::istringstream stream("[a]=1|$$\r\n[b]=2|$$ trailing [c]=3");
  const auto records = ReadItlRecords(stream);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], "[a]=1|$$");
  EXPECT_EQ(records[1], "\r\n[b]=2|$$");
  // The stream stands on the byte after the last record.
  EXPECT_EQ(stream.tellg(), std::streampos(18));
}

TEST(ItlReader, ReadsFromTheFirstByteWhateverThePosition) {
  std::istringstream stream("[a]=1|$$[b]=2|$$");
  stream.seekg(10);
  EXPECT_EQ(ReadItlRecords(stream).size(), 2u);
}

TEST(ItlReader, RecordsAcrossBlockBoundaries) {
  // Put a terminator across the first 256-byte boundary (bytes 255..257) and
  // make the second record longer than two blocks.
  const std::string first = "[k]=" + std::string(kItlBlockSize - 1 - 4, 'x') + "|$$";
  const std::string second = "[long]=" + std::string(3 * kItlBlockSize, 'y') + "|$$";
  ASSERT_EQ(first.find("|$$"), kItlBlockSize - 1);
  std::istringstream stream(first + second + "tail");
  const auto records = ReadItlRecords(stream);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], first);
  EXPECT_EQ(records[1], second);
  EXPECT_EQ(stream.tellg(), std::streampos(first.size() + second.size()));
}

TEST(ItlReader, StreamEndingExactlyOnABlockBoundary) {
  const std::string record = "[k]=" + std::string(kItlBlockSize - 7, 'x') + "|$$";
  ASSERT_EQ(record.size(), kItlBlockSize);
  std::istringstream stream(record + record);
  EXPECT_EQ(ReadItlRecords(stream).size(), 2u);
}

TEST(ItlReader, SplitWellFormedRecord) {
  const TItlRawEntry entry = SplitItlRecord("\r\n[Time [ns]]=Zeit [ns]|$$");
  EXPECT_EQ(entry.key, "Time [ns]");
  EXPECT_EQ(entry.translation, "Zeit [ns]");
  // Only the first "]=" ends the key: the translation may hold another.
  const TItlRawEntry twice = SplitItlRecord("[a]=b]=c|$$");
  EXPECT_EQ(twice.key, "a");
  EXPECT_EQ(twice.translation, "b]=c");
}

TEST(ItlReader, SplitMalformedRecordsWithoutValidating) {
  // No "[": the key starts at the first byte.
  TItlRawEntry entry = SplitItlRecord("Sine]=Sinus|$$");
  EXPECT_EQ(entry.key, "Sine");
  EXPECT_EQ(entry.translation, "Sinus");
  // No "]=": empty key, translation from the second byte.
  entry = SplitItlRecord("[Sine=Sinus|$$");
  EXPECT_EQ(entry.key, "");
  EXPECT_EQ(entry.translation, "Sine=Sinus");
  // "]=" before "[": empty key.
  entry = SplitItlRecord("x]=y[z|$$");
  EXPECT_EQ(entry.key, "");
  EXPECT_EQ(entry.translation, "y[z");
  // The terminator alone, and a record of nothing but markers.
  entry = SplitItlRecord("|$$");
  EXPECT_EQ(entry.key, "");
  EXPECT_EQ(entry.translation, "");
  entry = SplitItlRecord("[]=|$$");
  EXPECT_EQ(entry.key, "");
  EXPECT_EQ(entry.translation, "");
}

}  // namespace
}  // namespace glossator
