#pragma once
// What a screen reader learns of a chart: its name (the widget's accessible
// name, or else its caption) and a description of what it shows (the widget's
// accessible description) followed by the ranges of its visible axes, read
// afresh at every query so that a zoom or a pan is heard at once.

#include <QAccessibleWidget>

namespace vqm {

class TCustomRChart;

class TChartAccessible : public QAccessibleWidget {
 public:
  explicit TChartAccessible(TCustomRChart* chart);
  QString text(QAccessible::Text t) const override;

  // The visible axes' titles and ranges in one line.
  QString RangesText() const;

 private:
  TCustomRChart* Chart() const;
};

// For QAccessible::installFactory: the interface of every chart.
QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object);

}  // namespace vqm
