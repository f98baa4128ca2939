#pragma once
// The program's application object. An error raised in an event handler and
// handled nowhere ends here: it is reported (by default in one error box with
// its message) and the event loop goes on.

#include <QApplication>
#include <QString>
#include <functional>

namespace quantora {

class TQuantoraApplication : public QApplication {
 public:
  TQuantoraApplication(int& argc, char** argv);

  // Delivers the event; an error escaping its handler goes to ReportError and
  // the event counts as not handled.
  bool notify(QObject* receiver, QEvent* event) override;

  // Reports an error nobody handled. Default: a modal error box with the
  // message (ShowErrorBox); exports put a line on standard error instead.
  std::function<void(const QString& message)> ReportError;

  // The standard error box: the application's title and the message.
  static void ShowErrorBox(const QString& message);
};

}  // namespace quantora
