#include "chart/chart_design.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include "chart/object_design.h"
#include "chart/rchart.h"

namespace vqm {

QByteArray WriteChartDesign(const TRChart& chart) {
  return QJsonDocument(WriteObjectDesign(chart)).toJson(QJsonDocument::Indented);
}

namespace {

// A design's joins replace the chart's: every layer first follows nobody.
void UnjoinAll(TJointLayers& joins) {
  for (TAxisDirection dir : {TAxisDirection::X, TAxisDirection::Y})
    for (int k = 1; k <= kLayerCount; ++k) joins.SetControlledBy(dir, k, k);
}

QString Load(const QJsonObject& design, TRChart& chart) {
  chart.BeginLoad();
  UnjoinAll(chart.JointLayers());
  QString error = ReadObjectDesign(design, chart);
  chart.EndLoad();
  return error;
}

}  // namespace

QString ReadChartDesign(const QByteArray& json, TRChart& chart) {
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
  if (parse.error != QJsonParseError::NoError)
    return QStringLiteral("Chart design: not valid JSON at offset %1: %2").arg(parse.offset).arg(parse.errorString());
  if (!doc.isObject()) return QStringLiteral("Chart design: the top level must be an object");
  // A scratch chart takes the design first, so that a bad value leaves the real one untouched.
  TRChart scratch;
  if (QString error = Load(doc.object(), scratch); !error.isEmpty()) return QStringLiteral("Chart design: ") + error;
  return Load(doc.object(), chart);
}

}  // namespace vqm
