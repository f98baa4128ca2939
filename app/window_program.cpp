#include "app/window_program.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageWriter>
#include <QScreen>
#include <cstdio>
#include <memory>

#include "app/ui/aboutbox.h"
#include "app/ui/mainfrm.h"
#include "hostlink/demon_client.h"

namespace quantora {

namespace {

// The table for --language, beside the program; empty: the host link's own choice.
QString TranslationFileFor(const std::string& language) {
  if (language.empty()) return {};
  const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  return dir + (language == "de" ? QStringLiteral("quantora.de.itl") : QStringLiteral("quantora.itl"));
}

struct TProgramWindows {
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TFrmAbout> about;
};

// Program entry steps: the title, the main window, then the About dialog (hidden).
TProgramWindows CreateWindows(const TCommandLine& commandLine) {
  QApplication::setApplicationName(QStringLiteral("Quantora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quantora"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quantora/quantora.png")));
  TProgramWindows w;
  w.form = std::make_unique<TForm1>(TranslationFileFor(commandLine.language));
  w.about = std::make_unique<TFrmAbout>();
  w.form->SetAboutDialog(w.about.get());
  return w;
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
  QApplication app(argc, argv);
  TProgramWindows w = CreateWindows(commandLine);
  CentreOnScreen(*w.form);
  w.form->show();
  w.form->ApplyStartValues(commandLine.settings, commandLine.options);
  return app.exec();
}

int ExportWindowPng(const TCommandLine& commandLine, int argc, char** argv) {
  QApplication app(argc, argv);
  TProgramWindows w = CreateWindows(commandLine);
  w.form->setAttribute(Qt::WA_DontShowOnScreen);  // rendered, never shown
  w.form->show();
  w.form->ApplyStartValues(commandLine.settings, commandLine.options);
  QApplication::processEvents();
  const QImage picture = w.form->grab().toImage();
  const QString path = QString::fromStdString(commandLine.exportPath);
  QImageWriter writer(path, "png");
  if (!writer.write(picture)) {
    std::fprintf(stderr, "quantora: cannot write %s: %s\n", commandLine.exportPath.c_str(),
                 writer.errorString().toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace quantora
