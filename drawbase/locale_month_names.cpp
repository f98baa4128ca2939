#include "drawbase/locale_month_names.h"

#include <QLocale>

namespace vqm {

const TMonthNames& LocaleMonthNames() {
  static QString cachedFor;
  static TMonthNames names;
  const QLocale locale;
  const QString key = locale.name();
  if (key != cachedFor || names.Short[0].empty()) {
    for (int m = 1; m <= 12; ++m) {
      names.Short[size_t(m - 1)] = locale.standaloneMonthName(m, QLocale::ShortFormat).toStdString();
      names.Long[size_t(m - 1)] = locale.standaloneMonthName(m, QLocale::LongFormat).toStdString();
    }
    cachedFor = key;
  }
  return names;
}

}  // namespace vqm
