#include "language_tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include "data_files.h"
#include "translate/glossator.h"

namespace quantora {

namespace {

constexpr char kNameKey[] = "LanguageName";
constexpr char kSettingKey[] = "language/table";

// The user's settings of this program: the host's organisation, the program's name.
QSettings UserSettings() { return QSettings(QStringLiteral("Quillon"), QStringLiteral("Quantora")); }

}  // namespace

std::vector<TLanguageTable> FindLanguageTables(const QStringList& folders) {
  std::vector<TLanguageTable> tables;
  QSet<QString> seen;
  for (const QString& folder : folders) {
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.itl")}, QDir::Files, QDir::Name)) {
      if (seen.contains(file.fileName())) continue;
      glossator::TGlossator table;
      if (!table.LoadFromFile(QFile::encodeName(file.absoluteFilePath()).toStdString()) || table.Keys().empty())
        continue;
      seen.insert(file.fileName());
      const std::string name = table.Translate(kNameKey);
      tables.push_back({name == kNameKey ? file.fileName() : QString::fromStdString(name), file.absoluteFilePath()});
    }
  }
  return tables;
}

QString RememberedLanguageTable() {
  const QString path = UserSettings().value(QLatin1String(kSettingKey)).toString();
  if (path.isEmpty() || QFileInfo(path).isFile()) return path;
  // A moved installation: the table of that name where the program finds its data now.
  const QString moved =
      ProgramDataFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QFileInfo(path).fileName());
  return QFileInfo(moved).isFile() ? moved : QString();
}

void RememberLanguageTable(const QString& path) {
  QSettings settings = UserSettings();
  settings.setValue(QLatin1String(kSettingKey), QFileInfo(path).absoluteFilePath());
}

}  // namespace quantora
