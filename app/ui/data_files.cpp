#include "data_files.h"

#include <QDir>
#include <QFileInfo>

namespace quantora {

QString ProgramDataFile(const QString& besideExecutable) {
  if (QFileInfo::exists(besideExecutable)) return besideExecutable;
  const QFileInfo beside(besideExecutable);
  // The data folder relative to the executable's, from the install layout.
  const QString installed = QDir::cleanPath(beside.absolutePath() + QStringLiteral("/" QUANTORA_DATA_FROM_BINARY "/") +
                                            beside.fileName());
  return QFileInfo::exists(installed) ? installed : besideExecutable;
}

}  // namespace quantora
