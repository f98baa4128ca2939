#pragma once
// The main window with a shipped table, shown off screen without the About
// dialog and active, for tests that drive it with real events.

#include <QApplication>

#include "app/ui/mainfrm.h"

namespace quantora {

struct TShownMainWindow {
  explicit TShownMainWindow(const char* table = "quantora.itl") : form(Start(table)) {
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    QCoreApplication::processEvents();  // the start-up sequence
    QApplication::setActiveWindow(&form);
  }
  static TFormStart Start(const char* table) {
    TFormStart start{QStringLiteral(QUANTORA_TRANSLATION_TABLES "/") + QLatin1String(table)};
    start.showAbout = false;
    start.singleInstance = false;
    return start;
  }
  TForm1 form;
};

}  // namespace quantora
