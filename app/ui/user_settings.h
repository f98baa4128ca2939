#pragma once
// The user's settings file of this program (the host's organisation, the
// program's name), which the language choice and the windows' places share.
// It is read and written only through glossator's settings-file functions,
// which never block on a file that is no regular file.

#include <QString>

namespace quantora {

QString UserSettingsFile();

}  // namespace quantora
