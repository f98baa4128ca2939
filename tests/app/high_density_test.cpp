// Pictures with more device pixels than logical ones: the charts, axes and
// read-outs draw again at that resolution instead of being enlarged.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "app/ui/widget_picture.h"
#include "chart/rchart.h"
#include "numlab/numlab.h"
#include "scale/scale_widget.h"
#include "shown_main_window.h"

namespace quantora {
namespace {

// Compares with the committed picture. QUANTORA_WRITE_GOLDENS=1 writes the
// pictures instead: look at each before committing it.
void ExpectGolden(const QImage& picture, const char* name) {
  const QString path = QStringLiteral(QUANTORA_GOLDEN_DIR "/") + QLatin1String(name);
  if (qEnvironmentVariableIsSet("QUANTORA_WRITE_GOLDENS")) {
    ASSERT_TRUE(picture.save(path)) << path.toStdString();
    return;
  }
  const QImage golden(path);
  ASSERT_FALSE(golden.isNull()) << path.toStdString();
  const bool same = picture.convertToFormat(golden.format()) == golden;
  if (!same) picture.save(QDir::temp().filePath(QLatin1String(name)));
  EXPECT_TRUE(same) << name << " differs; the new picture is in " << QDir::tempPath().toStdString();
}

TEST(HighDensity, ChartAxisAndReadOutAtRatioTwo) {
  TShownMainWindow w;
  QApplication::setActiveWindow(&w.form);  // the focus frame is for the screen, never in a picture
  w.form.RCSample->setFocus();
  ASSERT_TRUE(w.form.RCSample->hasFocus());
  ExpectGolden(WidgetPicture(*w.form.RCSample, 2), "chart_ratio2.png");
  ExpectGolden(WidgetPicture(*w.form.NLabSampleFreq, 2), "readout_ratio2.png");
  vqm::TScaleWidget axis;
  axis.resize(300, 60);
  axis.setAttribute(Qt::WA_DontShowOnScreen);
  axis.show();
  ExpectGolden(WidgetPicture(axis, 2), "axis_ratio2.png");
}

TEST(HighDensity, WindowAtTwiceTheSizeIsDrawnNotEnlarged) {
  TShownMainWindow w;
  const QImage one = WidgetPicture(w.form, 1), two = WidgetPicture(w.form, 2);
  ASSERT_EQ(two.size(), one.size() * 2);
  // The data frame's top row and left column, one-pixel lines: each of their
  // pixels is a 2x2 block of the line's colour.
  const vqm::TRChart& chart = *w.form.RCSample;
  const QPoint corner = chart.mapTo(&w.form, QPoint(chart.MarginLeft(), chart.MarginTop()));
  const QRgb line = one.pixel(corner);
  int blocks = 0;
  auto expectBlock = [&](int x, int y) {
    ASSERT_EQ(one.pixel(x, y), line) << x << "," << y;
    for (int dy = 0; dy < 2; ++dy)
      for (int dx = 0; dx < 2; ++dx) ASSERT_EQ(two.pixel(2 * x + dx, 2 * y + dy), line) << x << "," << y;
    ++blocks;
  };
  for (int i = 0; i < chart.DataWidth(); ++i) expectBlock(corner.x() + i, corner.y());
  for (int i = 0; i < chart.DataHeight(); ++i) expectBlock(corner.x(), corner.y() + i);
  EXPECT_GT(blocks, 500);
  // The read-out's digits: drawn at the new size, their edges are not the
  // blocks of the small picture.
  const QRect readOut(w.form.NLabSampleFreq->mapTo(&w.form, QPoint()), w.form.NLabSampleFreq->size());
  const QImage enlarged = one.copy(readOut).scaled(readOut.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QImage drawn = two.copy(QRect(readOut.topLeft() * 2, readOut.size() * 2));
  int differing = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) differing += drawn.pixel(x, y) != enlarged.pixel(x, y);
  EXPECT_GT(differing, 40);
}

}  // namespace
}  // namespace quantora
