// The "Signal and converter" window by real events: Ctrl+K opens it, an
// amplitude typed past 5 V clips the staircase, the button restores the ideal
// chain; its mnemonics are unique in every shipped language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <algorithm>

#include "app/ui/chain_window.h"
#include "app/ui/setting_row.h"
#include "chart/rchart.h"
#include "shown_main_window.h"

namespace quantora {
namespace {

// The largest value the chart's curve reaches (its items after the first MoveTo).
double Highest(const vqm::TRChart& chart) {
  double highest = -1e300;
  for (int i = 1; i <= 2048; ++i) highest = std::max(highest, chart.Item(i).Y1);
  return highest;
}

TEST(ChainWindow, TypedAmplitudePastFiveVoltsClipsTheStaircaseAndTheButtonRestoresTheIdealChain) {
  TShownMainWindow w;
  TForm1& f = w.form;
  QTest::keyClick(&f, Qt::Key_K, Qt::ControlModifier);
  TChainWindow* window = f.ChainWindow;
  ASSERT_TRUE(window && window->isVisible());
  QApplication::setActiveWindow(window);  // as the window manager does; off screen nothing does
  QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);  // the label hands on to its spin box
  ASSERT_EQ(QApplication::focusWidget(), window->Amplitude->Spin);
  QTest::keyClick(window->Amplitude->Spin, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(window->Amplitude->Spin, QStringLiteral("7.5"));
  EXPECT_EQ(f.CurrentInputs().settings.chain.generator.amplitudeV, 7.5);
  EXPECT_EQ(window->Amplitude->Slider->value(), 750);
  EXPECT_NEAR(Highest(*f.RCSig), 7.5, 0.01);  // the analog sine goes past the converter's range
  EXPECT_EQ(Highest(*f.RCSample), 5.0);       // the staircase stops at its top level
  EXPECT_NEAR(f.RCSig->ScaleY(1)->RangeHigh(), 7.5 + 1.5, 0.01);  // the analog chart widened to the whole sine

  window->SpinSeed->setValue(77);
  QTest::mouseClick(window->BButIdeal, Qt::LeftButton);
  EXPECT_EQ(f.CurrentInputs().settings.chain, TChainSettings{});
  EXPECT_EQ(window->Chain(), TChainSettings{});
  EXPECT_LT(Highest(*f.RCSample), 4.9);
  EXPECT_EQ(f.RCSig->ScaleY(1)->RangeHigh(), 5.5);  // and back to the design's range
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST(ChainWindow, MnemonicsAreUniqueInEveryShippedLanguage) {
  const QStringList tables = QDir(QStringLiteral(QUANTORA_TRANSLATION_TABLES)).entryList({QStringLiteral("*.itl")});
  ASSERT_GE(tables.size(), 2);
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German));  // the numbers keep the program's '.' all the same
  for (const QString& table : tables) {
    TShownMainWindow w(table.toLatin1().constData());
    EXPECT_EQ(w.form.OpenChainWindow()->Amplitude->Spin->text(), QStringLiteral("4.800 V"));
    QList<QKeySequence> seen;
    for (const QString& text : [&] {
           QStringList texts;
           for (const QLabel* l : w.form.OpenChainWindow()->findChildren<QLabel*>())
             if (l->buddy()) texts << l->text();
           for (const QAbstractButton* b : w.form.ChainWindow->findChildren<QAbstractButton*>()) texts << b->text();
           return texts;
         }()) {
      const QKeySequence key = QKeySequence::mnemonic(text);
      EXPECT_FALSE(key.isEmpty() || seen.contains(key)) << table.toStdString() << ": " << text.toStdString();
      seen << key;
    }
  }
  QLocale::setDefault(before);
}

}  // namespace
}  // namespace quantora
