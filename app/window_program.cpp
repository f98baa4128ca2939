#include "app/window_program.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageWriter>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/file_replace.h"
#include "app/message_text.h"
#include "app/quantora_application.h"
#include "app/quit_on_signal.h"
#include "app/ui/aboutbox.h"
#include "app/ui/data_files.h"
#include "app/ui/language_tables.h"
#include "app/ui/mainfrm.h"
#include "app/ui/page_render.h"
#include "app/ui/widget_picture.h"
#include "hostlink/demon_client.h"

namespace quantora {

namespace {

// The picture format a file name asks for by its ending (letter case ignored),
// PNG for a name without one; empty when the toolkit cannot write that format.
QByteArray PictureFormatFor(const std::string& path) {
  const std::string name = path.substr(path.rfind('/') + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return QByteArrayLiteral("png");
  const QByteArray ending = QByteArray::fromStdString(name.substr(dot + 1)).toLower();
  return QImageWriter::supportedImageFormats().contains(ending) ? ending : QByteArray();
}

// A language asked for on the command line whose table gave no texts: the user
// learns why the window speaks English.
void ReportMissingTableOf(const TCommandLine& commandLine, TForm1& form) {
  if (commandLine.language.empty() || !form.Texts().Keys().empty()) return;
  ReportMissingTable(commandLine.language, LanguageTableFile(commandLine.language));
}

// The table chosen last in the charts' menu, unless it gives no texts: then the
// default table, and one line that says why.
QString RememberedTableWithTexts() {
  const QString table = RememberedLanguageTable();
  std::string reason;
  if (table.isEmpty() || TableGivesTexts(table, reason)) return table;
  std::fprintf(stderr, "quantora: the language chosen last gives no texts (%s: %s); the default texts are shown\n",
               QuotedForMessage(QFile::encodeName(table).toStdString()).c_str(), reason.c_str());
  return {};
}

}  // namespace

TProgramWindows::TProgramWindows() = default;
TProgramWindows::TProgramWindows(TProgramWindows&&) noexcept = default;
TProgramWindows::~TProgramWindows() = default;

TProgramWindows CreateWindows(const TCommandLine& commandLine) { return CreateWindows(commandLine, TFormStart{}); }

TProgramWindows CreateWindows(const TCommandLine& commandLine, const TFormStart& design) {
  TFormStart start = design;
  // The application's title, for the host link and the About dialog. Not a
  // display name: the toolkit would append that to every window's caption.
  QApplication::setApplicationName(QStringLiteral("Quantora"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quantora.Lab"));  // its menu entry and icon
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quantora/quantora.png")));
  TProgramWindows w;
  // The language chosen last in the charts' menu, unless the command line names one.
  start.translationFile =
      commandLine.language.empty() ? RememberedTableWithTexts() : LanguageTableFile(commandLine.language);
  start.startValues = TStartValues{commandLine.settings, commandLine.options, commandLine.timeRange};
  w.form = std::make_unique<TForm1>(start);
  ReportMissingTableOf(commandLine, *w.form);
  // A child dialog: it comes up in front of the main window.
  w.about = std::make_unique<TFrmAbout>(w.form.get());
  w.form->SetAboutDialog(w.about.get());
  return w;
}

namespace {

// An error while the windows are created or loaded ends the start: its
// message on standard error.
std::optional<TProgramWindows> CreateWindowsOrSay(const TCommandLine& commandLine, const TFormStart& start) {
  try {
    return CreateWindows(commandLine, start);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quantora: %s\n", error.what());
    return std::nullopt;
  }
}

void CentreOnScreen(QWidget& window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
}

}  // namespace

int RunWindow(const TCommandLine& commandLine, int argc, char** argv) {
  TQuantoraApplication app(argc, argv);
  TFormStart start;
  start.showAbout = commandLine.showAbout;
  std::optional<TProgramWindows> w = CreateWindowsOrSay(commandLine, start);
  if (!w) return 1;
  QuitOnTerminationSignals();
  CentreOnScreen(*w->form);
  w->form->show();
  return app.exec();
}

namespace {

// The window after start-up with the command line's values, rendered but never
// shown: no second instance, no About dialog, no icon, and errors of the
// start-up on standard error, since no one is there to click an error box
// away. An error there fails the export: the window may be half set up.
std::optional<TProgramWindows> WindowForExport(TQuantoraApplication& app, const TCommandLine& commandLine) {
  auto failed = std::make_shared<bool>(false);
  app.ReportError = [failed](const QString& message) {
    std::fprintf(stderr, "quantora: %s\n", message.toUtf8().constData());
    *failed = true;
  };
  TFormStart start;
  start.hostLink = false;  // an export meets no host and no running window
  start.showAbout = false;
  start.loadIcon = false;
  std::optional<TProgramWindows> w = CreateWindowsOrSay(commandLine, start);
  if (!w) return w;
  w->form->setAttribute(Qt::WA_DontShowOnScreen);
  w->form->show();
  QApplication::processEvents();  // the start-up sequence
  if (*failed) return std::nullopt;
  return w;
}

int ExportFailed(const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "quantora: cannot write %s: %s\n", QuotedForMessage(path).c_str(), reason.c_str());
  return 1;
}

// Replaces the export file by `bytes`; 0, or 1 with one line naming the reason.
int WriteExport(const std::string& path, const QByteArray& bytes) {
  std::string reason;
  if (WriteFileReplacing(path, std::string_view(bytes.constData(), bytes.size()), reason)) return 0;
  return ExportFailed(path, reason);
}

}  // namespace

int ExportWindowPng(const TCommandLine& commandLine, int argc, char** argv) {
  TQuantoraApplication app(argc, argv);
  const QByteArray format = PictureFormatFor(commandLine.exportPath);
  if (format.isEmpty()) {
    std::fprintf(stderr, "quantora: cannot write pictures of the kind %s names (see --help)\n",
                 QuotedForMessage(commandLine.exportPath).c_str());
    return 2;
  }
  std::optional<TProgramWindows> w = WindowForExport(app, commandLine);
  if (!w) return 1;
  const QImage picture = WidgetPicture(*w->form, commandLine.pictureScale);

  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(picture)) return ExportFailed(commandLine.exportPath, writer.errorString().toStdString());
  return WriteExport(commandLine.exportPath, bytes);
}

int ExportWindowPdf(const TCommandLine& commandLine, int argc, char** argv) {
  TQuantoraApplication app(argc, argv);
  std::optional<TProgramWindows> w = WindowForExport(app, commandLine);
  if (!w) return 1;
  return WriteExport(commandLine.exportPath, WidgetAsPdf(*w->form, w->form->windowTitle()));
}

}  // namespace quantora
