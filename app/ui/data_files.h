#pragma once
// Where the program finds its data files (translation tables, icon).

#include <QString>
#include <QStringList>
#include <string>

namespace quantora {

// `besideExecutable` is a data file's path in the executable's folder, where the
// program has always looked (and where the build puts them). When no file is
// there, the same name in the installed data folder, found relative to that
// folder (<prefix>/bin -> <prefix>/share/quantora, so a moved installation
// still finds it), if one is there. Otherwise `besideExecutable` unchanged: a
// missing file stays missing where it was looked for.
QString ProgramDataFile(const QString& besideExecutable);
// The folders ProgramDataFile looks in: the executable's, then the installed data folder.
QStringList ProgramDataFolders();

// The table of a language the command line names ("en" or "de"), found as
// ProgramDataFile finds it; empty for no language.
QString LanguageTableFile(const std::string& language);

// Says on standard error that the table of `language` gave no texts, so that
// the user learns why the window's language did not change.
void ReportMissingTable(const std::string& language, const QString& table);

}  // namespace quantora
