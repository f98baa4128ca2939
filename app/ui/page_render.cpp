#include "page_render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>
#include <algorithm>

namespace quantora {

namespace {

constexpr double kScreenDpi = 96.0;
constexpr int kPdfDpi = 1200;  // device units of the PDF; all shapes stay vectors anyway

// The widget's picture with the painter's transformation as it stands.
void Render(QWidget& widget, QPainter& painter) {
  widget.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

}  // namespace

QByteArray WidgetAsPdf(QWidget& widget, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quantora Lab"));
    writer.setResolution(kPdfDpi);
    const QSizeF points(widget.width() * 72.0 / kScreenDpi, widget.height() * 72.0 / kScreenDpi);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.scale(kPdfDpi / kScreenDpi, kPdfDpi / kScreenDpi);
    Render(widget, painter);
  }
  return bytes;
}

void RenderWidgetOnPage(QWidget& widget, QPagedPaintDevice& page) {
  QPainter painter(&page);
  if (!painter.isActive() || widget.width() <= 0 || widget.height() <= 0) return;
  const QRect area = painter.viewport();  // the printable area in device pixels
  const double scale = std::min(double(area.width()) / widget.width(), double(area.height()) / widget.height());
  painter.translate(area.x() + (area.width() - widget.width() * scale) / 2,
                    area.y() + (area.height() - widget.height() * scale) / 2);
  painter.scale(scale, scale);
  Render(widget, painter);
}

}  // namespace quantora
