// The spectrum window driven as a student drives it: opened with Ctrl+F and
// from the charts' menu, it follows the interval scroll bar at once (the sine's
// line folds back from fs/2) and its own menu exports the spectra.
#include "app/ui/spectrum_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "app/ui/chart_menu.h"
#include "app/ui/mainfrm.h"
#include "app/ui/text_controls.h"
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
  EXPECT_DOUBLE_EQ(spectrum.RCSpectrum->Scale1X()->RangeHigh(), 250.0);  // 2.5 fs at 10 ns
  EXPECT_TRUE(spectrum.MMFigures->toPlainText().contains(QStringLiteral("SINAD")));

  // The interval to its end, 200 ns (fs 5 MHz): the 4 MHz line lands at 1 MHz.
  w.form.SBarSampleFreq->setFocus();
  QTest::keyClick(w.form.SBarSampleFreq, Qt::Key_End);
  ASSERT_EQ(w.form.SBarSampleFreq->value(), 200);
  EXPECT_DOUBLE_EQ(StrongestLine(spectrum), 1.0);
  EXPECT_DOUBLE_EQ(spectrum.RCSpectrum->Scale1X()->RangeHigh(), 12.5);

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
}

}  // namespace
}  // namespace quantora
