// The two windows of the program as a student sees them: the main window and
// the About dialog, filled as at start-up, in English and in German.
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "app/ui/aboutbox.h"
#include "app/ui/chart_menu.h"
#include "app/ui/mainfrm.h"
#include "chart/rchart.h"
#include "gallery.h"
#include "numlab/numlab.h"

namespace gallery {

namespace {
QString Table(const QString& file) {
  // The tables the build puts beside the program.
  return QStringLiteral(QUANTORA_TABLE_DIR "/") + file;
}

// A pop-up (tooltip, menu) grabbed on its own and drawn onto the window's
// picture at `at`, kept inside it.
void DrawPopup(QPixmap& picture, QWidget& popup, QPoint at) {
  const QPixmap shown = popup.grab();
  QPainter painter(&picture);
  const int x = std::max(0, std::min(at.x(), picture.width() - shown.width()));
  const int y = std::max(0, std::min(at.y(), picture.height() - shown.height()));
  painter.drawPixmap(x, y, shown);
}

// The window at 16 bits with the resolution read-out's tooltip open, the tooltip
// grabbed on its own and drawn where it opens, below the read-out.
bool SaveWithResolutionTooltip(quantora::TForm1& form, const QString& file) {
  form.SBarReso->setValue(16);
  QPixmap picture = form.grab();
  const QPoint below = form.NLabReso->mapTo(&form, QPoint(0, form.NLabReso->height()));
  QToolTip::showText(form.NLabReso->mapToGlobal(QPoint(0, form.NLabReso->height())),
                     form.NLabReso->toolTip(), form.NLabReso);
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->inherits("QTipLabel") && top->isVisible()) DrawPopup(picture, *top, below);
  QToolTip::hideText();
  form.SBarReso->setValue(8);
  return picture.save(file);
}

// One quantization step at 16 bits, seen by zooming: the sampled chart's time
// axis on the sine's peak at T = 1 ns, its amplitude over about ten steps
// (0.15 mV each); the analog chart follows the time range. The charts' menu
// is drawn open over the sampled chart.
bool SaveZoomedIntoOneStep(quantora::TForm1& form, const QString& file) {
  form.SBarSampleFreq->setValue(1);
  form.SBarReso->setValue(16);
  form.RCSample->SetLayerRange(1, 59.0, 4.7988, 74.0, 4.8004, true);
  form.RCSig->SetLayerRange(1, 59.0, 4.7988, 74.0, 4.8004, true);
  QPixmap picture = form.grab();
  vqm::TCustomRChart* chart = form.RCSample;
  const QPoint at = chart->mapTo(&form, QPoint(chart->width() / 2, chart->height() / 2));
  if (QMenu* menu = form.ChartMenu->Open(chart, chart->mapToGlobal(QPoint(chart->width() / 2, chart->height() / 2)))) {
    DrawPopup(picture, *menu, at);
    menu->close();
  }
  form.ChartMenu->ShowEverything(chart);
  form.SBarSampleFreq->setValue(10);
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
  written += SaveZoomedIntoOneStep(form, folder + QStringLiteral("/window_zoom_step_") + suffix + QStringLiteral(".png"));
  return written;
}
}  // namespace

bool RenderReadmePicture(const QString& file) {
  quantora::TFormStart start{Table(QStringLiteral("quantora.itl"))};
  start.showAbout = false;
  start.singleInstance = false;
  // Steps a student sees at once: the sine at 3 bits with its error curve.
  start.startValues = quantora::TStartValues{{quantora::TSignalForm::sfSine, 10, 3}, {true, true, true}};
  quantora::TForm1 form(start);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QCoreApplication::processEvents();  // the start-up sequence
  return form.grab().save(file);
}

int RenderWindows(const QString& folder) {
  return RenderLanguage(folder, QStringLiteral("quantora.itl"), QStringLiteral("en")) +
         RenderLanguage(folder, QStringLiteral("quantora.de.itl"), QStringLiteral("de"));
}

}  // namespace gallery
