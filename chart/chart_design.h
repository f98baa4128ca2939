#pragma once
// A chart's design in a file: its published properties with the axis objects,
// joins, background, crosshairs and text labels, as JSON (see object_design.h).
// The display list is data, not design, and is not part of it.

#include <QByteArray>
#include <QString>

namespace vqm {

class TRChart;

QByteArray WriteChartDesign(const TRChart& chart);

// Applies a design written by WriteChartDesign, as loading a form does. Returns
// an empty string on success; otherwise a message saying what is wrong, and the
// chart is left as it was.
QString ReadChartDesign(const QByteArray& json, TRChart& chart);

}  // namespace vqm
