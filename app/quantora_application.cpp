#include "app/quantora_application.h"

#include <QMessageBox>
#include <exception>

namespace quantora {

TQuantoraApplication::TQuantoraApplication(int& argc, char** argv)
    : QApplication(argc, argv), ReportError(&TQuantoraApplication::ShowErrorBox) {}

bool TQuantoraApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("An unknown error occurred."));
  }
  return false;
}

void TQuantoraApplication::ShowErrorBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

}  // namespace quantora
