#include "hostlink/server_suffix.h"

#include "translate/settings_file.h"

namespace tessera {

namespace {

std::string LowerAsciiLetters(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

}  // namespace

std::string ServerSuffix(const std::string& configured, const std::vector<std::string>& arguments) {
  if (!configured.empty() && configured != "00000000") return configured;
  std::string suffix = configured;
  const std::string prefix = kServerHandleArgument;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string lower = LowerAsciiLetters(arguments[i]);
    if (lower.compare(0, prefix.size(), prefix) == 0) suffix = lower.substr(prefix.size());
  }
  return suffix;
}

std::vector<std::string> ProgramParams(const std::vector<std::string>& arguments) {
  std::vector<std::string> params;
  for (const std::string& argument : arguments)
    if (argument.compare(0, sizeof kServerHandleArgument - 1, kServerHandleArgument) != 0) params.push_back(argument);
  return params;
}

std::string ConfiguredViewerHandle() {
  // Read without blocking: a FIFO in its place must not hang the start.
  const QString file =
      glossator::SettingsFilePath(QSettings::SystemScope, QStringLiteral("Quillon"), QStringLiteral("tessera"));
  return glossator::ReadSettingsValue(file, QStringLiteral("demon/ViewerHandle")).toString().toStdString();
}

}  // namespace tessera
