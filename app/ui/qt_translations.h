#pragma once
// Qt's own texts (its dialogs' buttons, a text field's context menu) in the
// language of the program's texts, from the translations Qt installs
// (Debian: qt6-translations-l10n).

#include <QLocale>

namespace quantora {

// Installs Qt's translation into `language` in place of the one installed
// before, or none for English or where Qt has none; Qt's texts created from
// now on follow it.
void UseQtTranslations(const QLocale& language);

}  // namespace quantora
