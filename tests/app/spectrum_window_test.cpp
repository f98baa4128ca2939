// The spectrum window driven as a student drives it: opened with Ctrl+F and
// from the charts' menu, it follows the interval scroll bar at once (the sine's
// line folds back from fs/2) and its own menu exports the spectra.
#include "app/ui/spectrum_window.h"

#include <gtest/gtest.h>

#include <tuple>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "app/ui/chart_menu.h"
#include "app/ui/linearity_page.h"
#include "app/ui/mainfrm.h"
#include "app/ui/text_controls.h"
#include "hostlink/demon_client.h"
#include "chart/rchart.h"
#include "shown_main_window.h"

namespace quantora {
namespace {

// The frequency of the sampled spectrum's strongest bin, in MHz.
double StrongestLine(const TSpectrumWindow& w) {
  const std::vector<double>& dbfs = w.Result().sampled.dbfs;
  return double(std::max_element(dbfs.begin(), dbfs.end()) - dbfs.begin()) * w.Result().sampledBinMHz;
}

// The open menu's item whose text, accelerator marker removed, is `text`.
QAction* Item(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;
  return nullptr;
}

QMenu* RightClick(TChartMenu& menu, vqm::TCustomRChart* chart) {
  const QPoint at = chart->rect().center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, chart->mapToGlobal(at));
  QApplication::sendEvent(chart, &click);
  return menu.OpenMenu();
}

TEST(SpectrumWindowTest, OpensFollowsTheIntervalAndExports) {
  TShownMainWindow w("quantora.de.itl");
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(w.form.Spectrum);
  TSpectrumWindow& spectrum = *w.form.Spectrum;
  EXPECT_EQ(spectrum.windowTitle(), QStringLiteral("Spektrum des abgetasteten Signals"));  // the German table
  EXPECT_DOUBLE_EQ(StrongestLine(spectrum), 4.0);
  EXPECT_DOUBLE_EQ(spectrum.RCSpectrum->Scale1X()->RangeHigh(), 62.5);  // fs/2 = 50 MHz and a quarter
  EXPECT_TRUE(spectrum.MMFigures->toPlainText().contains(QStringLiteral("SINAD")));

  // The interval to its end, 200 ns (fs 5 MHz): the 4 MHz line lands at 1 MHz.
  w.form.SBarSampleFreq->setFocus();
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_End);
  ASSERT_EQ(w.form.SBarSampleFreq->value(), 200);
  EXPECT_DOUBLE_EQ(StrongestLine(spectrum), 1.0);
  EXPECT_DOUBLE_EQ(spectrum.RCSpectrum->Scale1X()->RangeHigh(), 12.0);  // 4 MHz, its alias and fs/2

  // Closed, then opened again from the main charts' menu, which the spectrum's
  // own menu leaves out, as it leaves out linking time axes.
  spectrum.close();
  QMenu* menu = RightClick(*w.form.ChartMenu, w.form.RCSig);
  ASSERT_NE(menu, nullptr);
  QAction* open = Item(menu, QStringLiteral("Spektrum..."));
  ASSERT_NE(open, nullptr);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(open).center());
  EXPECT_TRUE(spectrum.isVisible());
  QMenu* own = RightClick(*spectrum.ChartMenu, spectrum.RCSpectrum);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(Item(own, QStringLiteral("Spektrum...")), nullptr);
  EXPECT_EQ(Item(own, QStringLiteral("Zeitachsen koppeln")), nullptr);
  own->close();
  QTemporaryDir dir;
  std::string reason;
  const QString path = dir.filePath(QStringLiteral("s.csv"));
  ASSERT_TRUE(spectrum.ChartMenu->ExportData(path, reason)) << reason;
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readLine().trimmed(), "frequency_MHz,sampled_dBFS,analog_dBFS");
  EXPECT_EQ(file.readLine().split(',').size(), 3);
}

TEST(SpectrumWindowTest, ABurstOfChangesPaintsOnceInTheEventLoop) {
  TShownMainWindow w;
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(w.form.Spectrum);
  TSpectrumWindow& spectrum = *w.form.Spectrum;
  int paints = 0;
  spectrum.RCSpectrum->OnScalesRendered = [&paints](QObject*, vqm::TCanvas*&, int, int) { ++paints; };
  for (int press = 0; press < 5; ++press) QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_Right);
  EXPECT_DOUBLE_EQ(spectrum.Result().nyquistMHz, 1000.0 / 15 / 2);
  EXPECT_EQ(paints, 0);
  QCoreApplication::sendPostedEvents(&spectrum);  // the one showing posted for the burst
  EXPECT_EQ(paints, 1);
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_Right);  // a single change is shown too
  QCoreApplication::sendPostedEvents(&spectrum);
  EXPECT_EQ(paints, 2);
  // Above fs/2: the images, the hold's dashed envelope and the filter's dotted gain, a line through each point.
  int images = 0, envelope = 0, filter = 0;
  for (int k = 0; k < spectrum.RCSpectrum->ItemCount(); ++k) {
    const vqm::TChartItem& item = spectrum.RCSpectrum->Item(k);
    images += item.Color == vqm::clPurple && item.PenStyle == vqm::psSolid;
    envelope += item.Color == vqm::clPurple && item.PenStyle == vqm::psDash;
    filter += item.Color == vqm::clTeal && item.PenStyle == vqm::psDot;
  }
  const THeldImages& held = spectrum.Result().held;
  EXPECT_EQ(std::tuple(images, envelope, filter),
            std::tuple(int(held.images.size()), int(held.envelope.size()), int(held.filter.size())));
}

// At 1 ns the sine's line stands clear of the axis; a zoom stays while the new
// band holds it, else the chart starts on the new band.
TEST(SpectrumWindowTest, StartsOnTheSignalsBandAndKeepsAZoomThatFits) {
  TShownMainWindow w;
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);
  TSpectrumWindow& spectrum = *w.form.Spectrum;
  vqm::TRChart& chart = *spectrum.RCSpectrum;
  w.form.SBarSampleFreq->setFocus();
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_Home);
  ASSERT_EQ(w.form.SBarSampleFreq->value(), 1);
  int axis = 0, line = 0, y = 0;
  chart.WorldToPixel(1, 0, 0, axis, y);
  chart.WorldToPixel(1, 4, 0, line, y);
  EXPECT_GT(line - axis, 150);
  ASSERT_TRUE(chart.CanZoomBack());  // to the whole band, 2500 MHz
  chart.SetLayerRange(1, 2, -100, 30, 0, true);  // as a zoom by the mouse does
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_Right);  // 2 ns: 0 .. 1250 MHz holds it
  EXPECT_EQ(std::pair(chart.Scale1X()->RangeLow(), chart.Scale1X()->RangeHigh()), std::pair(2.0, 30.0));
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_End);  // 200 ns: 0 .. 12.5 MHz does not
  EXPECT_EQ(std::pair(chart.Scale1X()->RangeLow(), chart.Scale1X()->RangeHigh()), std::pair(0.0, 12.0));
  ASSERT_TRUE(chart.ZoomBack());
  EXPECT_DOUBLE_EQ(chart.Scale1X()->RangeHigh(), 12.5);
}

// A host's quit frees the host link and its translator: the window goes with
// them, and the showing it had posted never reads the freed texts.
TEST(SpectrumWindowTest, ClosesWithTheOwnerOfItsTexts) {
  TShownMainWindow w;
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_Right);  // a showing posted
  ASSERT_TRUE(w.form.Spectrum && w.form.cliDemon);
  delete w.form.cliDemon.data();
  EXPECT_TRUE(w.form.Spectrum.isNull());
  QCoreApplication::sendPostedEvents();
}

// The linearity page is measured only once shown (the tabs' arrow keys reach it), then
// follows a new resolution; the summary is in the window's language.
TEST(SpectrumWindowTest, LinearityPageMeasuresWhenShownAndFollows) {
  TShownMainWindow w("quantora.de.itl");
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);
  TSpectrumWindow& spectrum = *w.form.Spectrum;
  EXPECT_TRUE(spectrum.Linearity->Rows().empty());
  EXPECT_EQ(spectrum.PCPages->tabText(1), QStringLiteral("Statische Linearität"));
  spectrum.PCPages->tabBar()->setFocus();
  QTest::keyClick(spectrum.PCPages->tabBar(), Qt::Key_Right);
  ASSERT_EQ(spectrum.PCPages->currentWidget(), spectrum.Linearity);
  EXPECT_EQ(spectrum.Linearity->Rows().size(), 256u);
  EXPECT_TRUE(spectrum.Linearity->MMLinearity->toPlainText().contains(QStringLiteral("0 fehlende Codes")));
  QTest::keyClick(w.form.SBarReso, Qt::Key_Left);  // 7 bits
  QCoreApplication::sendPostedEvents(spectrum.Linearity);
  EXPECT_EQ(spectrum.Linearity->Rows().size(), 128u);
}

// The chart and the figures each show a mark while they have the focus.
TEST(SpectrumWindowTest, FocusIsMarked) {
  TShownMainWindow w;
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);
  TSpectrumWindow& spectrum = *w.form.Spectrum;
  for (QWidget* control : {static_cast<QWidget*>(spectrum.RCSpectrum), static_cast<QWidget*>(spectrum.MMFigures)}) {
    auto edge = [&] {
      QCoreApplication::processEvents();
      const QPoint at = control->mapTo(&spectrum, QPoint(0, control->height() / 2));
      return QGuiApplication::primaryScreen()->grabWindow(spectrum.winId()).toImage().pixel(at);
    };
    control->setFocus();
    const QRgb focused = edge();
    spectrum.setFocus();
    EXPECT_NE(focused, edge()) << control->objectName().toStdString();
  }
}

}  // namespace
}  // namespace quantora
