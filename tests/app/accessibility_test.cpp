// The main window for screen readers and under a desktop's high-contrast palette.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QScrollBar>
#include <QTest>

#include "app/ui/design.h"
#include "app/ui/panel.h"
#include "app/ui/spectrum_window.h"
#include "app/ui/text_controls.h"
#include "chart/rchart.h"
#include "numlab/numlab.h"
#include "shown_main_window.h"

namespace quantora {
namespace {

QString Said(QWidget* w, QAccessible::Text t) { return QAccessible::queryAccessibleInterface(w)->text(t); }

// Read-outs say their value with the unit; a chart's description follows a
// zoom; a language switch renames the controls from the design texts.
TEST(AccessibleControls, SayValuesAndFollowZoomAndLanguage) {
  TShownMainWindow w;
  TForm1& f = w.form;
  QTest::keyClick(f.SBarSampleFreq, Qt::Key_Left);  // 9 ns
  EXPECT_EQ(Said(f.NLabSampleFreq, QAccessible::Value), QStringLiteral("111.11 MHz"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(f.NLabSampleTime)->textInterface()->text(0, -1), "9.0 ns");
  EXPECT_EQ(Said(f.NLabReso, QAccessible::Name), QStringLiteral("Resolution"));
  f.ZoomTimeRange({100, 300});
  EXPECT_TRUE(Said(f.RCSample, QAccessible::Description)
                  .endsWith(QStringLiteral("Time [ns] 100 \u2026 300, Amplitude [V] -5.5 \u2026 5.5")));
  vqm::TRChart bare;  // without a description of its own it says its ranges alone
  EXPECT_FALSE(Said(&bare, QAccessible::Description).startsWith(QLatin1Char('.')));
  f.LanguageTable = [](const std::string&) { return QStringLiteral(QUANTORA_TRANSLATION_TABLES "/quantora.de.itl"); };
  ASSERT_TRUE(f.ChangeLanguage("de"));
  EXPECT_EQ(Said(f.SBarReso, QAccessible::Name), QStringLiteral("Aufl\u00F6sung in Bit"));
  EXPECT_EQ(Said(f.RCSig, QAccessible::Name), QStringLiteral("Originalsignal"));
  EXPECT_TRUE(Said(f.RCSig, QAccessible::Description).endsWith(QStringLiteral("Zeit [ns] 100 \u2026 300, Amplitude [V] -5.5 \u2026 5.5")));
  f.OpenSpectrum();
  EXPECT_EQ(Said(f.Spectrum->MMFigures, QAccessible::Name), QStringLiteral("Kennwerte des Spektrums"));
}

int PixelsOf(const QImage& shot, QRect area, QColor color) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += shot.pixelColor(x, y) == color;
  return n;
}

// A dark high-contrast palette reaches what the design leaves to the desktop
// (faces, their text, the focus colour), fixed colours stay, texts stay
// legible; the standard palette brings the classic pixels back.
TEST(DesktopPalette, DarkHighContrastReachesTheWindowAndFixedColoursStay) {
  TShownMainWindow w;
  TForm1& f = w.form;
  const QPalette original = QApplication::palette();
  QPalette dark(Qt::white, Qt::black, Qt::white, Qt::gray, Qt::gray, Qt::white, Qt::white, Qt::black, Qt::black);
  dark.setColor(QPalette::Highlight, Qt::yellow);
  QApplication::setPalette(dark);
  f.RCSig->setFocus();
  const QImage shot = f.grab().toImage();
  auto area = [&f](QWidget* w, QRect r) { return QRect(w->mapTo(&f, r.topLeft()), r.size()); };
  const QRect caption = area(f.NLabSampleFreq, {0, 0, 75, f.NLabSampleFreq->height()});
  EXPECT_GT(PixelsOf(shot, caption, Qt::white), 10);  // "f(sample) =" in the desktop's text colour
  EXPECT_EQ(shot.pixelColor(f.Panel7->mapTo(&f, QPoint(f.Panel7->width() - 4, 30))), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(f.Panel2->mapTo(&f, QPoint(0, 40))), QColor(Qt::yellow));  // the focused chart's ring
  EXPECT_EQ(shot.pixelColor(f.RCSig->mapTo(&f, QPoint(3, 3))), DesignColor(f.RCSig->WindColor()));
  const QRect memo = area(f.MMExplain, {4, 4, 300, 20});
  EXPECT_GT(PixelsOf(shot, memo, DesignColor(vqm::clCream)), 1000);  // fixed: stays
  EXPECT_GT(PixelsOf(shot, memo, Qt::black), 10);                     // its text legible on it
  QApplication::setPalette(original);
  EXPECT_EQ(f.grab().toImage().pixelColor(f.Panel7->mapTo(&f, QPoint(f.Panel7->width() - 4, 30))), QColor(240, 240, 240));
}

}  // namespace
}  // namespace quantora
