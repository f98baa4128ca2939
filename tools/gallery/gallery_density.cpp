// The window on a high-density screen: drawn at ratios 1, 1.5 and 2 through the
// same painting as on the screen, and a detail side by side: on the left the
// ratio-1 picture enlarged as a program unaware of the density would look, on
// the right the same part drawn at ratio 2.
#include <QPainter>

#include "app/ui/mainfrm.h"
#include "app/ui/widget_picture.h"
#include "gallery.h"
#include "numlab/numlab.h"

namespace gallery {

namespace {

QImage SideBySide(const QImage& one, const QImage& two, const QRect& detail) {
  const QImage enlarged =
      one.copy(detail).scaled(detail.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QImage drawn = two.copy(QRect(detail.topLeft() * 2, detail.size() * 2));
  constexpr int kGap = 24, kCaption = 28;
  QImage sheet(enlarged.width() * 2 + kGap, enlarged.height() + kCaption, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.drawText(QRect(0, 0, enlarged.width(), kCaption), Qt::AlignCenter,
                   QStringLiteral("ratio 1, enlarged to twice the size"));
  painter.drawText(QRect(enlarged.width() + kGap, 0, drawn.width(), kCaption), Qt::AlignCenter,
                   QStringLiteral("drawn at ratio 2"));
  painter.drawImage(0, kCaption, enlarged);
  painter.drawImage(enlarged.width() + kGap, kCaption, drawn);
  return sheet;
}

}  // namespace

int RenderHighDensity(const QString& folder) {
  const std::unique_ptr<quantora::TForm1> shown =
      ShownOffScreen(quantora::TFormStart{QStringLiteral(QUANTORA_TABLE_DIR "/quantora.itl")});
  quantora::TForm1& form = *shown;
  int written = 0;
  for (const auto& [ratio, name] : {std::pair{1.0, "1"}, std::pair{1.5, "1_5"}, std::pair{2.0, "2"}})
    written += quantora::WidgetPicture(form, ratio).save(folder + QStringLiteral("/density_window_ratio") +
                                                         QLatin1String(name) + QStringLiteral(".png"));
  const QImage one = quantora::WidgetPicture(form, 1), two = quantora::WidgetPicture(form, 2);
  // The first chart's lower left corner (axis labels, curve, marks) and the
  // frequency read-out beside the scroll bar.
  const QPoint readOut = form.NLabSampleFreq->mapTo(&form, QPoint());
  written += SideBySide(one, two, QRect(0, readOut.y() - 190, readOut.x() + 180, 230))
                 .save(folder + QStringLiteral("/density_side_by_side.png"));
  return written;
}

}  // namespace gallery
