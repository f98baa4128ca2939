// The quantora program run as a process: exit status, what reaches standard
// output and standard error, and which files it leaves behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/model/simulation.h"

namespace quantora {
namespace {

struct TRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

TRun RunQuantora(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(QUANTORA_EXECUTABLE), args);
  TRun run;
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.status = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QList<QByteArray> Lines(const QByteArray& text) {
  QList<QByteArray> lines = text.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
  return lines;
}

// Every row must read back to exactly the model's values (17 digits round-trip).
void ExpectRowsMatchModel(const QList<QByteArray>& lines, TSignalForm form, int interval,
                          int bits) {
  auto model = std::make_unique<TSimulationResult>();
  ComputeSeries(form, interval, bits, 1000.0, *model);
  ASSERT_EQ(lines.size(), NumPoints + 1);
  EXPECT_EQ(lines[0], "i,t_ns,analog_V,sampled_V,error_V");
  for (int i = 1; i <= NumPoints; ++i) {
    const QList<QByteArray> fields = lines[i].split(',');
    ASSERT_EQ(fields.size(), 5) << i;
    EXPECT_EQ(fields[0].toInt(), i);
    const double expected[] = {GridTime(i), model->Analog[i - 1], model->Sampled[i - 1],
                               model->Error[i - 1]};
    for (int column = 0; column < 4; ++column)
      ASSERT_EQ(std::strtod(fields[column + 1].constData(), nullptr), expected[column])
          << "row " << i << " column " << column + 1;
  }
}

TEST(QuantoraProgramTest, ExportsToStandardOutput) {
  const TRun run = RunQuantora({"--export-csv", "-", "--wave", "sinc", "--interval", "7",
                                "--bits", "4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty());
  const QList<QByteArray> lines = Lines(run.out);
  ExpectRowsMatchModel(lines, TSignalForm::sfSinc, 7, 4);
  EXPECT_TRUE(lines[1024].startsWith("1024,500,4,"));  // the sinc peak, exactly 4 V
}

TEST(QuantoraProgramTest, DefaultsAreSineTenNanosecondsEightBits) {
  QTemporaryDir dir;
  const QString path = dir.filePath("series.csv");
  const TRun run = RunQuantora({"--export-csv", path});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.isEmpty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = Lines(file.readAll());
  ExpectRowsMatchModel(lines, TSignalForm::sfSine, 10, 8);
  EXPECT_EQ(lines[1], "1,0.48828125,0.058903383771455646,0.019607843137254902,0.039295540634200744");
}

TEST(QuantoraProgramTest, BadArgumentsExitWithStatusTwoAndWriteNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("never.csv");
  const QStringList bad[] = {
      {"--export-csv", path, "--interval", "201"}, {"--export-csv", path, "--bits", "zero"},
      {"--export-csv", path, "--wave", "square"},  {"--export-csv", path, "--colour", "red"},
      {"--export-csv", path, "--bits"},            {"--export-csv", "-", "--interval", "-1"},
  };
  for (const QStringList& args : bad) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const TRun run = RunQuantora(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(Lines(run.err).size(), 1);
    EXPECT_TRUE(run.err.startsWith("quantora: "));
    EXPECT_FALSE(QFile::exists(path));
  }
}

TEST(QuantoraProgramTest, UnwritableFileFailsWithoutLeavingAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("missing/dir/series.csv");
  const TRun run = RunQuantora({"--export-csv", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err).size(), 1);
  EXPECT_TRUE(run.err.contains("series.csv"));
  EXPECT_FALSE(QFile::exists(path));
}

TEST(QuantoraProgramTest, FailedWriteToADeviceLeavesTheDeviceAlone) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const TRun run = RunQuantora({"--export-csv", "/dev/full"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err).size(), 1);
  EXPECT_TRUE(QFile::exists("/dev/full"));
}

TEST(QuantoraProgramTest, Help) {
  const TRun help = RunQuantora({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--export-csv", "--export-png", "--wave", "--interval", "--bits", "--samples",
                             "--sampled", "--error", "--language"})
    EXPECT_TRUE(help.out.contains(option)) << option;
}

TEST(QuantoraProgramTest, ExportsTheWindowAsPicture) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("window.png"));
  const TRun run = RunQuantora({"--export-png", path, "--wave", "chirp", "--interval", "7", "--bits", "3",
                                "--error", "on", "--language", "de"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QImage picture(path);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(793, 610));  // the design's client area
}

TEST(QuantoraProgramTest, BadWindowOptionsExitWithStatusTwoAndWriteNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("window.png"));
  for (const QStringList& args : {QStringList{"--export-png", path, "--error", "yes"},
                                  QStringList{"--export-png", path, "--language", "fr"},
                                  QStringList{"--export-png", path, "--samples"}}) {
    const TRun run = RunQuantora(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_EQ(Lines(run.err).size(), 1);
    EXPECT_FALSE(QFile::exists(path));
  }
}

TEST(QuantoraProgramTest, UnwritablePictureFailsWithOneLine) {
  const TRun run = RunQuantora({"--export-png", "/nonexistent-dir/window.png"});
  EXPECT_EQ(run.status, 1);
  // The toolkit may add its own notices about the environment; ours is one line.
  ASSERT_FALSE(Lines(run.err).isEmpty());
  EXPECT_TRUE(Lines(run.err).back().startsWith("quantora: cannot write /nonexistent-dir/window.png"))
      << run.err.toStdString();
}

}  // namespace
}  // namespace quantora
