#include "user_settings.h"

#include "translate/settings_file.h"

namespace quantora {

QString UserSettingsFile() {
  return glossator::SettingsFilePath(QSettings::UserScope, QStringLiteral("Quillon"), QStringLiteral("Quantora"));
}

}  // namespace quantora
