#include "language_tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <sstream>

#include "app/message_text.h"
#include "data_files.h"
#include "translate/glossator.h"
#include "translate/regular_file.h"
#include "translate/settings_file.h"
#include "user_settings.h"

namespace quantora {

namespace {

constexpr char kNameKey[] = "LanguageName";
constexpr char kSettingKey[] = "language/table";

}  // namespace

std::optional<QString> TLanguageTableCatalog::ReadName(const QString& path, qint64 size) {
  ++fTablesRead;
  if (size > qint64(glossator::TGlossator::kMaxItlFileSize)) return std::nullopt;  // it would not load
  std::string head;
  if (!glossator::ReadRegularFileHead(QFile::encodeName(path).toStdString(), kHeadSize, head)) return std::nullopt;
  std::istringstream stream(std::move(head));
  glossator::TGlossator table;
  table.LoadFromStream(stream);  // a record the head cuts off is left out
  if (table.Keys().empty()) return std::nullopt;
  const std::string name = table.Translate(kNameKey);
  return name == kNameKey ? QFileInfo(path).fileName() : QString::fromStdString(name);
}

std::vector<TLanguageTable> TLanguageTableCatalog::Find(const QStringList& folders) {
  std::vector<TLanguageTable> tables;
  QSet<QString> offered;
  for (const QString& folder : folders) {
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.itl")}, QDir::Files, QDir::Name)) {
      if (offered.contains(file.fileName())) continue;
      const QString path = file.absoluteFilePath();
      TSeen& seen = fSeen[path];
      if (seen.modified.isNull() || seen.size != file.size() || seen.modified != file.lastModified())
        seen = {file.size(), file.lastModified(), ReadName(path, file.size())};
      if (!seen.name) continue;
      offered.insert(file.fileName());
      tables.push_back({*seen.name, path});
    }
  }
  return tables;
}

bool TableGivesTexts(const QString& path, std::string& reason) {
  glossator::TGlossator table;
  if (!table.LoadFromFile(QFile::encodeName(path).toStdString())) {
    reason = "it is no readable regular file of at most " +
             std::to_string(glossator::TGlossator::kMaxItlFileSize >> 20) + " MiB";
    return false;
  }
  if (!table.Keys().empty()) return true;
  reason = "it holds no \"[key]=text|$$\" records";
  return false;
}

QString RememberedLanguageTable() {
  QString problem;
  const QString file = UserSettingsFile();
  const QString path = glossator::ReadSettingsValue(file, QLatin1String(kSettingKey), &problem).toString();
  if (!problem.isEmpty())
    std::fprintf(stderr, "quantora: the settings file %s is left out: %s\n",
                 QuotedForMessage(QFile::encodeName(file).toStdString()).c_str(), problem.toUtf8().constData());
  if (path.isEmpty() || QFileInfo(path).isFile()) return path;
  // A moved installation: the table of that name where the program finds its data now.
  const QString moved =
      ProgramDataFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QFileInfo(path).fileName());
  return QFileInfo(moved).isFile() ? moved : QString();
}

bool RememberLanguageTable(const QString& path, QString& reason) {
  return glossator::WriteSettingsValue(UserSettingsFile(), QLatin1String(kSettingKey),
                                       QFileInfo(path).absoluteFilePath(), reason);
}

}  // namespace quantora
