#include "chart_accessible.h"

#include "axis_ranges_text.h"
#include "rchart.h"

namespace vqm {

namespace {
constexpr int kAxisPairs = 4;  // Scale1X/Y .. Scale4X/Y
}

TChartAccessible::TChartAccessible(TCustomRChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

TCustomRChart* TChartAccessible::Chart() const { return static_cast<TCustomRChart*>(widget()); }

QString TChartAccessible::RangesText() const {
  std::vector<TShownAxis> axes;
  for (int pair = 1; pair <= kAxisPairs; ++pair) {
    const TScaleProps* x = Chart()->ScaleX(pair);
    const TScaleProps* y = Chart()->ScaleY(pair);
    const QString number = pair == 1 ? QString() : QString::number(pair);
    if (x->Visible()) axes.push_back({x->Caption(), QLatin1Char('X') + number, x->RangeLow(), x->RangeHigh()});
    if (y->Visible()) axes.push_back({y->Caption(), QLatin1Char('Y') + number, y->RangeLow(), y->RangeHigh()});
  }
  return AxisRangesText(axes);
}

QString TChartAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? Chart()->Caption() : name;
    }
    case QAccessible::Description: {
      const QString what = widget()->accessibleDescription().trimmed();
      const QString ranges = RangesText();
      if (what.isEmpty() || ranges.isEmpty()) return what + ranges;
      return what + (what.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) + ranges;
    }
    default: return QAccessibleWidget::text(t);
  }
}

QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(TCustomRChart::staticMetaObject.className()) || !object || !object->isWidgetType())
    return nullptr;
  return new TChartAccessible(static_cast<TCustomRChart*>(object));
}

}  // namespace vqm
