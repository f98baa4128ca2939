#pragma once
// Sentences with numbers in them (the tooltip's and the spectrum window's
// lines) in the language of the table that translates them: a German sentence
// writes 49,57 dB, not 49.57 dB.

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

#include "app/quantization_text.h"
#include "translate/glossator.h"

namespace quantora {

// The language a table names itself in ("$dlglanguage$": lgGerman, lgFrench,
// lgSpanish); English for every other table and for none.
QLocale TableLocale(glossator::TGlossator& table);

// A line's parameter in a language whose decimal separator is `decimal`: a
// leading number such as "49.57" or "-1.5e-05" (the rest, a unit, unchanged)
// gets `decimal` for its point. Numbers are never grouped, so "1000.00 MHz"
// stays one number in every language. Anything else is left as it is.
std::string LocalizedParameter(std::string_view parameter, char decimal);

// The line translated by `table`, its numbers written as the table's language writes them.
QString TranslatedLine(glossator::TGlossator& table, const TTooltipLine& line);

}  // namespace quantora
