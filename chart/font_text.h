#pragma once
// Fonts and date formats written as one line of text, so that a stored design can
// hold them as plain values: "Name,Height,Style,Color" for a font (style the or-ed
// TFontStyle bits, colour decimal) and "TimeFormat,DateSeparator,TimeSeparator,
// YearLength,MonthName,DateOrder,DateForTime" for a date format (enumerations by
// number, separators as characters, MonthName 0 or 1).

#include <QString>
#include <optional>

#include "drawbase/dtlabel.h"
#include "drawbase/font.h"

namespace vqm {

QString FontToText(const TFont& font);
// Nothing for a malformed text.
std::optional<TFont> FontFromText(const QString& text);

QString DateFormatToText(const TDTLabel& format);
// False (and `format` unchanged) for a malformed text.
bool DateFormatFromText(const QString& text, TDTLabel& format);

}  // namespace vqm
