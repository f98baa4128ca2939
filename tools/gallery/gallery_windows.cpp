// The two windows of the program as a student sees them: the main window and
// the About dialog, filled as at start-up, in English and in German.
#include <QCoreApplication>

#include "app/ui/aboutbox.h"
#include "app/ui/mainfrm.h"
#include "gallery.h"

namespace gallery {

namespace {
QString Table(const QString& file) {
  // The tables the build puts beside the program.
  return QStringLiteral(QUANTORA_TABLE_DIR "/") + file;
}

int RenderLanguage(const QString& folder, const QString& table, const QString& suffix) {
  quantora::TFrmAbout about;
  quantora::TForm1 form(Table(table));
  form.SetAboutDialog(&about);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  about.setAttribute(Qt::WA_DontShowOnScreen);
  about.show();
  int written = 0;
  written += form.grab().save(folder + QStringLiteral("/window_main_") + suffix + QStringLiteral(".png"));
  written += about.grab().save(folder + QStringLiteral("/window_about_") + suffix + QStringLiteral(".png"));
  return written;
}
}  // namespace

int RenderWindows(const QString& folder) {
  return RenderLanguage(folder, QStringLiteral("quantora.itl"), QStringLiteral("en")) +
         RenderLanguage(folder, QStringLiteral("quantora.de.itl"), QStringLiteral("de"));
}

}  // namespace gallery
