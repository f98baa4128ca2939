// The translation table: loading, lookup, parameters, the lookup callback and
// the file of missed keys.
#include "translate/glossator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "translate/itl_file_name.h"
#include "translate/regular_file.h"

namespace glossator {
namespace {

void Load(TGlossator& table, const std::string& text) {
  std::istringstream stream(text);
  table.LoadFromStream(stream);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Glossator, StartsEmptyAndLooksUpKeysAsThemselves) {
  TGlossator table;
  EXPECT_EQ(table.Prefix(), "XL_");
  EXPECT_FALSE(table.AutoCreateItlFile());
  EXPECT_EQ(table.Translate("Cosine"), "Cosine");
  EXPECT_TRUE(table.MissingKeys().empty());
}

TEST(Glossator, EmptyStreamAndTextAfterTheLastRecord) {
  TGlossator table;
  Load(table, "");
  EXPECT_TRUE(table.Keys().empty());
  Load(table, "[Sine]=Sinus|$$\r\n[Cosine]=Kosinus");
  ASSERT_EQ(table.Keys().size(), 1u);
  EXPECT_EQ(table.Translate("Cosine"), "Cosine");
}

TEST(Glossator, LookupFoldsCaseOfTheKeyOnly) {
  TGlossator table;
  Load(table, "[Sine]=Sinus|$$\r\n");
  EXPECT_EQ(table.Translate("SINE"), "Sinus");
  EXPECT_EQ(table.Translate("sine"), "Sinus");
  EXPECT_EQ(table.Translate("Cosine"), "Cosine");
  EXPECT_EQ(table.Translate("COSINE"), "COSINE");
}

TEST(Glossator, LoadingReplacesTheWholeTable) {
  TGlossator table;
  Load(table, "[Sine]=Sinus|$$[Exit]=Beenden|$$");
  Load(table, "[Sine]=Sine|$$");
  EXPECT_EQ(table.Keys(), std::vector<std::string>{"sine"});
  EXPECT_EQ(table.Translate("Sine"), "Sine");
  EXPECT_EQ(table.Translate("Exit"), "Exit");
}

TEST(Glossator, FirstOfDuplicateKeysWins) {
  TGlossator table;
  Load(table, "[Exit]=Beenden|$$\r\n[EXIT]=Ende|$$\r\n");
  EXPECT_EQ(table.Keys().size(), 2u);
  EXPECT_EQ(table.Translate("exit"), "Beenden");
}

TEST(Glossator, KeysAreNormalisedButLookupsAreNot) {
  TGlossator table;
  Load(table, "[  Show   Sampled\r\nSignal]=Abgetastetes Signal zeigen|$$");
  ASSERT_EQ(table.Keys().size(), 1u);
  EXPECT_EQ(table.Keys()[0], "show sampled signal");
  EXPECT_EQ(table.Translate("Show Sampled Signal"), "Abgetastetes Signal zeigen");
  EXPECT_EQ(table.Translate("Show  Sampled Signal"), "Show  Sampled Signal");
}

TEST(Glossator, LineBreaksInTranslations) {
  TGlossator table;
  Load(table, "[a]=a\\nb|$$[b]=first\r\nsecond|$$[c]=x\\Ny|$$");
  EXPECT_EQ(table.Translate("a"), "a\nb");
  EXPECT_EQ(table.Translate("b"), "first  second");
  EXPECT_EQ(table.Translate("c"), "x\\Ny");
}

TEST(Glossator, BlankOnlyKeyIsTheEmptyKey) {
  TGlossator table;
  Load(table, "[   ]=nothing|$$");
  ASSERT_EQ(table.Keys().size(), 1u);
  EXPECT_EQ(table.Keys()[0], "");
  EXPECT_EQ(table.Translate(""), "nothing");
  EXPECT_EQ(table.Translate(" "), " ");
}

TEST(Glossator, AppNameIsInsertedAtLoadTime) {
  TGlossator table("Quantora");
  Load(table, "[Title]=<%AppName%> - <%appname%>|$$");
  EXPECT_EQ(table.Translate("Title"), "Quantora - Quantora");
  EXPECT_EQ(table.AppName(), "Quantora");
}

TEST(Glossator, ParametersInFoundAndMissingKeys) {
  TGlossator table;
  Load(table, "[Count]=Value <%1%> of <%2%>|$$");
  EXPECT_EQ(table.Translate("Count", {"3", "5"}), "Value 3 of 5");
  EXPECT_EQ(table.Translate("Value <%1%> of <%2%>", {"3", "5"}), "Value 3 of 5");
}

TEST(Glossator, OnTranslatedSeesFoundKeysOnly) {
  TGlossator table;
  Load(table, "[Sine]=Sinus <%1%>|$$");
  std::vector<std::string> seen;
  table.OnTranslated = [&](TGlossator& sender, const std::string& key, std::string& translation) {
    EXPECT_EQ(&sender, &table);
    seen.push_back(key + "=" + translation);
    translation += "!";
  };
  EXPECT_EQ(table.Translate("SINE", {"1"}), "Sinus 1!");
  EXPECT_EQ(table.Translate("Cosine"), "Cosine");
  EXPECT_EQ(seen, std::vector<std::string>{"SINE=Sinus 1"});
}

TEST(Glossator, MissingKeysAreRecordedOnceIgnoringCase) {
  TGlossator table;
  Load(table, "[Sine]=Sinus|$$");
  table.Translate("Before");  // not recorded: the switch is off
  table.SetAutoCreateItlFile(true);
  table.Translate("Exit");
  table.Translate("EXIT");
  table.Translate("Sine");
  table.Translate("About <%1%>", {"x"});
  EXPECT_EQ(table.MissingKeys(), (std::vector<std::string>{"[Exit]=Exit|$$", "[About <%1%>]=About <%1%>|$$"}));
  EXPECT_EQ(table.ItlFileLines(),
            (std::vector<std::string>{"[Exit]=Exit|$$", "[About <%1%>]=About <%1%>|$$", "[sine]=Sinus|$$"}));
  table.SetAutoCreateItlFile(false);
}

TEST(Glossator, MissedKeysFileWrittenAtDestruction) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  {
    TGlossator table("Q");
    Load(table, "[  Show\r\nSamples]=a\\nb <%APPNAME%>|$$[Sine]=Sinus|$$");
    table.SetAutoCreateItlFile(true);
    table.Translate("Exit");
    table.Translate("EXIT");
  }
  const std::string written = ReadFile(ItlFileNameFor(CurrentExecutablePath()));
  QDir::setCurrent(previous);
  EXPECT_EQ(written, "[Exit]=Exit|$$\r\n[show samples]=a\nb Q|$$\r\n[sine]=Sinus|$$\r\n");
}

TEST(Glossator, NoFileWithoutTheSwitch) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  { TGlossator table; table.Translate("Exit"); }
  const bool written = QDir(dir.path()).exists(QString::fromStdString(ItlFileNameFor(CurrentExecutablePath())));
  QDir::setCurrent(previous);
  EXPECT_FALSE(written);
}

TEST(Glossator, WriteItlFileReportsFailure) {
  TGlossator table;
  EXPECT_THROW(table.WriteItlFile("/nonexistent-directory/x.itl"), std::runtime_error);
}

TEST(Glossator, LoadFromFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath("t.itl").toStdString();
  std::ofstream(path, std::ios::binary) << "[Exit]=Beenden|$$";
  TGlossator table;
  EXPECT_TRUE(table.LoadFromFile(path));
  EXPECT_EQ(table.Translate("Exit"), "Beenden");
  // A missing file keeps the table and says so only by the result.
  EXPECT_FALSE(table.LoadFromFile(dir.filePath("missing.itl").toStdString()));
  EXPECT_EQ(table.Translate("Exit"), "Beenden");

  // Files that never end, block or are absurdly large are refused the same way:
  // a FIFO (opening it would wait for a writer), a device, a sparse file one
  // byte over the limit.
  const std::string fifo = dir.filePath("fifo.itl").toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = dir.filePath("huge.itl").toStdString();
  std::ofstream(huge, std::ios::binary) << "[Exit]=Quitter|$$";
  std::filesystem::resize_file(huge, TGlossator::kMaxItlFileSize + 1);
  for (const std::string& refused : {fifo, std::string("/dev/zero"), huge}) {
    EXPECT_FALSE(table.LoadFromFile(refused)) << refused;
    EXPECT_EQ(table.Translate("Exit"), "Beenden") << refused;
  }
  // Up to the limit a file is read whole.
  std::filesystem::resize_file(huge, TGlossator::kMaxItlFileSize);
  EXPECT_TRUE(table.LoadFromFile(huge));
  EXPECT_EQ(table.Translate("Exit"), "Quitter");
}

TEST(ReadRegularFile, ReadsUpToTheLimitAndLeavesTheBufferAloneOtherwise) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("f").toStdString();
  std::ofstream(path, std::ios::binary) << "12345";
  std::string bytes = "kept";
  EXPECT_FALSE(ReadRegularFile(path, 4, bytes));
  EXPECT_EQ(bytes, "kept");
  EXPECT_TRUE(ReadRegularFile(path, 5, bytes));
  EXPECT_EQ(bytes, "12345");
  EXPECT_FALSE(ReadRegularFile(dir.path().toStdString(), 100, bytes));  // a folder
  EXPECT_EQ(bytes, "12345");
  // A file with more in it than its size says (the kernel's files say 0 bytes):
  // read to its end all the same.
  std::ifstream kernelFile("/proc/self/mountinfo", std::ios::binary);
  const std::string whole{std::istreambuf_iterator<char>(kernelFile), std::istreambuf_iterator<char>()};
  ASSERT_GT(whole.size(), 2u);
  ASSERT_TRUE(ReadRegularFile("/proc/self/mountinfo", 1 << 20, bytes));
  EXPECT_EQ(bytes, whole);
}

TEST(ItlFileName, ExtensionReplacedOrAdded) {
  EXPECT_EQ(ItlFileNameFor("/opt/quantora/quantora"), "quantora.itl");
  EXPECT_EQ(ItlFileNameFor("C:name.exe"), "C:name.itl");
  EXPECT_EQ(ItlFileNameFor("/usr/bin/my.app.bin"), "my.app.itl");
  EXPECT_EQ(ItlFileNameFor("/home/u/.hidden"), ".hidden.itl");
  EXPECT_EQ(ItlFileNameFor(""), "quantora.itl");
  EXPECT_EQ(ItlFileNameFor("/some/dir/"), "quantora.itl");
}

}  // namespace
}  // namespace glossator
