// The charts' context menu in the main window, driven by real mouse and key
// events: it opens both ways, switches what the left button does, zooms with
// the history and keeps the two time axes in step; and its exports write files
// that open; its language submenu re-translates every window.
#include "app/ui/chart_menu.h"

#include <gtest/gtest.h>

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QMetaProperty>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/command_line.h"
#include "app/ui/aboutbox.h"
#include "app/ui/mainfrm.h"
#include "app/ui/spectrum_window.h"
#include "app/window_program.h"
#include "chart/rchart.h"
#include "shown_main_window.h"

namespace quantora {
namespace {

// The window with the English table.
using TWindow = TShownMainWindow;

// The open menu's action whose text, shortcut marker removed, is `text`.
QAction* Item(const TChartMenu& menu, const QString& text) {
  if (!menu.OpenMenu()) return nullptr;
  for (QAction* a : menu.OpenMenu()->actions())
    if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;
  return nullptr;
}

void Choose(TChartMenu& menu, vqm::TCustomRChart* chart, const QString& text) {
  menu.Open(chart, chart->mapToGlobal(chart->rect().center()));
  QAction* action = Item(menu, text);
  ASSERT_NE(action, nullptr) << text.toStdString();
  action->trigger();
  menu.OpenMenu()->close();
}

// A zoom window dragged with the left button between two data-area points.
void DragWindow(vqm::TCustomRChart* chart, QPoint from, QPoint to) {
  QTest::mousePress(chart, Qt::LeftButton, {}, from);
  QTest::mouseMove(chart, (from + to) / 2);
  QTest::mouseMove(chart, to);
  QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
}

std::pair<double, double> TimeRange(vqm::TCustomRChart* chart) {
  return {chart->ScaleX(1)->RangeLow(), chart->ScaleX(1)->RangeHigh()};
}

TEST(ChartMenuTest, OpensByRightClickAndMenuKeyAndSwitchesTheMouseMode) {
  TWindow w;
  TChartMenu& menu = *w.form.ChartMenu;
  // A right click as the platform reports it: the press, then the context-menu event.
  QTest::mousePress(w.form.RCSample, Qt::RightButton, {}, QPoint(200, 200));
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(200, 200), w.form.RCSample->mapToGlobal(QPoint(200, 200)));
  QApplication::sendEvent(w.form.RCSample, &click);
  QTest::mouseRelease(w.form.RCSample, Qt::RightButton, {}, QPoint(200, 200));
  ASSERT_NE(menu.OpenMenu(), nullptr);
  for (const char* text : {"Look only", "Zoom with a window", "Pan", "Zoom back", "Zoom forward", "Show everything",
                           "Link time axes", "Copy picture", "Save picture...", "Export data...", "Print..."})
    EXPECT_NE(Item(menu, QString::fromLatin1(text)), nullptr) << text;
  EXPECT_TRUE(Item(menu, QStringLiteral("Look only"))->isChecked());  // the design's default
  EXPECT_FALSE(Item(menu, QStringLiteral("Zoom back"))->isEnabled());
  menu.OpenMenu()->close();
  QApplication::processEvents();

  w.form.RCSig->setFocus();
  QTest::keyClick(w.form.RCSig, Qt::Key_Menu);
  ASSERT_NE(menu.OpenMenu(), nullptr);
  EXPECT_EQ(menu.OpenMenu()->parentWidget(), w.form.RCSig);
  menu.OpenMenu()->close();

  EXPECT_EQ(w.form.RCSig->MouseAction(), vqm::maNone);
  Choose(menu, w.form.RCSig, QStringLiteral("Zoom with a window"));
  EXPECT_EQ(w.form.RCSig->MouseAction(), vqm::maZoomWindPos);
  EXPECT_EQ(w.form.RCSample->MouseAction(), vqm::maNone);  // each chart its own mode
  Choose(menu, w.form.RCSig, QStringLiteral("Pan"));
  EXPECT_EQ(w.form.RCSig->MouseAction(), vqm::maPan);
}

TEST(ChartMenuTest, ZoomKeepsTheTimeAxesInStepAndTheHistoryGoesBack) {
  TWindow w;
  TChartMenu& menu = *w.form.ChartMenu;
  vqm::TCustomRChart* sampled = w.form.RCSample;
  vqm::TCustomRChart* analog = w.form.RCSig;
  const auto everything = TimeRange(sampled);
  const double analogLow = analog->ScaleY(1)->RangeLow();
  Choose(menu, sampled, QStringLiteral("Zoom with a window"));

  const int left = sampled->MarginLeft(), top = sampled->MarginTop();
  DragWindow(sampled, {left + 100, top + 100}, {left + 200, top + 150});
  const auto zoomed = TimeRange(sampled);
  EXPECT_GT(zoomed.first, everything.first);
  EXPECT_LT(zoomed.second, everything.second);
  EXPECT_EQ(TimeRange(analog), zoomed);                      // linked: the same time range
  EXPECT_EQ(analog->ScaleY(1)->RangeLow(), analogLow);       // with its own amplitudes
  EXPECT_LT(sampled->ScaleY(1)->RangeHigh() - sampled->ScaleY(1)->RangeLow(), 11.0);

  Choose(menu, sampled, QStringLiteral("Zoom back"));
  EXPECT_EQ(TimeRange(sampled), everything);
  EXPECT_EQ(TimeRange(analog), everything);
  Choose(menu, sampled, QStringLiteral("Zoom forward"));
  EXPECT_EQ(TimeRange(sampled), zoomed);
  Choose(menu, sampled, QStringLiteral("Show everything"));
  EXPECT_EQ(TimeRange(sampled), everything);
  EXPECT_EQ(sampled->ScaleY(1)->RangeHigh(), 5.5);

  Choose(menu, sampled, QStringLiteral("Link time axes"));  // now off
  EXPECT_FALSE(menu.TimeAxesLinked());
  DragWindow(sampled, {left + 100, top + 100}, {left + 200, top + 150});
  EXPECT_NE(TimeRange(sampled), everything);
  EXPECT_EQ(TimeRange(analog), everything);
  // The sampling marks stay to the design's 1000 ns whatever the zoom.
  w.form.SBarSampleFreq->setValue(200);
  EXPECT_EQ(analog->ItemCount(), 1 + 2048 + 5);
}

// At 16 bits the user zooms the sampled chart with the mouse, window after
// window (a quarter of the time, a sixteenth of the amplitudes), down to about
// one quantization step: at every depth the staircase is flat between vertical
// risers at sampling instants. The analog chart follows the time range.
TEST(ChartMenuTest, ZoomingInAt16BitsKeepsTheStaircaseExact) {
  TWindow w;
  w.form.SBarReso->setValue(16);
  vqm::TCustomRChart* sampled = w.form.RCSample;
  Choose(*w.form.ChartMenu, sampled, QStringLiteral("Zoom with a window"));
  const int left = sampled->MarginLeft(), top = sampled->MarginTop(), width = sampled->DataWidth();
  const int height = sampled->DataHeight();
  for (int depth = 1, risers = 0; depth <= 4; ++depth) {
    DragWindow(sampled, {left + width * 3 / 8, top + height * 15 / 32}, {left + width * 5 / 8, top + height * 17 / 32});
    for (int k = 2; k < sampled->ItemCount(); ++k) {
      const vqm::TChartItem& a = sampled->Item(k - 1);
      const vqm::TChartItem& b = sampled->Item(k);
      if (a.Y1 == b.Y1) continue;
      ++risers;
      ASSERT_EQ(a.X1, b.X1) << depth << " " << k;  // vertical, at an instant of T = 10 ns
      ASSERT_EQ(std::fmod(b.X1, 10.0), 0.0) << depth << " " << k;
    }
    EXPECT_GT(risers, 0);
  }
  EXPECT_LT(sampled->ScaleY(1)->RangeHigh() - sampled->ScaleY(1)->RangeLow(), 2 * 10.0 / 65535);  // two steps
  EXPECT_EQ(TimeRange(w.form.RCSig), TimeRange(sampled));
}

// By keyboard alone: the Menu key, "o" for the reconstructions, "b" for the
// band-limited one. At 10 ns and 16 bits its green curve is the grey analog
// sine again, within 1 % of the amplitude, over the middle half of the record.
TEST(ChartMenuTest, MenuKeyChoosesTheBandLimitedReconstructionWhichReturnsTheSine) {
  TWindow w;
  w.form.SBarReso->setValue(16);
  vqm::TCustomRChart* sampled = w.form.RCSample;
  sampled->setFocus();
  QTest::keyClick(sampled, Qt::Key_Menu);
  ASSERT_NE(w.form.ChartMenu->OpenMenu(), nullptr);
  QTest::keyClick(w.form.ChartMenu->OpenMenu(), Qt::Key_O);
  auto* ways = w.form.ChartMenu->OpenMenu()->findChild<QMenu*>(QStringLiteral("ReconstructionMenu"));
  ASSERT_TRUE(ways && ways->isVisible());
  QTest::keyClick(ways, Qt::Key_B);
  EXPECT_EQ(w.form.Reconstruction(), TReconstruction::rcBandLimited);
  std::vector<vqm::TChartItem> analog, rebuilt;
  for (int k = 0; k < sampled->ItemCount(); ++k)
    (sampled->Item(k).Color == vqm::clGreen ? rebuilt : analog).push_back(sampled->Item(k));
  ASSERT_EQ(rebuilt.size(), std::size_t(NumPoints));
  ASSERT_EQ(analog.size(), rebuilt.size());  // the grey copy only: the error is off
  int compared = 0;
  for (std::size_t i = 0; i < rebuilt.size(); ++i) {
    if (rebuilt[i].X1 < 250 || rebuilt[i].X1 > 750) continue;
    ASSERT_EQ(rebuilt[i].X1, analog[i].X1);
    EXPECT_NEAR(rebuilt[i].Y1, analog[i].Y1, 0.01 * 4.8) << rebuilt[i].X1;
    ++compared;
  }
  EXPECT_EQ(compared, NumPoints / 2 + 1);
  // The blue error is the analog signal less the curve: next to nothing in the middle.
  w.form.CBoxQNoise->setChecked(true);
  int small = 0;
  for (int k = 0; k < sampled->ItemCount(); ++k) {
    const vqm::TChartItem& item = sampled->Item(k);
    if (item.Color == vqm::clBlue && item.X1 >= 250 && item.X1 <= 750) small += std::fabs(item.Y1) < 0.01 * 4.8;
  }
  EXPECT_EQ(small, NumPoints / 2 + 1);
  // Zoomed, the curve is computed again over what the chart shows.
  w.form.ZoomTimeRange({300, 400});
  int green = 0;
  for (int k = 0; k < sampled->ItemCount(); ++k)
    green += sampled->Item(k).Color == vqm::clGreen && sampled->Item(k).X1 >= 300 && sampled->Item(k).X1 <= 400;
  EXPECT_GT(green, 100);
}

TEST(ChartMenuTest, LinkedAmplitudesStayEqualBothWaysAndTheErrorScaleIsNamed) {
  TWindow w;
  TChartMenu& menu = *w.form.ChartMenu;
  vqm::TCustomRChart* sampled = w.form.RCSample;
  auto amplitudes = [](vqm::TCustomRChart* c) { return std::pair{c->ScaleY(1)->RangeLow(), c->ScaleY(1)->RangeHigh()}; };
  Choose(menu, sampled, QStringLiteral("Link amplitudes"));
  for (vqm::TCustomRChart* chart : {sampled, static_cast<vqm::TCustomRChart*>(w.form.RCSig)}) {
    Choose(menu, chart, QStringLiteral("Zoom with a window"));
    DragWindow(chart, {chart->MarginLeft() + 60, chart->MarginTop() + 40}, {chart->MarginLeft() + 200, chart->MarginTop() + 90});
    EXPECT_NE(amplitudes(chart).second, 5.5);
    EXPECT_EQ(amplitudes(w.form.RCSig), amplitudes(sampled));
  }
  w.form.CBoxQNoise->setChecked(true);
  Choose(menu, sampled, QStringLiteral("Show everything"));
  w.form.SBarSampleFreq->setValue(1);  // an error small beside the amplitudes: magnified
  w.form.SBarReso->setValue(16);
  Choose(menu, sampled, QStringLiteral("Scale the error ×2^k"));
  EXPECT_TRUE(sampled->Scale2Y()->Visible());
  EXPECT_TRUE(sampled->Caption().startsWith(QStringLiteral("Sampled Signal (error ×2^"))) << sampled->Caption().toStdString();
  w.form.SBarReso->setValue(1);  // an error as large as the signal: magnified by nothing, no factor named
  EXPECT_EQ(sampled->Caption(), QStringLiteral("Sampled Signal (error)"));
  Choose(menu, sampled, QStringLiteral("Scale the error ×2^k"));
  EXPECT_EQ(sampled->Caption(), QStringLiteral("Sampled Signal"));
}

TEST(ChartMenuTest, ExportsWriteFilesThatOpen) {
  TWindow w;
  TChartMenu& menu = *w.form.ChartMenu;
  QTemporaryDir dir;
  std::string reason;
  const QString png = dir.filePath(QStringLiteral("chart.png"));
  ASSERT_TRUE(menu.SavePicture(w.form.RCSample, png, reason)) << reason;
  EXPECT_EQ(QImage(png).size(), w.form.RCSample->size());
  ASSERT_TRUE(menu.SavePicture(w.form.RCSample, png, reason, 1.5)) << reason;
  EXPECT_EQ(QImage(png).size(), w.form.RCSample->size() * 1.5);

  const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
  ASSERT_TRUE(menu.SavePicture(w.form.RCSample, pdf, reason)) << reason;
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
  const QByteArray words = text.readAllStandardOutput();
  EXPECT_TRUE(words.contains("Sampled Signal")) << words.toStdString();
  EXPECT_TRUE(words.contains("Time [ns]"));

  const QString csv = dir.filePath(QStringLiteral("series.csv"));
  w.form.SBarReso->setValue(16);
  ASSERT_TRUE(menu.ExportData(csv, reason)) << reason;
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> rows = file.readAll().split('\n');
  EXPECT_EQ(rows.size(), 2049 + 1);  // header, 2048 rows, and the final line end
  EXPECT_EQ(rows[0], "i,t_ns,analog_V,sampled_V,error_V");
  EXPECT_TRUE(rows[1].startsWith("1,0.48828125,"));

  EXPECT_FALSE(menu.ExportData(dir.filePath(QStringLiteral("no/such/dir.csv")), reason));
  EXPECT_FALSE(reason.empty());
}

// A right click on the chart, then `language` in the menu's `submenu`.
void ChooseLanguage(TChartMenu& menu, vqm::TCustomRChart* chart, const char* submenu, const char* language) {
  QTest::mouseMove(chart, {1, 1});  // a menu takes no hover near where the mouse was when it opened
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(9, 9), chart->mapToGlobal(QPoint(9, 9)));
  QApplication::sendEvent(chart, &click);
  QAction* open = Item(menu, QString::fromUtf8(submenu));
  ASSERT_TRUE(open && open->menu()) << submenu;
  QTest::mouseMove(menu.OpenMenu(), menu.OpenMenu()->actionGeometry(open).center());
  QTest::keyClick(menu.OpenMenu(), Qt::Key_Right);
  QAction* table = nullptr;
  for (QAction* a : open->menu()->actions()) table = a->text() == QLatin1String(language) ? a : table;
  ASSERT_TRUE(open->menu()->isVisible() && table) << language;
  ASSERT_TRUE(std::ranges::any_of(open->menu()->actions(), &QAction::isChecked) && !table->isChecked());
  QTest::mouseClick(open->menu(), Qt::LeftButton, {}, open->menu()->actionGeometry(table).center());
}

// Every text of every window (the menus: ChooseLanguage finds them in the language chosen last).
QStringList Texts(TForm1& form) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the menus closed so far
  QStringList texts;
  for (QObject* object : QObjectList{&form} + form.findChildren<QObject*>())
    for (int i = 0; i < object->metaObject()->propertyCount(); ++i) {
      const QMetaProperty p = object->metaObject()->property(i);
      if (p.metaType().id() == QMetaType::QString || p.metaType().id() == QMetaType::QStringList)
        texts << p.read(object).toStringList().join(QLatin1Char('|'));
    }
  return texts;
}

TEST(ChartMenuTest, LanguageSwitchesEveryWindowFromTheDesignTextsAndIsRemembered) {
  QTemporaryDir settings;  // never the user's own settings
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  TWindow w;
  w.form.LanguageFolders = {QStringLiteral(QUANTORA_TRANSLATION_TABLES)};
  TFrmAbout about(&w.form);
  w.form.SetAboutDialog(&about);
  QTest::keyClick(&w.form, Qt::Key_F, Qt::ControlModifier);  // the spectrum window open too
  ChooseLanguage(*w.form.Spectrum->ChartMenu, w.form.Spectrum->RCSpectrum, "Language", "Deutsch");
  EXPECT_EQ(w.form.Spectrum->windowTitle(), QStringLiteral("Spektrum des abgetasteten Signals"));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
  EXPECT_EQ(w.form.RCSample->Caption(), QStringLiteral("Abgetastetes Signal"));
  ChooseLanguage(*w.form.ChartMenu, w.form.RCSig, "Sprache", "English");
  const QStringList afterOne = Texts(w.form);
  for (int i = 0; i < 20; ++i) {
    ChooseLanguage(*w.form.ChartMenu, w.form.RCSig, "Language", "Deutsch");
    ChooseLanguage(*w.form.ChartMenu, w.form.RCSample, "Sprache", "English");
  }
  EXPECT_EQ(Texts(w.form), afterOne);
  ChooseLanguage(*w.form.ChartMenu, w.form.RCSample, "Language", "Deutsch");
  // The next start speaks German, unless its command line asks for English.
  const std::string_view english[] = {"--language", "en"};
  const TFormStart start = TWindow::Start("");
  EXPECT_EQ(CreateWindows({}, start).form->windowTitle(), "Analog-Digital-Wandlung");
  EXPECT_EQ(CreateWindows(ParseCommandLine(english), start).form->windowTitle(), "Analog/Digital Conversion");
}

// A choice that cannot be stored (the settings folder cannot be made) is said
// once, in a message box, and the window still switches.
TEST(ChartMenuTest, AChoiceThatCannotBeRememberedIsSaidOnce) {
  QTemporaryDir settings;
  const QString blocker = settings.filePath(QStringLiteral("a file"));
  QFile(blocker).open(QIODevice::WriteOnly);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker);  // no folder can be made under it
  TWindow w;
  w.form.LanguageFolders = {QStringLiteral(QUANTORA_TRANSLATION_TABLES)};
  QStringList said;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&said] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      said << box->text();
      box->done(0);
    }
  });
  closer.start(20);
  ChooseLanguage(*w.form.ChartMenu, w.form.RCSig, "Language", "Deutsch");
  ChooseLanguage(*w.form.ChartMenu, w.form.RCSig, "Sprache", "English");
  EXPECT_EQ(w.form.RCSample->Caption(), QStringLiteral("Sampled Signal"));
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].startsWith(QStringLiteral("Die Sprache kann nicht")) && said[0].contains(blocker))
      << said[0].toStdString();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}

// The tables are read once, and again only after a change.
TEST(ChartMenuTest, LanguageTablesAreReadOnceUntilTheyChange) {
  QTemporaryDir dir;
  for (const char* name : {"quantora.itl", "quantora.de.itl"})
    QFile::copy(QStringLiteral(QUANTORA_TRANSLATION_TABLES "/") + QLatin1String(name),
                dir.filePath(QLatin1String(name)));
  TLanguageTableCatalog catalog;
  const auto names = [&] {
    QStringList list;
    for (const TLanguageTable& t : catalog.Find({dir.path()})) list << t.name;
    return list;
  };
  EXPECT_EQ(names(), QStringList({"Deutsch", "English"}));
  EXPECT_EQ(names(), QStringList({"Deutsch", "English"}));
  EXPECT_EQ(catalog.TablesRead(), 2);
  QFile changed(dir.filePath(QStringLiteral("quantora.de.itl")));
  ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
  changed.write("[LanguageName]=Neu|$$");
  changed.close();
  EXPECT_EQ(names(), QStringList({"Neu", "English"}));
  EXPECT_EQ(catalog.TablesRead(), 3);
}

}  // namespace
}  // namespace quantora
