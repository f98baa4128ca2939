#pragma once
// The settings files of the program and of the host link (Qt's INI format, as
// QSettings writes them), read without ever blocking a start: QSettings opens
// every file it may read as soon as it is made, so a FIFO in a settings file's
// place would hang it, and a device such as /dev/zero would never end.

#include <QSettings>
#include <QString>
#include <QVariant>
#include <cstddef>

namespace glossator {

// Far above any real settings file (a few lines).
inline constexpr std::size_t kMaxSettingsFileSize = 1u << 20;

// The file QSettings keeps `organisation`/`application` in for `scope` in its
// native format (a folder set with QSettings::setPath included), found without
// reading any settings file.
QString SettingsFilePath(QSettings::Scope scope, const QString& organisation, const QString& application);

// The value of `key` in the settings file at `path`, read only when that is a
// regular file of at most kMaxSettingsFileSize bytes. Otherwise an invalid
// value, and unless the file is simply missing `problem` says why (of "it").
QVariant ReadSettingsValue(const QString& path, const QString& key, QString* problem = nullptr);

// Stores `value` under `key` in the settings file at `path`, keeping its other
// keys; false with `reason` when the file is no regular file of bounded size
// (it is left alone then) or cannot be written where it lies.
bool WriteSettingsValue(const QString& path, const QString& key, const QVariant& value, QString& reason);

}  // namespace glossator
