#include "axis_ranges_text.h"

#include <QStringList>

namespace vqm {

namespace {
QString Number(double v) {
  if (v == 0) v = 0;  // no "-0"
  return QString::number(v, 'g', 6);
}
}  // namespace

QString AxisRangesText(const std::vector<TShownAxis>& axes) {
  QStringList parts;
  for (const TShownAxis& axis : axes) {
    const QString title = axis.caption.trimmed().isEmpty() ? axis.side : axis.caption.trimmed();
    parts << title + QLatin1Char(' ') + Number(axis.low) + QStringLiteral(" \u2026 ") + Number(axis.high);
  }
  return parts.join(QStringLiteral(", "));
}

}  // namespace vqm
