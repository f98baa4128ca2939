#include "app/ui/running_text.h"

#include <cctype>

namespace quantora {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The length of the decimal number that `text` begins with ("-12.5e-3"), 0 if none.
std::size_t LeadingNumberLength(std::string_view text) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > from;
  };
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (!digits()) return 0;
  if (i < text.size() && text[i] == '.' && !(++i, digits())) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (!digits()) return 0;
  }
  return i;
}

}  // namespace

QLocale TableLocale(glossator::TGlossator& table) {
  const QString language = QString::fromStdString(table.Translate("$dlglanguage$")).toLower();
  if (language == QLatin1String("lggerman")) return QLocale(QLocale::German, QLocale::Germany);
  if (language == QLatin1String("lgfrench")) return QLocale(QLocale::French, QLocale::France);
  if (language == QLatin1String("lgspanish")) return QLocale(QLocale::Spanish, QLocale::Spain);
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

std::string LocalizedParameter(std::string_view parameter, char decimal) {
  std::string text(parameter);
  const std::size_t length = LeadingNumberLength(parameter);
  // A number must end there: "1.2.3" or "3.5x" is no number with a unit.
  if (length == 0 || (length < text.size() && text[length] != ' ')) return text;
  const std::size_t point = text.find('.');
  if (point < length) text[point] = decimal;
  return text;
}

QString TranslatedLine(glossator::TGlossator& table, const TTooltipLine& line) {
  const QString separator = TableLocale(table).decimalPoint();
  const char decimal = separator == QLatin1String(",") ? ',' : '.';
  std::vector<std::string> params;
  for (const std::string& p : line.params) params.push_back(LocalizedParameter(p, decimal));
  return QString::fromStdString(table.Translate(line.key, params));
}

}  // namespace quantora
