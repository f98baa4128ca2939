// The two windows of the program as a student sees them: the main window and
// the About dialog, filled as at start-up, in English and in German.
#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "app/ui/aboutbox.h"
#include "app/ui/mainfrm.h"
#include "gallery.h"
#include "numlab/numlab.h"

namespace gallery {

namespace {
QString Table(const QString& file) {
  // The tables the build puts beside the program.
  return QStringLiteral(QUANTORA_TABLE_DIR "/") + file;
}

// The window at 16 bits with the resolution read-out's tooltip open, the tooltip
// grabbed on its own and drawn where it opens, below the read-out.
bool SaveWithResolutionTooltip(quantora::TForm1& form, const QString& file) {
  form.SBarReso->setValue(16);
  QPixmap picture = form.grab();
  const QPoint below = form.NLabReso->mapTo(&form, QPoint(0, form.NLabReso->height()));
  QToolTip::showText(form.NLabReso->mapToGlobal(QPoint(0, form.NLabReso->height())),
                     form.NLabReso->toolTip(), form.NLabReso);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->inherits("QTipLabel") && top->isVisible()) {
      const QPixmap tip = top->grab();
      QPainter painter(&picture);
      // Kept inside the window: the tooltip opens leftwards near the right edge.
      const int x = std::max(0, std::min(below.x(), picture.width() - tip.width()));
      const int y = std::max(0, std::min(below.y(), picture.height() - tip.height()));
      painter.drawPixmap(x, y, tip);
    }
  }
  QToolTip::hideText();
  form.SBarReso->setValue(8);
  return picture.save(file);
}

int RenderLanguage(const QString& folder, const QString& table, const QString& suffix) {
  quantora::TFrmAbout about;
  quantora::TFormStart start{Table(table)};
  start.showAbout = false;  // the gallery shows the dialog itself, not modally
  quantora::TForm1 form(start);
  form.SetAboutDialog(&about);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QCoreApplication::processEvents();  // the start-up sequence
  about.setAttribute(Qt::WA_DontShowOnScreen);
  about.show();
  int written = 0;
  written += form.grab().save(folder + QStringLiteral("/window_main_") + suffix + QStringLiteral(".png"));
  written += about.grab().save(folder + QStringLiteral("/window_about_") + suffix + QStringLiteral(".png"));
  written += SaveWithResolutionTooltip(form, folder + QStringLiteral("/window_tooltip_") + suffix +
                                                 QStringLiteral(".png"));
  return written;
}
}  // namespace

int RenderWindows(const QString& folder) {
  return RenderLanguage(folder, QStringLiteral("quantora.itl"), QStringLiteral("en")) +
         RenderLanguage(folder, QStringLiteral("quantora.de.itl"), QStringLiteral("de"));
}

}  // namespace gallery
