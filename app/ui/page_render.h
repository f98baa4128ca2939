#pragma once
// Widgets onto pages: a PDF of one page the size of the widget, or a printer's
// page. Charts and read-outs draw themselves there as shapes and real text
// through the printer canvas (marks in their printer form, axis fonts by the
// printer rule); the other widgets draw as the toolkit draws them on paper.

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace quantora {

// The widget on one PDF page of its own size (one pixel = 1/96 inch), with the
// given document title.
QByteArray WidgetAsPdf(QWidget& widget, const QString& title);

// The widget on the device's first page, scaled to fit inside the page's
// printable area and centred, keeping its proportions.
void RenderWidgetOnPage(QWidget& widget, QPagedPaintDevice& page);

}  // namespace quantora
