#include "app/ui/mainfrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "app/ui/aboutbox.h"
#include "app/ui/data_files.h"
#include "app/ui/panel.h"
#include "app/ui/running_text.h"
#include "app/ui/text_controls.h"
#include "app/window_program.h"
#include "chart/rchart.h"
#include "drawbase/image_canvas.h"
#include "numlab/numlab.h"
#include "numlab/numlab_paint.h"
#include "translate/glossator.h"

using quantora::TForm1;

namespace {

// A window as the program makes it, with no translation table (a file that does not exist).
struct ShownWindow {
  explicit ShownWindow(const QString& table = QStringLiteral("/nonexistent/quantora.itl"))
      : form(WithoutAbout(table)) {
    form.SetAboutDialog(&about);
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    QCoreApplication::processEvents();  // the start-up sequence
  }
  static quantora::TFormStart WithoutAbout(const QString& table) {
    quantora::TFormStart start{table};
    start.showAbout = false;
    return start;
  }
  quantora::TFrmAbout about;
  TForm1 form;
};

QString WriteTable(const QTemporaryDir& dir, const char* records) {
  const QString path = dir.filePath(QStringLiteral("test.itl"));
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(records);
  return path;
}

}  // namespace

TEST(MainWindow, StartsAsDesigned) {
  ShownWindow w;
  EXPECT_EQ(w.form.CBoxSignalForm->currentIndex(), 0);
  EXPECT_EQ(w.form.SBarSampleFreq->value(), 10);
  EXPECT_EQ(w.form.SBarReso->value(), 8);
  EXPECT_EQ(w.form.NLabSampleFreq->ValueText(), QStringLiteral("100.00"));
  EXPECT_EQ(w.form.NLabSampleTime->ValueText(), QStringLiteral("10.0"));
  EXPECT_EQ(w.form.NLabReso->ValueText(), QStringLiteral("8"));
  // FormShow computed the first display: 1 + 2048 + 100 marks, and the staircase.
  EXPECT_EQ(w.form.RCSig->ItemCount(), 2149);
  EXPECT_EQ(w.form.RCSample->ItemCount(), 2049);
  EXPECT_EQ(w.form.minimumSize(), TForm1::kMinimumSize - TForm1::kFrameExtent);
}

TEST(MainWindow, ScrollBarsSetTheReadOutsAndRecompute) {
  ShownWindow w;
  w.form.SBarSampleFreq->setValue(7);
  EXPECT_EQ(w.form.NLabSampleFreq->ValueText(), QStringLiteral("142.86"));
  EXPECT_EQ(w.form.NLabSampleTime->ValueText(), QStringLiteral("7.0"));
  EXPECT_EQ(w.form.RCSig->ItemCount(), 1 + 2048 + 143);

  w.form.SBarReso->setValue(3);
  EXPECT_EQ(w.form.NLabReso->ValueText(), QStringLiteral("3"));
  // At 3 bits every held value is one of 8 levels.
  const vqm::TChartItem& step = w.form.RCSample->Item(1);
  const double level = (step.Y1 + 5.0) / 10.0 * 7.0;
  EXPECT_NEAR(level, std::round(level), 1e-9);
}

TEST(MainWindow, EveryCheckBoxRecomputesBothCharts) {
  ShownWindow w;
  for (QCheckBox* box : {w.form.CBoxShowSamples, w.form.CBoxSample, w.form.CBoxQNoise}) {
    w.form.RCSig->ClearItems();
    w.form.RCSample->ClearItems();
    box->toggle();
    const bool points = w.form.CBoxShowSamples->isChecked();
    const bool sampled = w.form.CBoxSample->isChecked();
    const bool error = w.form.CBoxQNoise->isChecked();
    EXPECT_EQ(w.form.RCSig->ItemCount(), 2049 + (points ? 100 : 0)) << box->objectName().toStdString();
    EXPECT_EQ(w.form.RCSample->ItemCount(), 1 + (sampled ? 2048 : 0) + (error ? 2049 : 0))
        << box->objectName().toStdString();
  }
}

TEST(MainWindow, WaveformChoiceRecomputes) {
  ShownWindow w;
  const double sineAtFirstPoint = w.form.RCSig->Item(1).Y1;
  w.form.CBoxSignalForm->setCurrentIndex(1);
  w.form.CBoxSignalFormChange();
  EXPECT_NE(w.form.RCSig->Item(1).Y1, sineAtFirstPoint);
  EXPECT_NEAR(w.form.RCSig->Item(1).Y1, 2.0, 0.1);  // the three-term sine starts near 2 V
}

TEST(MainWindow, ChartPanelsShareTheWidth) {
  ShownWindow w;
  w.form.resize(793, 600);
  EXPECT_EQ(w.form.Panel6->width(), 793);
  EXPECT_EQ(w.form.Panel2->width(), 396);
  w.form.resize(1000, 700);
  EXPECT_EQ(w.form.Panel2->width(), 500);
  EXPECT_EQ(w.form.Panel3->geometry().right(), w.form.Panel6->width() - 1 - w.form.Panel6->BevelWidth());
  // The charts fill their panels inside the bevel.
  EXPECT_EQ(w.form.RCSig->width(), w.form.Panel2->width() - 2 * w.form.Panel2->BevelWidth());
  // The buttons keep their distance to the right edge.
  EXPECT_EQ(w.form.width() - w.form.BButExit->geometry().right(), 793 - 782);
}

// Zoomed in with + as deep as the amplitude axis goes, its labels still fit the
// margin: nothing is drawn in the chart's first column, where a label would be cut.
TEST(MainWindow, AmplitudeLabelsFitTheMarginAtTheDeepestZoom) {
  ShownWindow w;
  vqm::TRChart& chart = *w.form.RCSample;
  chart.setFocus();
  for (int i = 0; i < 40; ++i) QTest::keyClick(&chart, Qt::Key_Plus);
  EXPECT_NEAR(chart.Scale1Y()->RangeHigh() - chart.Scale1Y()->RangeLow(), 3e-3, 1e-3);  // 2 mV and one more +: stops
  const QImage image = chart.grab().toImage();
  const QRgb background = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) ASSERT_EQ(image.pixel(0, y), background) << y;
}

TEST(MainWindow, ExitClosesTheWindow) {
  ShownWindow w;
  ASSERT_TRUE(w.form.isVisible());
  w.form.BButExit->click();
  EXPECT_FALSE(w.form.isVisible());
}

TEST(MainWindow, WithoutATableMarkedTextsLoseTheirPrefix) {
  ShownWindow w;
  EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Analog/Digital Conversion"));
  EXPECT_EQ(w.form.BButExit->text(), QStringLiteral("Exit"));
  EXPECT_EQ(w.form.CBoxSignalForm->Items(),
            (QStringList{"Sine", "3-Term Sine", "Sawtooth", "Sinc", "Chirp"}));
  EXPECT_EQ(w.form.RCSig->Scale1X()->Caption(), QStringLiteral("Time [ns]"));
  EXPECT_EQ(w.form.MMExplain->Lines(), QStringList{"MMExplain"});
  EXPECT_EQ(w.form.NLabSampleFreq->LeftText(), QStringLiteral("f(sample) = "));
  EXPECT_EQ(w.about.HomePageAddress, QStringLiteral("HomePageURL"));
  EXPECT_EQ(w.about.LblName->text(), QStringLiteral("Quantora Lab"));
  EXPECT_EQ(w.about.BButOK->text(), QStringLiteral("OK"));
}

TEST(MainWindow, MarkedTextsComeFromTheTable) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir,
                                   "[Exit]=Beenden|$$[Sine]=Sinus|$$[Time [ns]]=Zeit [ns]|$$"
                                   "[MMExplain]=Zeile 1\\nZeile 2|$$[Original Signal]=Originalsignal|$$"
                                   "[HomePageURL]=https://example.org/|$$[$dlglanguage$]=LGGERMAN|$$[OK]=Gut|$$");
  ShownWindow w(table);
  EXPECT_EQ(w.form.BButExit->text(), QStringLiteral("Beenden"));
  EXPECT_EQ(w.form.CBoxSignalForm->Items().first(), QStringLiteral("Sinus"));
  EXPECT_EQ(w.form.CBoxSignalForm->Items().last(), QStringLiteral("Chirp"));
  EXPECT_EQ(w.form.RCSig->Scale1X()->Caption(), QStringLiteral("Zeit [ns]"));
  EXPECT_EQ(w.form.RCSample->Scale1X()->Caption(), QStringLiteral("Zeit [ns]"));
  EXPECT_EQ(w.form.RCSig->Caption(), QStringLiteral("Originalsignal"));
  EXPECT_EQ(w.form.MMExplain->Lines(), (QStringList{"Zeile 1", "Zeile 2"}));
  EXPECT_EQ(w.about.HomePageAddress, QStringLiteral("https://example.org/"));
  EXPECT_EQ(w.about.BButOK->text(), QStringLiteral("Gut"));
  EXPECT_TRUE(w.about.LblWebSite->text().startsWith(QStringLiteral("Mehr Informationen")));
}

// The resolution read-out's tooltip carries the quantization figures of the
// current setting, in the table's language.
TEST(MainWindow, ResolutionTooltipFollowsTheSettings) {
  const QString tables = QStringLiteral(QUANTORA_TRANSLATION_TABLES);
  ShownWindow english(tables + QStringLiteral("/quantora.itl"));
  const auto tip = [&english] { return english.form.NLabReso->toolTip(); };
  QStringList lines = tip().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0], QStringLiteral("Step 10 V / (2^8 \u2212 1): 39.22 mV"));
  EXPECT_EQ(lines[4], QStringLiteral("SQNR of the held signal, measured: 49.03 dB"));
  EXPECT_EQ(lines[5], QStringLiteral("Rule 6.02\u00B7n + 1.76 dB, corrected for the 4.8 V sine: 49.57 dB"));
  const QStringList englishAtStart = lines;

  struct TStep {
    QScrollBar* bar;
    int value;
    QString step, measured, rule;
  };
  const TStep steps[] = {
      {english.form.SBarReso, 16, "152.6 \u00B5V", "96.48 dB", "97.73 dB"},
      {english.form.SBarReso, 1, "10 V", "2.83 dB", "7.43 dB"},
  };
  for (const TStep& s : steps) {
    s.bar->setValue(s.value);
    lines = tip().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].endsWith(s.step)) << lines[0].toStdString();
    EXPECT_TRUE(lines[4].endsWith(s.measured)) << lines[4].toStdString();
    EXPECT_TRUE(lines[5].endsWith(s.rule)) << lines[5].toStdString();
  }
  // A shorter interval leaves the step alone but shrinks the hold error.
  const QString holdAtTen = tip().split(QLatin1Char('\n'))[2];
  english.form.SBarSampleFreq->setValue(1);
  EXPECT_NE(tip().split(QLatin1Char('\n'))[2], holdAtTen);

  ShownWindow german(tables + QStringLiteral("/quantora.de.itl"));
  const QStringList germanLines = german.form.NLabReso->toolTip().split(QLatin1Char('\n'));
  ASSERT_EQ(germanLines.size(), 6);
  EXPECT_EQ(germanLines[0], QStringLiteral("Stufe 10 V / (2^8 \u2212 1): 39,22 mV"));  // a German decimal comma
  EXPECT_EQ(germanLines[5], QStringLiteral("Faustformel 6,02\u00B7n + 1,76 dB, korrigiert f\u00FCr den Sinus mit "
                                              "4,8 V: 49,57 dB"));
  for (int k = 1; k < 6; ++k) EXPECT_NE(germanLines[k], englishAtStart[k]) << k;  // each has its German entry
  // Qt's own texts follow (qt6-translations-l10n): a dialog's Cancel button.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// Only a number leading a parameter takes the language's decimal separator.
TEST(RunningText, NumbersTakeTheDecimalSeparatorOfTheLanguage) {
  const std::pair<const char*, const char*> german[] = {
      {"49.57 dB", "49,57 dB"}, {"1.000", "1,000"}, {"-1.5e-05 V", "-1,5e-05 V"}, {"1000", "1000"},
      {"\u221E dB", "\u221E dB"}, {"\u2014", "\u2014"}, {"1.2.3", "1.2.3"}, {"quantora.de.itl", "quantora.de.itl"},
  };
  for (const auto& [in, out] : german) EXPECT_EQ(quantora::LocalizedParameter(in, ','), out) << in;
  glossator::TGlossator table;
  ASSERT_TRUE(table.LoadFromFile(QUANTORA_TRANSLATION_TABLES "/quantora.de.itl"));
  const quantora::TTooltipLine line{
      "Sampling at <%1%> MHz: <%2%> samples, bins <%3%> MHz apart; fs/2 = <%4%> MHz (red line).",
      {"100.00", "100", "1.000", "50.00"}};
  EXPECT_TRUE(quantora::TranslatedLine(table, line)
                  .startsWith(QStringLiteral("Abtastung mit 100,00 MHz: 100 Abtastwerte, Frequenzst\u00FCtzstellen im "
                                             "Abstand 1,000 MHz")));
}

// The explanation is for reading: keys typed into it change nothing.
TEST(MainWindow, ExplanationCannotBeEdited) {
  ShownWindow w;
  const QString explanation = w.form.MMExplain->toPlainText();
  w.form.MMExplain->setFocus();
  QTest::keyClick(w.form.MMExplain, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(w.form.MMExplain, Qt::Key_Delete);
  QTest::keyClicks(w.form.MMExplain, QStringLiteral("overwritten"));
  EXPECT_EQ(w.form.MMExplain->toPlainText(), explanation);
}

// The windows as the program entry makes them: the design's captions with
// nothing appended, and a fixed About dialog with a close button only.
TEST(ProgramWindows, CaptionsAreTheDesignsAndTheAboutDialogIsFixed) {
  const quantora::TProgramWindows w = quantora::CreateWindows(quantora::TCommandLine{});
  EXPECT_EQ(w.form->windowTitle(), QStringLiteral("Analog/Digital Conversion"));  // no table beside the tests
  EXPECT_EQ(w.about->windowTitle(), QStringLiteral("XL_About"));                 // translated when first shown
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Quantora"));
  // No display name of its own: the toolkit appends one to every caption.
  QCoreApplication::setApplicationName(QStringLiteral("probe"));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
  QCoreApplication::setApplicationName(QStringLiteral("Quantora"));

  const Qt::WindowFlags flags = w.about->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  // Without this hint the toolkit may add its default buttons to a dialog.
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_EQ(w.about->minimumSize(), QSize(543, 332));
  EXPECT_EQ(w.about->maximumSize(), QSize(543, 332));
}

// Every text fits where the design made it fit, in both languages: each
// read-out at every value its scroll bar reaches (1000.00 MHz at T = 1 ns),
// the read-outs' captions beside their fields, the check boxes, the label and
// the items of the waveform list.
TEST(MainWindow, EveryTextFitsItsPlaceInBothLanguages) {
  for (const char* table : {"quantora.itl", "quantora.de.itl"}) {
    SCOPED_TRACE(table);
    ShownWindow w(QStringLiteral(QUANTORA_TRANSLATION_TABLES "/") + QLatin1String(table));
    TForm1& f = w.form;
    struct TReadout {
      vqm::TNumLab* readout;
      QScrollBar* bar;
    };
    for (const TReadout& r : {TReadout{f.NLabSampleFreq, f.SBarSampleFreq}, TReadout{f.NLabSampleTime, f.SBarSampleFreq},
                              TReadout{f.NLabReso, f.SBarReso}}) {
      vqm::TBitmap bitmap(r.readout->width(), r.readout->height());
      vqm::TImageCanvas& canvas = bitmap.Canvas();
      canvas.Font = r.readout->Font();
      const int ls = r.readout->LeftSpace(), lw = r.readout->LabelWidth();
      EXPECT_GE(vqm::LeftCaptionX(vqm::taRightJustify, ls, canvas.TextWidth(r.readout->LeftText())), 0)
          << r.readout->LeftText().toStdString();
      EXPECT_LE(vqm::RightCaptionX(vqm::taLeftJustify, r.readout->width(), ls, lw, 0) +
                    canvas.TextWidth(r.readout->RightText()),
                r.readout->width())
          << r.readout->RightText().toStdString();
      for (int position = r.bar->minimum(); position <= r.bar->maximum(); ++position) {
        r.bar->setValue(position);
        const QString text = r.readout->ValueText();
        ASSERT_EQ(vqm::FittedValueText(canvas, {text, r.readout->OverflowIndicator()}, lw).toStdString(), text.toStdString())
            << r.readout->objectName().toStdString() << " at " << position;
      }
    }
    for (QCheckBox* box : {f.CBoxShowSamples, f.CBoxSample, f.CBoxQNoise})
      EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    // The About dialog's authorship line names the licence in the table's language.
    const QLabel* authorship = w.about.LblCopyright;
    EXPECT_TRUE(authorship->text().contains(QByteArray(table) == "quantora.de.itl" ? "Version 3 oder später" : "version 3 or later"));
    EXPECT_LE(authorship->fontMetrics().horizontalAdvance(authorship->text()), authorship->width());
    EXPECT_LE(f.Label1->fontMetrics().horizontalAdvance(f.Label1->text()), f.Label1->width());
    const int listRoom = f.CBoxSignalForm->width() - f.CBoxSignalForm->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 8;
    for (const QString& item : f.CBoxSignalForm->Items())
      EXPECT_LE(f.CBoxSignalForm->fontMetrics().horizontalAdvance(item), listRoom) << item.toStdString();
  }
}

// ---- the keyboard path, driven by real key events ----

namespace {

// The window, active, with the keyboard focus on `start`.
void FocusIn(TForm1& form, QWidget* start) {
  QApplication::setActiveWindow(&form);
  start->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), start);
}

// Tab, or Ctrl+Tab, at the focus widget.
void PressTab(const TForm1&, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
}

QString NameOf(const QWidget* w) { return w ? w->objectName() : QStringLiteral("(none)"); }

}  // namespace

// Lines added or dropped at the head, tail or middle, all replaced, and a line
// that holds a break of its own.
TEST(Memo, SetLinesLeavesExactlyTheLinesGiven) {
  quantora::TMemo memo;
  const QStringList start{"a", "b\u00A0c", "d"};
  const QStringList cases[] = {{"x", "a", "b\u00A0c", "d"}, {"a", "d"}, {"a", "y", "z", "d"}, {"a", "b\u00A0c"},
                               {"a", "b\u00A0c", "d", "e"}, {"p", "q"}, {"a", "b\nc"}, {"a", "b\u00A0c", "d"}};
  for (const QStringList& lines : cases) {
    memo.SetLines(start);
    memo.SetLines(lines);
    QStringList blocks;
    for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next()) blocks << b.text();
    EXPECT_EQ(blocks.join(QLatin1Char('\n')), lines.join(QLatin1Char('\n'))) << lines.join('|').toStdString();
    EXPECT_FALSE(memo.document()->isUndoAvailable());
  }
}

TEST(MainWindow, TabAndCtrlTabVisitEveryControlInOrder) {
  ShownWindow w;
  TForm1& f = w.form;
  const QList<QWidget*> path = {f.CBoxSignalForm, f.BButAbout, f.BButExit,  f.RCSig,
                                f.RCSample,       f.SBarSampleFreq, f.CBoxShowSamples, f.SBarReso,
                                f.CBoxSample,     f.CBoxQNoise, f.MMExplain};
  f.RCSample->SetMouseAction(vqm::maZoomWindPos);  // the modes of the chart menu let Tab pass too
  for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ControlModifier}) {
    FocusIn(f, path.first());
    for (int k = 1; k <= path.size(); ++k) {
      PressTab(f, modifiers);
      EXPECT_EQ(NameOf(QApplication::focusWidget()), NameOf(path[k % path.size()])) << "step " << k;
    }
  }
  // Backwards: Shift+Tab, and Ctrl+Shift+Tab out of a chart.
  FocusIn(f, f.SBarSampleFreq);
  for (QWidget* expected : std::initializer_list<QWidget*>{f.RCSample, f.RCSig, f.BButExit}) {
    PressTab(f, Qt::ShiftModifier | (expected == f.RCSig ? Qt::ControlModifier : Qt::NoModifier));
    EXPECT_EQ(NameOf(QApplication::focusWidget()), NameOf(expected));
  }
  // The chart never sees Ctrl+Tab; the memo lets Tab go instead of typing it.
  EXPECT_EQ(f.MMExplain->Lines(), QStringList{"MMExplain"});
}

TEST(MainWindow, AltShortcutsSwitchTheCheckBoxesInBothLanguages) {
  const QString tables = QStringLiteral(QUANTORA_TRANSLATION_TABLES);
  struct TLanguage {
    const char* table;
    Qt::Key points, sampled, error, waveLabel;
  };
  for (const TLanguage& language : {TLanguage{"/quantora.itl", Qt::Key_P, Qt::Key_S, Qt::Key_E, Qt::Key_W},
                                    TLanguage{"/quantora.de.itl", Qt::Key_P, Qt::Key_A, Qt::Key_Q, Qt::Key_F}}) {
    SCOPED_TRACE(language.table);
    ShownWindow w(tables + QLatin1String(language.table));
    TForm1& f = w.form;
    FocusIn(f, f.CBoxSignalForm);
    for (auto [key, box] : {std::pair{language.points, f.CBoxShowSamples}, std::pair{language.sampled, f.CBoxSample},
                            std::pair{language.error, f.CBoxQNoise}}) {
      const bool before = box->isChecked();
      QTest::keyClick(&f, key, Qt::AltModifier);
      for (int waited = 0; box->isChecked() == before && waited < 2000; waited += 20) QTest::qWait(20);
      EXPECT_NE(box->isChecked(), before) << NameOf(box).toStdString();
      EXPECT_EQ(QApplication::focusWidget(), box);
    }
    // The error curve is on: the sampled chart holds its second curve.
    EXPECT_EQ(f.RCSample->ItemCount(), 1 + (f.CBoxSample->isChecked() ? 2048 : 0) + 2049);
    QTest::keyClick(&f, language.waveLabel, Qt::AltModifier);  // the label hands on to the list
    EXPECT_EQ(QApplication::focusWidget(), f.CBoxSignalForm);
  }
}

TEST(MainWindow, ScrollBarsStepByOneWithArrowsAndByTenWithPageKeys) {
  ShownWindow w;
  TForm1& f = w.form;
  FocusIn(f, f.SBarSampleFreq);
  struct TPress {
    Qt::Key key;
    int interval;
  };
  for (const TPress& press : {TPress{Qt::Key_Right, 11}, TPress{Qt::Key_PageDown, 21}, TPress{Qt::Key_Left, 20},
                              TPress{Qt::Key_PageUp, 10}, TPress{Qt::Key_PageUp, 1}, TPress{Qt::Key_End, 200}}) {
    QTest::keyClick(f.SBarSampleFreq, press.key);
    EXPECT_EQ(f.SBarSampleFreq->value(), press.interval) << press.key;
  }
  EXPECT_EQ(f.NLabSampleTime->ValueText(), QStringLiteral("200.0"));  // through the handler
  EXPECT_EQ(f.SBarSampleFreq->pageStep(), 1);  // the thumb keeps its design size

  FocusIn(f, f.SBarReso);
  QTest::keyClick(f.SBarReso, Qt::Key_PageDown);
  EXPECT_EQ(f.SBarReso->value(), 16);  // 8 + 10, held at the end
  EXPECT_EQ(f.NLabReso->ValueText(), QStringLiteral("16"));
  const QImage focused = f.SBarReso->grab().toImage();  // with its focus mark, which Tab takes away
  PressTab(f);
  EXPECT_NE(f.SBarReso->grab().toImage(), focused);
}

// Data files beside the program win; an installed program finds them in
// ../share/quantora; a file in neither place stays where it was looked for.
TEST(ProgramDataFile, BesideTheProgramThenTheInstalledDataFolder) {
  QTemporaryDir prefix;
  ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
  ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/quantora")));
  const auto touch = [&](const char* name) { QFile(prefix.filePath(QLatin1String(name))).open(QIODevice::WriteOnly); };
  touch("share/quantora/quantora.itl");
  touch("share/quantora/quantora.png");
  touch("bin/quantora.png");
  const QString bin = prefix.filePath(QStringLiteral("bin/"));
  EXPECT_EQ(quantora::ProgramDataFile(bin + "quantora.itl"), prefix.filePath(QStringLiteral("share/quantora/quantora.itl")));
  EXPECT_EQ(quantora::ProgramDataFile(bin + "quantora.png"), bin + "quantora.png");
  EXPECT_EQ(quantora::ProgramDataFile(bin + "quantora.de.itl"), bin + "quantora.de.itl");
}
