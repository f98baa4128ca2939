#include "translate/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "translate/regular_file.h"

namespace glossator {

namespace {

QString NotRegularProblem() {
  return QStringLiteral("it is not a readable regular file of at most %1 KiB").arg(kMaxSettingsFileSize / 1024);
}

}  // namespace

QString SettingsFilePath(QSettings::Scope scope, const QString& organisation, const QString& application) {
  // Settings of a name no file has show the folder of `scope` while reading nothing.
  const QSettings probe(QSettings::NativeFormat, scope, QStringLiteral("quantora-settings-folder-probe"));
  const QString folder = QFileInfo(probe.fileName()).path();
  return folder + QLatin1Char('/') + organisation + QLatin1Char('/') + application + QStringLiteral(".conf");
}

QVariant ReadSettingsValue(const QString& path, const QString& key, QString* problem) {
  std::string bytes;
  if (!ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxSettingsFileSize, bytes)) {
    if (problem && QFileInfo::exists(path)) *problem = NotRegularProblem();
    return {};
  }
  // QSettings parses the bytes read, from a private copy it can open safely.
  QTemporaryFile copy;
  if (!copy.open() || copy.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !copy.flush()) {
    if (problem) *problem = QStringLiteral("no temporary copy of it could be made");
    return {};
  }
  return QSettings(copy.fileName(), QSettings::IniFormat).value(key);
}

bool WriteSettingsValue(const QString& path, const QString& key, const QVariant& value, QString& reason) {
  const QFileInfo file(path);
  if (file.exists() && (!file.isFile() || file.size() > qint64(kMaxSettingsFileSize))) {
    reason = QDir::toNativeSeparators(path) + QStringLiteral(": ") + NotRegularProblem();
    return false;
  }
  const QString folder = file.absolutePath();
  if (!QDir().mkpath(folder)) {
    reason = QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    return false;
  }
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue(key, value);
  settings.sync();
  if (settings.status() == QSettings::NoError) return true;
  reason = QFileInfo(folder).isWritable()
               ? QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(path))
               : QStringLiteral("the folder %1 is not writable").arg(QDir::toNativeSeparators(folder));
  return false;
}

}  // namespace glossator
