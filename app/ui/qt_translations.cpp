#include "app/ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace quantora {

void UseQtTranslations(const QLocale& language) {
  // One for the whole program, as there is one language shown; the
  // application owns it, so it goes with the application.
  static QPointer<QTranslator> installed;
  delete installed.data();  // removes itself from the application
  if (language.language() == QLocale::English) return;  // Qt's own texts are English
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(language, QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;  // not installed: Qt's texts stay English
    return;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
}

}  // namespace quantora
