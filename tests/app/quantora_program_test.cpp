// The quantora program run as a process: exit status, what reaches standard
// output and standard error, and which files it leaves behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/quantization_figures.h"
#include "model/simulation.h"
#include "spectrum/spectrum_engine.h"

namespace quantora {
namespace {

struct TRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

TRun RunProgram(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  TRun run;
  if (!process.waitForFinished(30000)) process.kill();  // a hang fails the test, not the suite
  if (process.exitStatus() != QProcess::NormalExit) return run;
  run.status = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

TRun RunQuantora(const QStringList& args) { return RunProgram(QStringLiteral(QUANTORA_EXECUTABLE), args); }

// The program run by the shell, for what QProcess cannot say: a file-size
// limit, redirections and arguments that are not UTF-8. The script sees the
// program as $Q.
TRun RunShell(const QString& script, const QString& program = QStringLiteral(QUANTORA_EXECUTABLE)) {
  return RunProgram(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("Q=\"$0\"; ") + script, program});
}

// The files of a folder, hidden ones included (a left-over temporary file shows).
QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program copied into a folder of its own, so that the files it looks for
// beside itself (tables, icon) can be made to be anything.
QString CopyOfProgram(const QTemporaryDir& dir) {
  const QString copy = dir.filePath(QStringLiteral("quantora"));
  QFile::copy(QStringLiteral(QUANTORA_EXECUTABLE), copy);
  QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return copy;
}

QString BesideProgram(const char* name) {
  return QFileInfo(QStringLiteral(QUANTORA_EXECUTABLE)).absolutePath() + QLatin1Char('/') + QLatin1String(name);
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

// One half of the sound, two seconds of 16-bit samples at 48 kHz behind the header.
TEST(QuantoraProgramTest, ExportsHalfTheSoundAsWav) {
  const TRun run = RunQuantora({"--export-wav", "-", "--wav-part", "output", "--interval", "150"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out.size(), 44 + 2 * 2 * 48000);
  EXPECT_TRUE(run.out.startsWith("RIFF"));
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
      // Two exports, or one option twice: refused, not half done.
      {"--export-csv", path, "--export-png", dir.filePath("never.png")},
      {"--export-csv", path, "--bits", "4", "--bits", "5"},
      // Figures of the whole record: a time range would be silently ignored.
      {"--stats", "--time-range", "100", "200"}, {"--export-spectrum-csv", path, "--time-range", "0", "10"},
      {"--export-linearity-csv", path, "--time-range", "0", "10"},
      {"--export-wav", path, "--time-range", "0", "10"}, {"--export-wav", path, "--wav-part", "both"},
      {"--wav-part", "analog", "--export-csv", path},
      // Control characters of a bad value are quoted, never passed to the terminal.
      {"--export-csv", path, "--wave", "sine\nx\x1b[31m\r\u009b"},
  };
  for (const QStringList& args : bad) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const TRun run = RunQuantora(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(Lines(run.err).size(), 1);
    EXPECT_TRUE(run.err.startsWith("quantora: "));
    EXPECT_FALSE(run.err.contains('\x1b') || run.err.contains('\r') || run.err.contains("\u009b"));
    EXPECT_TRUE(FilesIn(dir.path()).isEmpty());
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
  // A file where a folder should be: the name cannot even be looked at.
  QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);
  const TRun underFile = RunQuantora({"--export-csv", dir.filePath("plain/series.csv")});
  EXPECT_EQ(underFile.status, 1);
  EXPECT_TRUE(underFile.err.endsWith("/plain/series.csv': Not a directory\n")) << underFile.err.toStdString();
}

TEST(QuantoraProgramTest, FailedWriteToADeviceLeavesTheDeviceAlone) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const TRun run = RunQuantora({"--export-csv", "/dev/full"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err).size(), 1);
  EXPECT_TRUE(QFile::exists("/dev/full"));
}

// --stats prints the figures of the model's run, named, one per line, and each
// number reads back to the same double.
TEST(QuantoraProgramTest, StatsPrintOneFigurePerLine) {
  for (int bits : {1, 8, 16}) {
    SCOPED_TRACE(bits);
    const TRun run = RunQuantora({"--stats", "--bits", QString::number(bits), "--interval", "7"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    auto model = std::make_unique<TSimulationResult>();
    ComputeSeries(TSignalForm::sfSine, 7, bits, 1000.0, *model);
    const TQuantizationFigures f = QuantizationFigures(bits, *model);
    TSpectrumEngine engine;
    TSpectrumResult spectrum;
    engine.Compute(TSignalForm::sfSine, 7, bits, spectrum);
    const std::pair<const char*, double> expected[] = {
        {"step_V", f.step},
        {"quantization_error_max_V", f.quantizationErrorMax},
        {"quantization_error_rms_V", f.quantizationErrorRms},
        {"hold_error_max_V", f.holdErrorMax},
        {"hold_error_rms_V", f.holdErrorRms},
        {"total_error_rms_V", f.totalErrorRms},
        {"sqnr_measured_dB", f.sqnrMeasuredDb},
        {"sqnr_rule_dB", f.sqnrRuleDb},
        // The sine's converter figures from its spectrum.
        {"snr_dB", spectrum.figures->snrDb.value()},
        {"sinad_dB", spectrum.figures->sinadDb},
        {"sfdr_dB", spectrum.figures->sfdrDb.value()},
        {"enob_bits", spectrum.figures->enobBits},
        {"sinad_fit_dB", spectrum.fitFigures->sinadDb},
        {"enob_fit_bits", spectrum.fitFigures->enobBits},
    };
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
      const QList<QByteArray> fields = lines[k].split(' ');
      ASSERT_EQ(fields.size(), 2) << lines[k].toStdString();
      EXPECT_EQ(fields[0], expected[k].first);
      EXPECT_EQ(std::strtod(fields[1].constData(), nullptr), expected[k].second) << fields[0].toStdString();
    }
  }
  // Other waveforms are no converter test: the time-domain figures only.
  EXPECT_EQ(Lines(RunQuantora({"--stats", "--wave", "chirp"}).out).size(), 8);
  // What a record cannot measure is nan: at 125 ns every sample is a zero
  // crossing; at 150 ns seven samples are too few for either method.
  const std::pair<const char*, std::vector<std::string>> unmeasurable[] = {
      {"125", {"sqnr_measured_dB", "snr_dB", "sinad_dB", "sfdr_dB", "enob_bits", "sinad_fit_dB", "enob_fit_bits"}},
      {"150", {"snr_dB", "sinad_dB", "sfdr_dB", "enob_bits", "sinad_fit_dB", "enob_fit_bits"}},
  };
  for (const auto& [interval, names] : unmeasurable) {
    std::vector<std::string> nan;
    for (const QByteArray& line : Lines(RunQuantora({"--stats", "--interval", interval}).out))
      if (line.endsWith(" nan")) nan.push_back(line.split(' ')[0].toStdString());
    EXPECT_EQ(nan, names) << interval;
  }
  if (QFile::exists("/dev/full")) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(QUANTORA_EXECUTABLE), {QStringLiteral("--stats")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().startsWith("quantora: cannot write to standard output"));
  }
}

// The spectra as CSV: three columns of numbers (a field empty where that
// spectrum has no bin), rising frequencies, the sampled sine's strongest bin
// folded to |4 - 5| = 1 MHz at 200 ns. (It is written as the series export is.)
TEST(QuantoraProgramTest, ExportsTheSpectrumAsCsv) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("spectrum.csv"));
  const TRun run = RunQuantora({"--export-spectrum-csv", path, "--interval", "200"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QList<QByteArray> rows = Lines(ReadAll(path));
  ASSERT_GT(rows.size(), 3);
  EXPECT_EQ(rows[0], "frequency_MHz,sampled_dBFS,analog_dBFS");
  double previous = -1, strongest = -1e9, strongestAt = -1;
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const QList<QByteArray> fields = rows[r].split(',');
    ASSERT_EQ(fields.size(), 3) << rows[r].toStdString();
    bool ok = false;
    const double mhz = fields[0].toDouble(&ok);
    ASSERT_TRUE(ok) << rows[r].toStdString();
    EXPECT_GT(mhz, previous);
    previous = mhz;
    for (const QByteArray& level : {fields[1], fields[2]}) {
      if (level.isEmpty()) continue;
      EXPECT_LE(level.toDouble(&ok), 10.0);
      EXPECT_TRUE(ok) << rows[r].toStdString();
    }
    if (!fields[1].isEmpty() && fields[1].toDouble() > strongest) strongest = fields[1].toDouble(), strongestAt = mhz;
  }
  EXPECT_EQ(strongestAt, 1.0);
  EXPECT_EQ(previous, 12.0);  // the band shown, 2.5 fs = 12.5 MHz, in 1 MHz bins
}

// The linearity as CSV: one row per code, and the ideal converter measures
// within 0.02 LSB of 0 (6 bits: 2^16 samples, 650 hits per code).
TEST(QuantoraProgramTest, ExportsTheLinearityAsCsv) {
  const TRun run = RunQuantora({"--export-linearity-csv", "-", "--bits", "6"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QList<QByteArray> rows = Lines(run.out);
  ASSERT_EQ(rows.size(), 65);
  EXPECT_EQ(rows[0], "code,dnl_set_LSB,inl_set_LSB,dnl_measured_LSB,inl_measured_LSB");
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const QList<QByteArray> fields = rows[r].split(',');
    ASSERT_EQ(fields.size(), 5) << rows[r].toStdString();
    EXPECT_EQ(fields[0].toInt(), r - 1);
    for (const QByteArray& f : fields.mid(1)) EXPECT_NEAR(f.toDouble(), 0.0, 0.02) << rows[r].toStdString();
  }
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

// Output of one of poppler's tools (installed by the project's scripts).
QByteArray Poppler(const QString& tool, const QStringList& args) {
  QProcess process;
  process.start(tool, args);
  EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString() << " (poppler-utils) did not run";
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return process.readAllStandardOutput();
}

// The window as a PDF: real text that a reader finds, curves and marks as
// vector paths (one red path per sampling mark), no picture of a chart.
TEST(QuantoraProgramTest, ExportsTheWindowAsPdf) {
  QTemporaryDir dir;
  struct TLanguage {
    const char* language;
    QList<QByteArray> texts;
  };
  for (const TLanguage& l : {TLanguage{"en", {"Original Signal", "Time [ns]", "142.86", "Resolution", "Show Sampled"}},
                             TLanguage{"de", {"Originalsignal", "Zeit [ns]", "142.86", "Aufl\xC3\xB6sung"}}}) {
    SCOPED_TRACE(l.language);
    const QString path = dir.filePath(QStringLiteral("window_%1.pdf").arg(QLatin1String(l.language)));
    const TRun run = RunQuantora({"--export-pdf", path, "--interval", "7", "--bits", "3", "--error", "on",
                                  "--language", l.language});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    const QByteArray text = Poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (const QByteArray& expected : l.texts) EXPECT_TRUE(text.contains(expected)) << expected.toStdString();

    const QString svg = dir.filePath(QStringLiteral("window.svg"));
    Poppler(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), path, svg});
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray shapes = svgFile.readAll();
    EXPECT_EQ(shapes.count("stroke:rgb(100%,0%,0%)"), 143);  // 143 sampling marks at 7 ns
    EXPECT_GT(shapes.count("stroke:rgb(0%,0%,100%)"), 0);    // the error curve

    // The toolkit's small decorations may be pictures; nothing the size of a chart is.
    const QList<QByteArray> images = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split('\n');
    for (const QByteArray& line : images.mid(2)) {
      const QList<QByteArray> fields = line.simplified().split(' ');
      if (fields.size() < 5) continue;
      EXPECT_FALSE(fields[3].toInt() >= 300 && fields[4].toInt() >= 300) << line.toStdString();
    }
  }
}

TEST(QuantoraProgramTest, BadWindowOptionsExitWithStatusTwoAndWriteNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("window.png"));
  for (const QStringList& args : {QStringList{"--export-png", path, "--error", "yes"},
                                  QStringList{"--export-png", path, "--language", "fr"},
                                  QStringList{"--export-png", path, "--scale", "0"},
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
  EXPECT_TRUE(Lines(run.err).back().startsWith("quantora: cannot write '/nonexistent-dir/window.png': "))
      << run.err.toStdString();
}

// A write that fails half-way (a file-size limit standing for a full disk, a
// full device) keeps the user's old file, leaves no partial or temporary file
// and names the reason in one line.
TEST(QuantoraProgramTest, FailedExportKeepsTheOldFile) {
  for (const char* name : {"old.csv", "old.png"}) {
    SCOPED_TRACE(name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(name));
    {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("the user's data\n");
    }
    const QString option = QLatin1String(name).endsWith(QLatin1String(".csv")) ? "--export-csv" : "--export-png";
    const TRun run = RunShell(QStringLiteral("ulimit -f 4; exec \"$Q\" %1 '%2'").arg(option, path));
    EXPECT_EQ(run.status, 1);
    ASSERT_FALSE(Lines(run.err).isEmpty());
    EXPECT_EQ(Lines(run.err).back(), "quantora: cannot write '" + path.toUtf8() + "': File too large");
    EXPECT_EQ(ReadAll(path), "the user's data\n");
    EXPECT_EQ(FilesIn(dir.path()), QStringList{QLatin1String(name)});

    if (!QFile::exists("/dev/full")) continue;
    const TRun full = RunQuantora({option, QStringLiteral("/dev/full")});
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(full.err.endsWith("quantora: cannot write '/dev/full': No space left on device\n")) << full.err.toStdString();
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());  // still the device
  }
}

// A successful export replaces an old file and keeps its permissions.
TEST(QuantoraProgramTest, ExportReplacesAnOldFileKeepingItsPermissions) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("series.csv"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  namespace fs = std::filesystem;
  const fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path.toStdString(), permissions);
  EXPECT_EQ(RunQuantora({"--export-csv", path}).status, 0);
  EXPECT_TRUE(ReadAll(path).startsWith("i,t_ns,"));
  EXPECT_EQ(fs::status(path.toStdString()).permissions(), permissions);
  EXPECT_EQ(FilesIn(dir.path()), QStringList{QStringLiteral("series.csv")});
}

// A file name that is not UTF-8 is used byte for byte, and echoed quoted.
TEST(QuantoraProgramTest, NamesThatAreNotUtf8KeepTheirBytes) {
  QTemporaryDir dir;
  for (const char* option : {"--export-png", "--export-csv"}) {
    const QString folder = dir.path();
    const TRun run = RunShell(QStringLiteral("exec \"$Q\" %1 '%2'/\"$(printf 'bad\\377')\"").arg(option, folder));
    EXPECT_EQ(run.status, 0) << option << run.err.toStdString();
    EXPECT_TRUE(std::filesystem::is_regular_file(QFile::encodeName(folder).toStdString() + "/bad\xff")) << option;
    std::filesystem::remove(QFile::encodeName(folder).toStdString() + "/bad\xff");
  }
  const TRun failed = RunShell(QStringLiteral("exec \"$Q\" --export-csv /nonexistent-dir/\"$(printf 'bad\\377')\""));
  EXPECT_EQ(failed.status, 1);
  EXPECT_TRUE(failed.err.startsWith("quantora: cannot write '/nonexistent-dir/bad\\xff': ")) << failed.err.toStdString();
}

TEST(QuantoraProgramTest, HelpThatCannotBeWrittenFails) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const TRun run = RunShell(QStringLiteral("exec \"$Q\" --help > /dev/full"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "quantora: cannot write the help text: No space left on device\n");
}

// The picture's format follows its name; a name the toolkit cannot write is refused.
TEST(QuantoraProgramTest, PictureFormatFollowsTheName) {
  QTemporaryDir dir;
  const struct {
    const char* name;
    QByteArray magic;
  } cases[] = {{"w.jpg", "\xff\xd8\xff"}, {"w.BMP", "BM"}, {"w.png", "\x89PNG"}, {"w", "\x89PNG"}};
  for (const auto& c : cases) {
    const TRun run = RunQuantora({"--export-png", dir.filePath(QLatin1String(c.name))});
    EXPECT_EQ(run.status, 0) << c.name;
    EXPECT_TRUE(ReadAll(dir.filePath(QLatin1String(c.name))).startsWith(c.magic)) << c.name;
  }
  // A name without a folder, and a folder with a dot in its name.
  QProcess process;
  process.setWorkingDirectory(dir.path());
  process.start(QStringLiteral(QUANTORA_EXECUTABLE), {"--export-png", "here.jpg"});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(ReadAll(dir.filePath(QStringLiteral("here.jpg"))).startsWith("\xff\xd8\xff"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("f.bmp")));
  EXPECT_EQ(RunQuantora({"--export-png", dir.filePath(QStringLiteral("f.bmp/w"))}).status, 0);
  EXPECT_TRUE(ReadAll(dir.filePath(QStringLiteral("f.bmp/w"))).startsWith("\x89PNG"));

  const TRun refused = RunQuantora({"--export-png", dir.filePath(QStringLiteral("w.txt"))});
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(Lines(refused.err).back().startsWith("quantora: cannot write pictures of the kind '"));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("w.txt"))));
}

// Beside the program: no German table, or a table or icon that is a FIFO or
// never ends. The window still comes up (here: its picture) in good time.
TEST(QuantoraProgramTest, OddFilesBesideTheProgramDoNotStopIt) {
  enum TOdd { oNone, oFifo, oEndless, oAbsent };
  const struct {
    const char* what;
    TOdd table, icon;
    const char* language;  // asked for on the command line, or none
    const char* told;      // the table the program says it could not read, or none
  } cases[] = {{"no German table", oNone, oNone, "de", "German"},
               {"no table at all, no language asked", oAbsent, oNone, nullptr, nullptr},
               {"table is a FIFO", oFifo, oNone, "en", "English"},
               {"table never ends", oEndless, oNone, nullptr, nullptr},
               {"icon is a FIFO", oNone, oFifo, "en", nullptr},
               {"icon never ends", oNone, oEndless, nullptr, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString program = CopyOfProgram(dir);
    auto place = [&](const char* name, TOdd odd) {
      const QString path = dir.filePath(QLatin1String(name));
      bool placed = true;  // oAbsent: nothing there
      if (odd == oFifo) placed = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
      if (odd == oEndless) placed = QFile::link(QStringLiteral("/dev/zero"), path);
      if (odd == oNone) placed = QFile::copy(BesideProgram(name), path);
      ASSERT_TRUE(placed) << name;
    };
    place("quantora.itl", c.table);
    place("quantora.png", c.icon);
    const QString picture = dir.filePath(QStringLiteral("w.png"));
    QStringList args{"--export-png", picture};
    if (c.language) args << "--language" << c.language;
    const TRun run = RunProgram(program, args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(QImage(picture).size(), QSize(793, 610));
    const QString table = dir.filePath(c.told && QLatin1String(c.told) == "German" ? "quantora.de.itl" : "quantora.itl");
    const QByteArray message = QByteArray("quantora: no ") + c.told + " translation table could be read from '" +
                               QFile::encodeName(table) + "'; the English texts are shown\n";
    if (c.told) EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    else EXPECT_FALSE(run.err.contains("translation table")) << run.err.toStdString();
  }
}

// A hostile settings file, or a chosen table that gives no texts: the export
// still ends (RunProgram stops a hang) in the default texts, with one line why.
TEST(QuantoraProgramTest, HostileSettingsNeitherHangNorBlankTheTexts) {
  enum TOdd { oFifo, oGarbageTable, oHugeTable };
  const struct {
    TOdd odd;
    const char* told;
  } cases[] = {{oFifo, "Quantora.conf' is left out: it is not a readable regular file"},
               {oGarbageTable, "chosen.itl': it holds no \"[key]=text|$$\" records); the default texts are shown"},
               {oHugeTable, "chosen.itl': it is no readable regular file of at most 16 MiB"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.told);
    QTemporaryDir dir;
    const QString settings = dir.filePath("config/Quillon/Quantora.conf"), table = dir.filePath("chosen.itl");
    ASSERT_TRUE(QDir(dir.path()).mkpath("config/Quillon"));
    QFile chosen(table);
    ASSERT_TRUE(chosen.open(QIODevice::WriteOnly) && chosen.write("no records here") > 0);
    if (c.odd == oHugeTable) ASSERT_TRUE(chosen.resize(17 << 20));
    chosen.close();
    if (c.odd == oFifo) ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    else RunShell("printf '[language]\\ntable=%s\\n' '" + table + "' > '" + settings + "'");
    const QString pdf = dir.filePath("w.pdf");
    const TRun run =
        RunShell("XDG_CONFIG_HOME='" + dir.filePath("config") + "' exec \"$Q\" --export-pdf '" + pdf + "'");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(Lines(run.err).size(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.told)) << run.err.toStdString();
    const QByteArray text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains("Original Signal") && !text.contains("MMExplain"));
  }
}

// A broken icon beside the program leaves exports alone.
TEST(QuantoraProgramTest, BrokenIconLeavesExportsAlone) {
  QTemporaryDir dir;
  const QString program = CopyOfProgram(dir), picture = dir.filePath("w.png"), good = dir.filePath("good.png");
  QFile::copy(BesideProgram("quantora.itl"), dir.filePath("quantora.itl"));
  RunShell("printf x > '" + dir.filePath("quantora.png") + "'");
  EXPECT_EQ(RunProgram(program, {"--export-png", picture, "--wave", "chirp", "--bits", "3"}).status, 0);
  ASSERT_EQ(RunQuantora({"--export-png", good, "--wave", "chirp", "--bits", "3"}).status, 0);
  EXPECT_EQ(QImage(picture), QImage(good));
}

// A file the user may not write is refused and kept, though its folder lets
// it be replaced. Root may write any file: as root the program runs as nobody.
TEST(QuantoraProgramTest, WriteProtectedFileIsRefused) {
  QTemporaryDir dir;
  QString asUser;
  if (::geteuid() == 0) {
    if (!QFile::exists("/usr/bin/setpriv")) GTEST_SKIP() << "root without setpriv: no one to refuse";
    asUser = "unset XDG_RUNTIME_DIR QUANTORA_RUNTIME_DIR; export TMPDIR='" + dir.path() +
             "'; setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
  }
  const QString path = dir.filePath("o.csv");  // pictures go through the same writing
  RunShell("echo OLD > '" + path + "'; chmod 444 '" + path + "'");
  const TRun run = RunShell(asUser + "\"$Q\" --export-csv '" + path + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.endsWith("cannot write '" + path.toUtf8() + "': Permission denied\n")) << run.err.toStdString();
  EXPECT_EQ(ReadAll(path), "OLD\n");
}

// Exports need no display: without QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY
// and XDG_RUNTIME_DIR the picture is written and standard error stays empty;
// the figures too. A window start there ends at once with one line and status 3.
TEST(QuantoraProgramTest, HeadlessExportChoosesItsPlatformItself) {
  QTemporaryDir dir;
  const QString picture = dir.filePath(QStringLiteral("w.png"));
  const QString headless = QStringLiteral("unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY XDG_RUNTIME_DIR; exec \"$Q\" ");
  const TRun run = RunShell(headless + QStringLiteral("--export-png '") + picture + QStringLiteral("'"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, QByteArray());
  EXPECT_EQ(QImage(picture).size(), QSize(793, 610));
  EXPECT_EQ(RunShell(headless + QStringLiteral("--stats")).status, 0);
  const TRun window = RunShell(headless + QStringLiteral("--bits 3"));
  EXPECT_EQ(window.status, 3);
  EXPECT_EQ(Lines(window.err).size(), 1) << window.err.toStdString();
  // A named display is the toolkit's to judge, even one that is not there.
  EXPECT_NE(RunShell(QStringLiteral("unset QT_QPA_PLATFORM WAYLAND_DISPLAY; ulimit -c 0; DISPLAY=:8191 exec \"$Q\"")).status, 3);
}

// A running window (in this test's link directory): a second start hands its
// parameters over and ends with 0 before any window; one with a line break in
// an argument hands nothing over and fails; exports and the help text ignore
// the running window.
TEST(QuantoraProgramTest, SecondStartEndsAndExportsIgnoreTheRunningWindow) {
  QProcess first;
  first.start(QStringLiteral(QUANTORA_EXECUTABLE), {QStringLiteral("--no-about")});
  ASSERT_TRUE(first.waitForStarted());
  // Running once it has published itself in the link directory.
  const QDir links(QString::fromLocal8Bit(qgetenv("QUANTORA_RUNTIME_DIR")));
  for (int i = 0; i < 200 && links.entryList({QStringLiteral("n-*")}, QDir::System).isEmpty(); ++i)
    first.waitForFinished(50);
  ASSERT_EQ(first.state(), QProcess::Running);
  ASSERT_FALSE(links.entryList({QStringLiteral("n-*")}, QDir::System).isEmpty());

  const TRun second = RunQuantora({QStringLiteral("lesson-3.txt"), QStringLiteral("--bits"), QStringLiteral("4")});
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out + second.err, QByteArray());
  const TRun chain = RunQuantora({"--noise", "5", "--dither", "tri", "--subtract-dither", "--seed", "9"});
  EXPECT_EQ(std::pair(chain.status, chain.out + chain.err), std::pair(0, QByteArray()));
  const TRun broken = RunQuantora({QStringLiteral("two\nlines")});
  EXPECT_EQ(broken.status, 1);
  EXPECT_TRUE(broken.err.contains("line break")) << broken.err.toStdString();

  QTemporaryDir dir;
  const QString picture = dir.filePath(QStringLiteral("w.png"));
  EXPECT_EQ(RunQuantora({QStringLiteral("--export-png"), picture}).status, 0);
  EXPECT_TRUE(QFile::exists(picture));
  EXPECT_EQ(Lines(RunQuantora({QStringLiteral("--export-csv"), QStringLiteral("-")}).out).size(), NumPoints + 1);
  EXPECT_TRUE(RunQuantora({QStringLiteral("--help")}).out.startsWith("Usage: quantora"));

  EXPECT_EQ(first.state(), QProcess::Running);  // the first one goes on
  // Ended by a signal, it closes like its window: nothing of the link is left
  // but the lock file (and nothing of the second starts).
  first.terminate();
  ASSERT_TRUE(first.waitForFinished(10000));
  EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(links.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList{"SG_quantora"});
}

// A refused link directory ends the window's start with one line (nothing of
// Qt's before it), also for the fallback beside other users' files; exports
// have no host link and work all the same, leaving nothing behind.
TEST(QuantoraProgramTest, RefusedLinkDirectoryEndsOnlyTheWindowsStartWithOneLine) {
  QTemporaryDir dir;
  const QByteArray path = QFile::encodeName(dir.path()), uid = QByteArray::number(::geteuid());
  // A file where a directory belongs; a shared folder without the sticky bit
  // that belongs to another user (only root can give it away).
  RunShell("cd '" + dir.path() + "' && mkdir open shared && chmod 755 open && chmod 777 shared && touch quantora "
           "quantora-" + uid + " && chown 65534 shared");
  const bool foreignShared = QFileInfo(dir.filePath(QStringLiteral("shared"))).ownerId() != ::geteuid();
  const struct {
    QString variable;  // the one link variable set, to the folder and this
    QByteArray message;
  } cases[] = {
      {"QUANTORA_RUNTIME_DIR=" + dir.path() + "/open", path + "/open can be reached by other users (mode must be 0700)"},
      {"XDG_RUNTIME_DIR=" + dir.path(), path + "/quantora is not a directory"},
      {"TMPDIR=" + dir.path(), path + "/quantora-" + uid + " is not a directory"},
      {"TMPDIR=" + dir.path() + "/shared", path + "/shared/quantora-" + uid + " is refused: its folder " + path +
                                               "/shared is neither sticky nor yours, so another user could replace it"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.variable.toStdString());
    if (c.variable.endsWith(QStringLiteral("shared")) && !foreignShared) continue;
    const QString environment = "unset QUANTORA_RUNTIME_DIR XDG_RUNTIME_DIR TMPDIR; export '" + c.variable + "'; ";
    const TRun window = RunShell(environment + "exec \"$Q\" --no-about");
    EXPECT_EQ(window.status, 1);
    EXPECT_EQ(window.err, "quantora: the link directory " + c.message + "\n");
    for (const QString kind : {QStringLiteral("png"), QStringLiteral("pdf")}) {
      const QString picture = dir.filePath("w." + kind);
      const TRun exported = RunShell(environment + "exec \"$Q\" --export-" + kind + " '" + picture + "'");
      EXPECT_EQ(exported.status, 0);
      EXPECT_EQ(exported.err, QByteArray());
      EXPECT_TRUE(QFile::remove(picture));
    }
  }
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("quantora-export-*")}, QDir::AllEntries), QStringList());
}

TEST(QuantoraProgramTest, LessonStepsApplyCumulativelyBeforeAnExport) {
  QTemporaryDir dir;
  const QString path = dir.filePath("coarse.qlesson");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"version": 1, "setting": {"bits": 8}, "steps": [
    {"title": "Coarse", "text": {"en": "3 bits"}, "setting": {"bits": 3}},
    {"title": "Noisy", "text": {"en": "noise"}, "setting": {"noise": 20}},
    {"title": "Fine", "text": {"en": "back"}, "setting": {"bits": 12}}]})");
  file.close();
  const TRun run = RunQuantora({path, "--step", "2", "--stats"});  // a .qlesson parameter names the lesson
  EXPECT_EQ(run.status, 0) << run.err.constData();
  const QList<QByteArray> lines = Lines(run.out);
  EXPECT_TRUE(lines.contains("step_V 1.4285714285714286")) << run.out.constData();  // 10 V over 7 steps
  EXPECT_TRUE(lines.contains("noise_mV 20")) << run.out.constData();
}

}  // namespace
}  // namespace quantora
