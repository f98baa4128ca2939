#include "data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "app/message_text.h"

namespace quantora {

QString ProgramDataFile(const QString& besideExecutable) {
  if (QFileInfo::exists(besideExecutable)) return besideExecutable;
  const QFileInfo beside(besideExecutable);
  // The data folder relative to the executable's, from the install layout.
  const QString installed = QDir::cleanPath(beside.absolutePath() + QStringLiteral("/" QUANTORA_DATA_FROM_BINARY "/") +
                                            beside.fileName());
  return QFileInfo::exists(installed) ? installed : besideExecutable;
}

QStringList ProgramDataFolders() {
  const QString beside = QCoreApplication::applicationDirPath();
  return {beside, QDir::cleanPath(beside + QStringLiteral("/" QUANTORA_DATA_FROM_BINARY))};
}

QString LanguageTableFile(const std::string& language) {
  if (language.empty()) return {};
  const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  return ProgramDataFile(dir + (language == "de" ? QStringLiteral("quantora.de.itl") : QStringLiteral("quantora.itl")));
}

void ReportMissingTable(const std::string& language, const QString& table) {
  std::fprintf(stderr, "quantora: no %s translation table could be read from %s; the English texts are shown\n",
               language == "de" ? "German" : "English", QuotedForMessage(QFile::encodeName(table).toStdString()).c_str());
}

}  // namespace quantora
