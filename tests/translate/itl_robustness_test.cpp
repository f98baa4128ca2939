// Loading must survive any byte stream: random bytes, truncated tables and
// streams whose reads fail part-way keep every record completed before.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <sstream>
#include <streambuf>

#include "translate/glossator.h"
#include "translate/itl_reader.h"
#include "translate/settings_file.h"

namespace glossator {
namespace {

// Number of records a loader must find: non-overlapping "|$$", left to right.
std::size_t CountTerminators(const std::string& bytes) {
  std::size_t count = 0;
  for (std::size_t at = bytes.find("|$$"); at != std::string::npos; at = bytes.find("|$$", at + 3)) ++count;
  return count;
}

// Bytes that the format cares about, mixed with arbitrary ones.
std::string RandomStream(std::mt19937& random, std::size_t length) {
  static const std::string kInteresting = "[]=|$\\n\r\n\t <%>APPNAME1 XL_";
  std::uniform_int_distribution<int> pick(0, 3);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::uniform_int_distribution<std::size_t> interesting(0, kInteresting.size() - 1);
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) {
    if (pick(random) == 0) {
      bytes.push_back(static_cast<char>(anyByte(random)));
    } else if (pick(random) == 0) {
      bytes += "|$$";
    } else {
      bytes.push_back(kInteresting[interesting(random)]);
    }
  }
  return bytes;
}

void ExpectWellFormedEntries(const TGlossator& table) {
  ASSERT_EQ(table.Keys().size(), table.Translations().size());
  for (const std::string& key : table.Keys()) {
    EXPECT_EQ(key.find_first_of("\r\n\tABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
    EXPECT_EQ(key.find("  "), std::string::npos);
    EXPECT_TRUE(key.empty() || key.front() != ' ');
  }
  for (const std::string& translation : table.Translations()) {
    EXPECT_EQ(translation.find('\r'), std::string::npos);
  }
}

TEST(ItlRobustness, RandomStreams) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> length(0, 1200);
  TGlossator table("App");
  for (int round = 0; round < 2000; ++round) {
    const std::string bytes = RandomStream(random, length(random));
    std::istringstream stream(bytes);
    table.LoadFromStream(stream);
    ASSERT_EQ(table.Keys().size(), CountTerminators(bytes)) << "round " << round;
    ExpectWellFormedEntries(table);
    table.Translate(bytes.substr(0, 5), {"p1", "p2"});
  }
}

// A table long enough to span several 256-byte blocks.
std::string SampleTable() {
  std::string text;
  for (int i = 0; i < 40; ++i) {
    text += "[Key " + std::to_string(i) + "]=Translation number " + std::to_string(i) + "\\n<%1%>|$$\r\n";
  }
  return text;
}

TEST(ItlRobustness, TruncatedStreamsKeepTheCompleteRecords) {
  const std::string full = SampleTable();
  TGlossator complete;
  std::istringstream fullStream(full);
  complete.LoadFromStream(fullStream);
  ASSERT_EQ(complete.Keys().size(), 40u);

  TGlossator table;
  for (std::size_t length = 0; length <= full.size(); ++length) {
    const std::string cut = full.substr(0, length);
    std::istringstream stream(cut);
    table.LoadFromStream(stream);
    const std::size_t expected = CountTerminators(cut);
    ASSERT_EQ(table.Keys().size(), expected) << "length " << length;
    for (std::size_t i = 0; i < expected; ++i) {
      EXPECT_EQ(table.Keys()[i], complete.Keys()[i]);
      EXPECT_EQ(table.Translations()[i], complete.Translations()[i]);
    }
  }
}

// Hands out its bytes one at a time and fails at `failAt`: by throwing, or by
// reporting an error through a bad state. It cannot seek.
class FailingBuffer : public std::streambuf {
 public:
  FailingBuffer(std::string bytes, std::size_t failAt) : fBytes(std::move(bytes)), fFailAt(failAt) {}

 protected:
  int_type underflow() override {
    if (fNext >= fFailAt) throw std::runtime_error("device gone");
    if (fNext >= fBytes.size()) return traits_type::eof();
    fCurrent = fBytes[fNext++];
    setg(&fCurrent, &fCurrent, &fCurrent + 1);
    return traits_type::to_int_type(fCurrent);
  }

 private:
  std::string fBytes;
  std::size_t fFailAt;
  std::size_t fNext = 0;
  char fCurrent = 0;
};

TEST(ItlRobustness, FailingReadEndsTheStreamAndKeepsEarlierBlocks) {
  const std::string full = SampleTable();
  for (bool throwing : {false, true}) {
    for (std::size_t failAt : {std::size_t{0}, std::size_t{100}, std::size_t{300}, std::size_t{700}, full.size() - 1}) {
      FailingBuffer buffer(full, failAt);
      std::istream stream(&buffer);
      if (throwing) stream.exceptions(std::ios::badbit | std::ios::failbit);
      TGlossator table;
      ASSERT_NO_THROW(table.LoadFromStream(stream));
      // The block that failed is lost; every block before it counts.
      const std::size_t delivered = failAt / kItlBlockSize * kItlBlockSize;
      EXPECT_EQ(table.Keys().size(), CountTerminators(full.substr(0, delivered))) << "fail at " << failAt;
    }
  }
}

// A settings file is read up to its size limit and not a byte beyond it.
TEST(SettingsFile, ReadUpToItsSizeLimitOnly) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("quantora.conf"));
  constexpr std::size_t kMiB = std::size_t(1) << 20;  // the limit
  for (const std::size_t size : {kMiB, kMiB + 1}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray text("[language]\ntable=x\n");
    file.write(text + QByteArray(qsizetype(size) - text.size(), '\n'));
    file.close();
    QString problem;
    const bool withinLimit = size <= kMiB;
    EXPECT_EQ(ReadSettingsValue(path, QStringLiteral("language/table"), &problem).toString(),
              withinLimit ? QStringLiteral("x") : QString()) << size;
    EXPECT_EQ(problem.isEmpty(), withinLimit) << size;
  }
}

}  // namespace
}  // namespace glossator
