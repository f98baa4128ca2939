// The two windows of the program as a student sees them: the main window and
// the About dialog, filled as at start-up, in English and in German.
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "app/ui/aboutbox.h"
#include "app/ui/chain_window.h"
#include "app/ui/chart_menu.h"
#include "app/ui/mainfrm.h"
#include "app/ui/spectrum_window.h"
#include "app/ui/text_controls.h"
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

// Zooming in at 16 bits, T = 1 ns, on the sine's peak, in four steps down to
// 2 mV, the deepest the amplitude axes go: both charts keep the same time and
// amplitude ranges. Flat treads, vertical risers at the sampling instants and
// a grid at every depth. The last picture has the charts' menu open over the
// sampled chart.
int SaveZoomSequence(quantora::TForm1& form, const QString& folder, const QString& suffix) {
  struct TDepth {
    double from, to, low, high;
  };
  constexpr TDepth kDepths[] = {
      {20.0, 110.0, 3.0, 5.2}, {55.0, 70.0, 4.70, 4.81}, {60.5, 64.5, 4.7960, 4.8002}, {61.0, 64.0, 4.7980, 4.8000}};
  form.SBarSampleFreq->setValue(1);
  form.SBarReso->setValue(16);
  form.ChartMenu->SetAmplitudesLinked(true);
  int written = 0, depth = 0;
  QPixmap picture;
  for (const TDepth& d : kDepths) {
    for (vqm::TRChart* chart : {form.RCSample, form.RCSig})
      chart->SetLayerRange(1, d.from, d.low, d.to, d.high, true);
    picture = form.grab();
    if (++depth < int(std::size(kDepths)))
      written += picture.save(folder + QStringLiteral("/window_zoom_%1_").arg(depth) + suffix + QStringLiteral(".png"));
  }
  vqm::TCustomRChart* chart = form.RCSample;
  const QPoint at = chart->mapTo(&form, QPoint(chart->width() / 2, chart->height() / 2));
  if (QMenu* menu = form.ChartMenu->Open(chart, chart->mapToGlobal(QPoint(chart->width() / 2, chart->height() / 2)))) {
    DrawPopup(picture, *menu, at);
    menu->close();
  }
  written += picture.save(folder + QStringLiteral("/window_zoom_step_") + suffix + QStringLiteral(".png"));
  // The error at that depth: magnified on its own axis, the factor in the caption.
  form.CBoxQNoise->setChecked(true);
  form.ChartMenu->SetErrorScaled(true);
  form.Recompute();
  written += form.grab().save(folder + QStringLiteral("/window_zoom_error_") + suffix + QStringLiteral(".png"));
  form.ChartMenu->SetErrorScaled(false);
  form.CBoxQNoise->setChecked(false);
  form.ChartMenu->SetAmplitudesLinked(false);
  form.ChartMenu->ShowEverything(form.RCSig);
  form.ChartMenu->ShowEverything(chart);
  form.SBarSampleFreq->setValue(10);
  form.SBarReso->setValue(8);
  return written;
}

// The spectrum window at three settings: the sine well sampled (its figures
// beside the rule), the sine sampled below its Nyquist rate (the 4 MHz line
// folded back from fs/2), and the three-term sine with two of its components
// folded. The main window goes back to its start values.
int SaveSpectra(quantora::TForm1& form, const QString& folder, const QString& suffix) {
  struct TSetting {
    int wave, interval, bits;
    const char* name;
  };
  const TSetting settings[] = {{0, 25, 7, "sine_25ns"}, {0, 150, 8, "sine_150ns"}, {1, 40, 8, "3term_40ns"}};
  form.OpenSpectrum();
  form.Spectrum->setAttribute(Qt::WA_DontShowOnScreen);
  int written = 0;
  for (const TSetting& s : settings) {
    form.CBoxSignalForm->setCurrentIndex(s.wave);
    form.SBarSampleFreq->setValue(s.interval);
    form.SBarReso->setValue(s.bits);
    form.Recompute();
    // The spectrum window shows a new setting once the event loop reaches it.
    QCoreApplication::sendPostedEvents(form.Spectrum);
    written += form.Spectrum->grab().save(folder + QStringLiteral("/window_spectrum_") + QLatin1String(s.name) +
                                          QLatin1Char('_') + suffix + QStringLiteral(".png"));
  }
  form.Spectrum->close();
  form.CBoxSignalForm->setCurrentIndex(0);
  form.SBarSampleFreq->setValue(10);
  form.SBarReso->setValue(8);
  return written;
}

// The "Signal and converter" window with a few imperfections on (jitter,
// a gain error, triangular dither); the main window goes back to the ideal chain.
bool SaveChainWindow(quantora::TForm1& form, const QString& file) {
  quantora::TChainSettings chain;
  chain.imperfections.jitterPs = 100;
  chain.imperfections.gainErrorPercent = -1.5;
  chain.dither.kind = quantora::TDitherKind::dkTriangular;
  form.SetChain(chain);
  quantora::TChainWindow* window = form.OpenChainWindow();
  window->setAttribute(Qt::WA_DontShowOnScreen);
  const bool saved = window->grab().save(file);
  window->close();
  form.SetChain({});
  return saved;
}

// The sampled chart with each reconstruction other than the staircase, the
// error on: straight lines, the sinc sum below fs/2 (the sine again) and above
// it (the alias), the low-pass filter with its delay. The window goes back to
// the staircase without the error.
int SaveReconstructions(quantora::TForm1& form, const QString& folder, const QString& suffix) {
  struct TShown {
    quantora::TReconstruction kind;
    int interval;
    const char* name;
  };
  const TShown shown[] = {{quantora::TReconstruction::rcLinear, 40, "linear_40ns"},
                          {quantora::TReconstruction::rcBandLimited, 40, "sinc_40ns"},
                          {quantora::TReconstruction::rcBandLimited, 150, "sinc_150ns"},
                          {quantora::TReconstruction::rcFilter, 40, "filter_40ns"}};
  form.CBoxQNoise->setChecked(true);
  int written = 0;
  for (const TShown& s : shown) {
    form.SBarSampleFreq->setValue(s.interval);
    form.SetReconstruction(s.kind);
    written += form.grab().save(folder + QStringLiteral("/window_reconstruction_") + QLatin1String(s.name) +
                                QLatin1Char('_') + suffix + QStringLiteral(".png"));
  }
  form.SetReconstruction(quantora::TReconstruction::rcHold);
  form.CBoxQNoise->setChecked(false);
  form.SBarSampleFreq->setValue(10);
  return written;
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
  written += SaveZoomSequence(form, folder, suffix);
  written += SaveSpectra(form, folder, suffix);
  written += SaveChainWindow(form, folder + QStringLiteral("/window_chain_") + suffix + QStringLiteral(".png"));
  written += SaveReconstructions(form, folder, suffix);
  return written;
}

// The window under a dark high-contrast palette of the desktop's, the keyboard
// focus on the sampled chart: faces and their texts take the desktop's colours,
// the charts and the explanation keep the design's.
int RenderHighContrast(const QString& folder) {
  const QPalette original = QApplication::palette();
  QPalette dark(Qt::white, Qt::black, Qt::white, Qt::darkGray, Qt::gray, Qt::white, Qt::white, Qt::black, Qt::black);
  dark.setColor(QPalette::Highlight, Qt::yellow);
  dark.setColor(QPalette::HighlightedText, Qt::black);
  QApplication::setPalette(dark);
  quantora::TFormStart start{Table(QStringLiteral("quantora.itl"))};
  start.showAbout = false;
  quantora::TForm1 form(start);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QCoreApplication::processEvents();  // the start-up sequence
  QApplication::setActiveWindow(&form);
  form.RCSample->setFocus();
  const bool saved = form.grab().save(folder + QStringLiteral("/window_high_contrast_en.png"));
  QApplication::setPalette(original);
  return saved;
}
}  // namespace

std::unique_ptr<quantora::TForm1> ShownOffScreen(quantora::TFormStart start) {
  start.showAbout = false;
  start.singleInstance = false;
  auto form = std::make_unique<quantora::TForm1>(start);
  form->setAttribute(Qt::WA_DontShowOnScreen);
  form->show();
  QCoreApplication::processEvents();  // the start-up sequence
  return form;
}

bool RenderReadmePicture(const QString& file) {
  quantora::TFormStart start{Table(QStringLiteral("quantora.itl"))};
  // Steps a student sees at once: the sine at 3 bits with its error curve.
  start.startValues = quantora::TStartValues{{quantora::TSignalForm::sfSine, 10, 3, {}}, {true, true, true}};
  return ShownOffScreen(start)->grab().save(file);
}

int RenderWindows(const QString& folder) {
  return RenderLanguage(folder, QStringLiteral("quantora.itl"), QStringLiteral("en")) +
         RenderLanguage(folder, QStringLiteral("quantora.de.itl"), QStringLiteral("de")) + RenderHighContrast(folder);
}

}  // namespace gallery
