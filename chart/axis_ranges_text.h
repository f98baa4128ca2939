#pragma once
// The ranges a chart shows, said in one line for a screen reader:
// "Time [ns] 0 … 1000, Amplitude [V] -5.5 … 5.5". The axis captions carry the
// language and the units; the numbers are the program's own (a point, six
// significant digits), as the axes label them.

#include <QString>
#include <vector>

namespace vqm {

struct TShownAxis {
  QString caption;  // the axis title; empty: the axis is named by its side
  QString side;     // "X", "Y", ... when the axis has no title
  double low = 0;
  double high = 0;
};

QString AxisRangesText(const std::vector<TShownAxis>& axes);

}  // namespace vqm
