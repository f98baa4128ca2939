// The main window by real key events: focus marks on the Tab path, a chart's zoom
// and pan keys, Ctrl+I's typed interval and resolution, Ctrl+L's sound, no
// repeated mnemonic.
#include <gtest/gtest.h>

#include <array>

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/ui/chart_menu.h"
#include "app/ui/listening.h"
#include "app/ui/sound_player.h"
#include "app/ui/panel.h"
#include "app/ui/setting_dialog.h"
#include "app/ui/text_controls.h"
#include "chart/rchart.h"
#include "numlab/numlab.h"
#include "shown_main_window.h"

namespace quantora {
namespace {

TEST(Keyboard, EveryControlOnTheTabPathShowsItsFocusFromTheStart) {
  TShownMainWindow w;
  TForm1& f = w.form;
  for (QWidget* control : std::initializer_list<QWidget*>{f.CBoxSignalForm, f.BButAbout, f.BButExit, f.RCSig,
                                                         f.RCSample, f.SBarSampleFreq, f.CBoxShowSamples, f.SBarReso,
                                                         f.CBoxSample, f.CBoxQNoise, f.MMExplain}) {
    ASSERT_EQ(QApplication::focusWidget(), control);  // the list has it at start
    QWidget* marked = control == f.RCSig ? f.Panel2 : control == f.RCSample ? f.Panel3 : control;  // a chart's panel
    const QImage focused = marked->grab().toImage();
    QTest::keyClick(control, Qt::Key_Tab);
    EXPECT_NE(marked->grab().toImage(), focused) << control->objectName().toStdString();
  }
}

TEST(Keyboard, PlusMinusAndArrowsZoomAndPanAFocusedChartOneHistoryStepEach) {
  TShownMainWindow w;
  vqm::TRChart* chart = w.form.RCSample;
  chart->setFocus(Qt::TabFocusReason);
  using TRanges = std::array<double, 4>;  // time low, high, amplitude low, high
  auto expectRanges = [chart](const TRanges& want) {
    const TRanges shown{chart->ScaleX(1)->RangeLow(), chart->ScaleX(1)->RangeHigh(), chart->ScaleY(1)->RangeLow(),
                        chart->ScaleY(1)->RangeHigh()};
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(shown[i], want[i], 1e-9) << i;
  };
  const std::pair<Qt::Key, TRanges> steps[] = {
      {Qt::Key_Plus, {250, 750, -2.75, 2.75}}, {Qt::Key_Right, {300, 800, -2.75, 2.75}},
      {Qt::Key_Up, {300, 800, -2.2, 3.3}},     {Qt::Key_Minus, {50, 1050, -4.95, 6.05}},
      {Qt::Key_Left, {-50, 950, -4.95, 6.05}}, {Qt::Key_Down, {-50, 950, -6.05, 4.95}}};
  for (const auto& [key, ranges] : steps) {
    QTest::keyClick(chart, key);
    SCOPED_TRACE(key);
    expectRanges(ranges);
    EXPECT_EQ(w.form.RCSig->ScaleX(1)->RangeLow(), chart->ScaleX(1)->RangeLow());  // the linked time axis
  }
  for (std::size_t back = 0; back < std::size(steps); ++back) QTest::keyClick(chart, Qt::Key_Backspace);
  expectRanges({0, 1000, -5.5, 5.5});
}

// Tests run without a sound device as a rule: Ctrl+L must then come back at
// once with a message that says so, the window free. Where a device plays, the
// message cannot be seen; a second press stops the sound instead.
TEST(Keyboard, CtrlLPlaysTheSoundOrSaysAtOnceWhyItCannot) {
  TShownMainWindow w;
  QElapsedTimer clock;
  clock.start();
  QTest::keyClick(&w.form, Qt::Key_L, Qt::ControlModifier);
  EXPECT_LT(clock.elapsed(), 5000);
  if (w.form.Listening->Player().Playing()) {
    QTest::keyClick(&w.form, Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(w.form.Listening->Player().Playing());
    GTEST_SKIP() << "a sound device plays here, so the message for a missing one cannot be shown";
  }
  QMessageBox* message = w.form.Listening->Message();
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(message->isVisible());
  EXPECT_TRUE(message->text().contains(QLatin1String("sound device"))) << message->text().toStdString();
}

void TypeInto(QLineEdit* edit, const char* text) {  // in place of what is there
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

TEST(Keyboard, CtrlITakesATypedIntervalAndResolutionAndNamesAValueOutOfRange) {
  TShownMainWindow w;
  TForm1& f = w.form;
  QTest::keyClick(&f, Qt::Key_I, Qt::ControlModifier);
  auto* dialog = f.findChild<TSettingDialog*>();
  ASSERT_NE(dialog, nullptr);
  struct TEntry { const char *interval, *bits, *problem; };  // the problem's start; none: applied
  for (const TEntry& e : {TEntry{"0", "12", "The interval"}, TEntry{"7.5", "12", "The interval"},
                          TEntry{"abc", "12", "The interval"}, TEntry{"25", "17", "The resolution"},
                          TEntry{" 25 ", "12", nullptr}}) {
    TypeInto(dialog->EditInterval, e.interval);
    TypeInto(dialog->EditBits, e.bits);
    QTest::keyClick(dialog->EditBits, Qt::Key_Return);
    if (e.problem) {
      EXPECT_TRUE(dialog->LblProblem->text().startsWith(QLatin1String(e.problem))) << e.interval << " " << e.bits;
      EXPECT_TRUE(dialog->isVisible() && f.SBarSampleFreq->value() == 10);  // still open, nothing applied
    }
  }
  EXPECT_FALSE(dialog->isVisible());  // taken: closed
  EXPECT_EQ(std::pair(f.SBarSampleFreq->value(), f.SBarReso->value()), std::pair(25, 12));
  EXPECT_EQ(f.NLabSampleTime->ValueText(), QStringLiteral("25.0"));
}

// Within each menu and submenu, in every shipped language, no two entries
// share a mnemonic, and every entry of the chart menu has one.
void ExpectUniqueMnemonics(const QMenu& menu, bool everyEntry) {
  QList<QKeySequence> seen;
  for (const QAction* a : menu.actions()) {
    if (a->isSeparator()) continue;
    const QKeySequence key = QKeySequence::mnemonic(a->text());
    EXPECT_TRUE(!everyEntry || !key.isEmpty()) << a->text().toStdString();
    EXPECT_TRUE(key.isEmpty() || !seen.contains(key)) << a->text().toStdString();
    seen << key;
    if (a->menu()) ExpectUniqueMnemonics(*a->menu(), false);
  }
}

TEST(Keyboard, ChartMenuMnemonicsAreUniqueInEveryShippedLanguage) {
  const QStringList tables = QDir(QStringLiteral(QUANTORA_TRANSLATION_TABLES)).entryList({QStringLiteral("*.itl")});
  ASSERT_GE(tables.size(), 2);
  for (const QString& table : tables) {
    SCOPED_TRACE(table.toStdString());
    TShownMainWindow w(table.toLatin1().constData());
    ASSERT_NE(w.form.ChartMenu->Open(w.form.RCSample, QPoint(100, 100)), nullptr);
    ExpectUniqueMnemonics(*w.form.ChartMenu->OpenMenu(), true);
  }
}

}  // namespace
}  // namespace quantora
