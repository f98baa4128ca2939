#pragma once
// The translation tables a user can choose from at run time, and the choice
// remembered for the next start.

#include <QString>
#include <QStringList>
#include <vector>

namespace quantora {

struct TLanguageTable {
  QString name;  // the language as the table names itself ("English", "Deutsch")
  QString path;
};

// The tables (".itl" files) in `folders`, in file-name order; a file name met
// again in a later folder is the same table and is left out. A table that gives
// no texts is no choice; one that does not name its language is offered under
// its file name.
std::vector<TLanguageTable> FindLanguageTables(const QStringList& folders);

// The table chosen last (the user's settings), or one of the same name where a
// moved installation keeps its data; empty when none was chosen or it is gone.
QString RememberedLanguageTable();
void RememberLanguageTable(const QString& path);

}  // namespace quantora
