#pragma once
// The translation tables a user can choose from at run time, and the choice
// remembered for the next start.

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace quantora {

struct TLanguageTable {
  QString name;  // the language as the table names itself ("English", "Deutsch")
  QString path;
};

// The tables (".itl" files) in the given folders, in file-name order; a file
// name met again in a later folder is the same table and is left out. A table
// that gives no texts is no choice; one that does not name its language is
// offered under its file name. The folders are listed at every call (a new
// table is offered at once), but a table is read only when it is new or has
// changed since, and then only its first kHeadSize bytes: a table names its
// language near its start.
class TLanguageTableCatalog {
 public:
  static constexpr std::size_t kHeadSize = 64u << 10;

  std::vector<TLanguageTable> Find(const QStringList& folders);
  // How many tables were read so far.
  int TablesRead() const { return fTablesRead; }

 private:
  struct TSeen {
    qint64 size = 0;
    QDateTime modified;
    std::optional<QString> name;  // none: the table gives no texts
  };
  std::optional<QString> ReadName(const QString& path, qint64 size);

  QHash<QString, TSeen> fSeen;  // by absolute path
  int fTablesRead = 0;
};

// Whether the table at `path` gives texts; otherwise `reason` says why not.
bool TableGivesTexts(const QString& path, std::string& reason);

// The table chosen last (the user's settings), or one of the same name where a
// moved installation keeps its data; empty when none was chosen or it is gone.
// A settings file that cannot be read safely is left out, with one line on
// standard error.
QString RememberedLanguageTable();
// Stores the choice for the next start; false with `reason` when it cannot.
bool RememberLanguageTable(const QString& path, QString& reason);

}  // namespace quantora
