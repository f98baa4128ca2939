#pragma once
// Where the program finds its data files (translation tables, icon).

#include <QString>

namespace quantora {

// `besideExecutable` is a data file's path in the executable's folder, where the
// program has always looked (and where the build puts them). When no file is
// there, the same name in the installed data folder, found relative to that
// folder (<prefix>/bin -> <prefix>/share/quantora, so a moved installation
// still finds it), if one is there. Otherwise `besideExecutable` unchanged: a
// missing file stays missing where it was looked for.
QString ProgramDataFile(const QString& besideExecutable);

}  // namespace quantora
