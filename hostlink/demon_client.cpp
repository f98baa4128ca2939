#include "demon_client.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "translate/itl_file_name.h"

namespace tessera {

namespace {
// Host arguments are not the program's own parameters (exact letter case here).
constexpr QLatin1StringView kServerHandleArgument("/serverhandle=");
}  // namespace

TkdbDemonClient::TkdbDemonClient(QObject* owner, const QStringList& arguments) : QObject(owner) {
  setObjectName(QStringLiteral("cliDemon"));
  for (const QString& a : arguments)
    if (!a.startsWith(kServerHandleArgument)) fParams << a;
}

TkdbDemonClient::~TkdbDemonClient() = default;

QString TkdbDemonClient::ExecutablePath() const {
  const std::string own = glossator::CurrentExecutablePath();
  if (!own.empty()) return QString::fromStdString(own);
  return fParams.isEmpty() ? QString() : QFileInfo(fParams.first()).absoluteFilePath();
}

QString TkdbDemonClient::TranslationFile() const {
  if (!fTranslationFile.isEmpty()) return fTranslationFile;
  const QString exe = ExecutablePath();
  // The executable's name with its extension (if any) replaced by ".itl", in its directory.
  return QFileInfo(exe).absolutePath() + QLatin1Char('/') +
         QString::fromStdString(glossator::ItlFileNameFor(exe.toStdString()));
}

void TkdbDemonClient::Loaded() {
  fTranslator.LoadFromFile(TranslationFile().toStdString());
  if (fAutoTranslate && parent()) fTranslator.TranslateComponent(parent());
}

QString TkdbDemonClient::GetPathValue(const QString& name) const {
  if (name != QLatin1String("TesseraWorkArea") && name != QLatin1String("TesseraHomeDir")) return {};
  QString dir = QFileInfo(ExecutablePath()).absolutePath();
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

}  // namespace tessera
