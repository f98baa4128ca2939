// The main window's start-up sequence and its host integration: the order of
// the steps as observed, the icon (named by the table, from the work area or
// fetched from the test host program), the About dialog shown once before the
// first curves, an icon error that leaves the rest undone, and a second start's
// parameters that bring the window to the front.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "app/ui/aboutbox.h"
#include "app/ui/mainfrm.h"
#include "app/ui/text_controls.h"
#include "chart/rchart.h"
#include "hostlink/demon_client.h"
#include "hostlink/frame.h"
#include "hostlink/messages.h"
#include "numlab/numlab.h"
#include "translate/itl_file_name.h"

namespace quantora {
namespace {

QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return path;
}

QByteArray PngBytes(QColor colour) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "png");
  return bytes;
}

// A file beside this test program (the work area without a host), removed again.
struct TBesideProgram {
  explicit TBesideProgram(const QString& name, const QByteArray& bytes)
      : path(QFileInfo(QString::fromStdString(glossator::CurrentExecutablePath())).absolutePath() + '/' + name) {
    WriteFile(path, bytes);
  }
  ~TBesideProgram() { QFile::remove(path); }
  QString path;
};

void ProcessEventsUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(StartUp, AboutComesUpOnceBeforeTheFirstCurvesWithIconAndTexts) {
  QTemporaryDir dir;
  const QString iconName = QStringLiteral("startup-icon-%1.png").arg(getpid());
  TBesideProgram icon(iconName, PngBytes(Qt::red));
  const QString table = WriteFile(dir.filePath(QStringLiteral("t.itl")),
                                  "[AppIconName]=" + iconName.toUtf8() +
                                      "|$$[Quantora Lab]=Quantora-Labor|$$[$dlglanguage$]=LgGeRmAn|$$");
  TFrmAbout about;
  about.setAttribute(Qt::WA_DontShowOnScreen);
  TFormStart start{table};
  start.startValues = TStartValues{{TSignalForm::sfSawtooth, 20, 4, {}}, {}};
  TForm1 form(start);
  form.SetAboutDialog(&about);
  const qint64 designIcon = form.windowIcon().cacheKey();

  struct TSeen {
    int showings = 0;
    int analogItems = -1, sampledItems = -1;
    QString name, webSite;
    qint64 icon = 0;
  } seen;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != &about) return;
    ++seen.showings;
    seen.analogItems = form.RCSig->ItemCount();
    seen.sampledItems = form.RCSample->ItemCount();
    seen.name = about.LblName->text();
    seen.webSite = about.LblWebSite->text();
    seen.icon = about.windowIcon().cacheKey();
    about.accept();
  });
  watcher.start(5);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  ProcessEventsUntil([&] { return form.RCSig->ItemCount() > 0; });
  ProcessEventsUntil([] { return false; }, 100);  // no second showing follows

  EXPECT_EQ(seen.showings, 1);
  EXPECT_EQ(seen.analogItems, 0);  // the charts were still empty
  EXPECT_EQ(seen.sampledItems, 0);
  EXPECT_EQ(seen.name, QStringLiteral("Quantora-Labor"));
  EXPECT_EQ(seen.webSite, QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
  // The icon of the application, the window and the dialog, before the dialog came up.
  EXPECT_NE(form.windowIcon().cacheKey(), designIcon);
  EXPECT_EQ(seen.icon, form.windowIcon().cacheKey());
  EXPECT_EQ(QApplication::windowIcon().cacheKey(), form.windowIcon().cacheKey());
  // Sine first, then the start values.
  EXPECT_EQ(form.CBoxSignalForm->currentIndex(), int(TSignalForm::sfSawtooth));
  EXPECT_EQ(form.SBarReso->value(), 4);
}

TEST(StartUp, IconThatIsNoPictureLeavesTheRestUndone) {
  QTemporaryDir dir;
  const QString iconName = QStringLiteral("startup-broken-%1.png").arg(getpid());
  TBesideProgram icon(iconName, "not a picture");
  TForm1 form(TFormStart{WriteFile(dir.filePath(QStringLiteral("t.itl")), "[AppIconName]=" + iconName.toUtf8() + "|$$")});
  TFrmAbout about;
  form.SetAboutDialog(&about);
  try {
    form.FormShow();
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("is not a picture"), std::string::npos) << e.what();
  }
  EXPECT_EQ(form.RCSig->ItemCount(), 0);  // no Recompute
  EXPECT_EQ(about.LblName->text(), QStringLiteral("App. name"));  // About not filled
}

// The test host program serves the icon; the window saves it into the host's
// work area and loads it. Without an "AppIconName" entry nothing is fetched.
TEST(StartUp, IconFetchedFromTheHostAndSaved) {
  QTemporaryDir resources, workArea, tables;
  const QByteArray iconBytes = PngBytes(Qt::blue);
  WriteFile(resources.filePath(QStringLiteral("lab.png")), iconBytes);
  WriteFile(workArea.filePath(QStringLiteral("lab.png")), "an old file of that name");
  QProcess host;
  host.start(QStringLiteral(STARGAZE_HOST), {QString(), resources.path(), workArea.path()});
  ASSERT_TRUE(host.waitForReadyRead(10000));
  ASSERT_TRUE(host.readLine().startsWith("ready "));

  for (const bool named : {false, true}) {
    SCOPED_TRACE(named);
    const QString table = WriteFile(tables.filePath(QStringLiteral("t.itl")), named ? "[AppIconName]=lab.png|$$" : "");
    TFormStart start{table};
    start.showAbout = false;
    TForm1 form(start);
    ASSERT_NE(form.cliDemon->ServerEntity().Handle, 0u);
    form.cliDemon->SetUseTesseraServer(true);
    const qint64 designIcon = form.windowIcon().cacheKey();
    form.FormShow();
    EXPECT_GT(form.RCSig->ItemCount(), 0);
    EXPECT_EQ(form.windowIcon().cacheKey() != designIcon, named);
    QFile saved(workArea.filePath(QStringLiteral("lab.png")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll() == iconBytes, named);
  }
  host.closeWriteChannel();
  ASSERT_TRUE(host.waitForFinished(10000));
  const QByteArray said = host.readAllStandardOutput();
  EXPECT_EQ(said.count("resource lab.png"), 1) << said.toStdString();
}

// The setting options of a second start change the running window as the
// user would (the rest stays), its language included, and bring it to the
// front; options that reach a window before its start-up are where it ends.
TEST(StartUp, SecondStartsOptionsChangeTheRunningWindowAndBringItToTheFront) {
  TFormStart start{QStringLiteral(QUANTORA_TRANSLATION_TABLES "/quantora.itl")};
  start.showAbout = false;
  TForm1 form(start);
  form.LanguageTable = [](const std::string& language) {
    return QStringLiteral(QUANTORA_TRANSLATION_TABLES "/") + (language == "de" ? "quantora.de.itl" : "quantora.itl");
  };
  // The message as another start of this program sends it.
  const auto handOver = [&](const char* list) {
    form.cliDemon->ReceiveFrame(tessera::TFrame{1, tessera::hmParams, {}, list}, getpid());
  };
  handOver("/usr/bin/quantora\r\n--wave\r\nchirp\r\n--bits\r\n5\r\n");  // before the start-up: where it ends
  form.show();  // on the offscreen platform, which knows which window is active
  ProcessEventsUntil([] { return false; }, 300);  // the start-up sequence runs
  EXPECT_EQ(form.CBoxSignalForm->currentIndex(), int(TSignalForm::sfChirp));
  EXPECT_EQ(form.SBarReso->value(), 5);
  QWidget other;
  other.show();
  other.activateWindow();
  ProcessEventsUntil([&] { return QApplication::activeWindow() == &other; });
  ASSERT_EQ(QApplication::activeWindow(), &other);

  handOver("/usr/bin/quantora\r\nlesson.txt\r\n--wave\r\nsinc\r\n--bits\r\n3\r\n--error\r\non\r\n"
           "--language\r\nde\r\n--noise\r\n5\r\n");
  ProcessEventsUntil([&] { return QApplication::activeWindow() == &form; });
  EXPECT_EQ(QApplication::activeWindow(), &form);
  EXPECT_EQ(form.cliDemon->ParamCount(), 11);
  const TRecomputeInputs in = form.CurrentInputs();
  EXPECT_EQ(in.settings.form, TSignalForm::sfSinc);
  EXPECT_EQ(in.settings.bits, 3);
  EXPECT_EQ(in.settings.interval, 10);
  EXPECT_EQ(in.settings.chain.imperfections.noiseMv, 5);  // the chain's options are handed over too
  EXPECT_TRUE(in.options.showError && in.options.showPoints && in.options.showSampled);
  EXPECT_EQ(form.NLabReso->Value(), 3);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Analog-Digital-Wandlung"));
  EXPECT_EQ(form.CBoxSignalForm->currentText(), QStringLiteral("Sinc (si-Funktion)"));
  // Back to English from the design texts; a bad list changes nothing.
  handOver("/usr/bin/quantora\r\n--language\r\nen\r\n");
  handOver("/usr/bin/quantora\r\n--bits\r\n99\r\n");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Analog/Digital Conversion"));
  EXPECT_EQ(form.CBoxSignalForm->currentText(), QStringLiteral("Sinc"));
  EXPECT_EQ(form.SBarReso->value(), 3);
}

}  // namespace
}  // namespace quantora
