#pragma once
// The host-link component the main window carries as cliDemon. It owns the
// translation engine, loads the translation table when the window has finished
// loading and translates the window; it answers path requests locally when the
// program runs without a host (the setting of this system). The exchange with a
// host program grows here.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "translate/glossator.h"

namespace tessera {

class TkdbDemonClient : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool AutoTranslate READ AutoTranslate WRITE SetAutoTranslate)
  Q_PROPERTY(bool AutoCreateItlFile READ AutoCreateItlFile WRITE SetAutoCreateItlFile)
  Q_PROPERTY(bool MultiStart READ MultiStart WRITE SetMultiStart)
  Q_PROPERTY(bool UseTesseraServer READ UseTesseraServer WRITE SetUseTesseraServer)

 public:
  // `owner` is the window the component translates; `arguments` the program's
  // command line, the executable first.
  TkdbDemonClient(QObject* owner, const QStringList& arguments);
  ~TkdbDemonClient() override;

  // Translate the owner window after loading the table. On after construction.
  bool AutoTranslate() const { return fAutoTranslate; }
  void SetAutoTranslate(bool v) { fAutoTranslate = v; }
  // Write the table of missed keys at the end. Off after construction.
  bool AutoCreateItlFile() const { return fTranslator.AutoCreateItlFile(); }
  void SetAutoCreateItlFile(bool v) { fTranslator.SetAutoCreateItlFile(v); }
  // Allow several instances of the program at once. Off after construction.
  bool MultiStart() const { return fMultiStart; }
  void SetMultiStart(bool v) { fMultiStart = v; }
  // Work through a host program. On after construction; the main window turns it off.
  bool UseTesseraServer() const { return fUseTesseraServer; }
  void SetUseTesseraServer(bool v) { fUseTesseraServer = v; }

  // The table file to load instead of the one beside the executable (empty: that one).
  void SetTranslationFile(const QString& path) { fTranslationFile = path; }
  QString TranslationFile() const;

  // The end of the owner's loading: loads the translation table and, with
  // AutoTranslate, translates the owner. A missing or unreadable table is no error.
  void Loaded();

  glossator::TGlossator& Translator() { return fTranslator; }
  // "TesseraWorkArea" and "TesseraHomeDir" (exact case): the executable's
  // directory ending in "/"; any other name: empty.
  QString GetPathValue(const QString& name) const;
  // The command line without host arguments; index 0 is the executable.
  const QStringList& Params() const { return fParams; }
  int ParamCount() const { return int(fParams.size()) - 1; }

 private:
  QString ExecutablePath() const;

  glossator::TGlossator fTranslator;
  QStringList fParams;
  QString fTranslationFile;
  bool fAutoTranslate = true;
  bool fMultiStart = false;
  bool fUseTesseraServer = true;
};

}  // namespace tessera
