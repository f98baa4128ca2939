#include "chart/font_text.h"

#include <QStringList>

namespace vqm {

QString FontToText(const TFont& font) {
  return QStringLiteral("%1,%2,%3,%4")
      .arg(QString::fromStdString(font.Name))
      .arg(font.Height)
      .arg(font.Style)
      .arg(font.Color);
}

std::optional<TFont> FontFromText(const QString& text) {
  // The name may itself hold commas: the three numbers are taken from the right.
  QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() < 4) return std::nullopt;
  bool okHeight = false, okStyle = false, okColor = false;
  TFont font;
  font.Color = parts.takeLast().trimmed().toUInt(&okColor);
  const uint style = parts.takeLast().trimmed().toUInt(&okStyle);
  font.Height = parts.takeLast().trimmed().toInt(&okHeight);
  font.Name = parts.join(QLatin1Char(',')).toStdString();
  if (!okHeight || !okStyle || !okColor || style > 15 || font.Height <= 0 || font.Name.empty()) return std::nullopt;
  font.Style = TFontStyles(style);
  return font;
}

QString DateFormatToText(const TDTLabel& f) {
  return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
      .arg(int(f.TimeFormat()))
      .arg(QLatin1Char(f.DateSeparator()))
      .arg(QLatin1Char(f.TimeSeparator()))
      .arg(int(f.YearLength()))
      .arg(int(f.MonthName()))
      .arg(int(f.DateOrder()))
      .arg(int(f.DateForTime()));
}

bool DateFormatFromText(const QString& text, TDTLabel& format) {
  const QStringList p = text.split(QLatin1Char(','));
  if (p.size() != 7 || p[1].size() != 1 || p[2].size() != 1) return false;
  int v[7] = {};
  for (int i : {0, 3, 4, 5, 6}) {
    bool ok = false;
    v[i] = p[i].toInt(&ok);
    if (!ok || v[i] < 0) return false;
  }
  if (v[0] > tfAMPM || v[3] > ylYYYY || v[4] > 1 || v[5] > doYYMMDD || v[6] > dtAllTicks) return false;
  if (p[1][0].unicode() > 127 || p[2][0].unicode() > 127) return false;
  TDTLabel f;
  f.SetTimeFormat(TTimeFormat(v[0]));
  f.SetDateSeparator(char(p[1][0].unicode()));
  f.SetTimeSeparator(char(p[2][0].unicode()));
  f.SetYearLength(TYearLength(v[3]));
  f.SetMonthName(v[4] == 1);
  f.SetDateOrder(TDateOrder(v[5]));
  f.SetDateForTime(TDateForTime(v[6]));
  format.Assign(f);
  return true;
}

}  // namespace vqm
