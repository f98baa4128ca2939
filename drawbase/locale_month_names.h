#pragma once
// Month names of the user's locale (the default QLocale) for date labels.

#include "drawbase/date_time_text.h"

namespace vqm {

// The stand-alone abbreviated and full month names of the default locale: the
// English ones under the C locale, "Jan", "Feb", "Mär" ... under de_DE. Looked
// up again only when the default locale changes.
const TMonthNames& LocaleMonthNames();

}  // namespace vqm
