#pragma once
// The host-link component the main window carries as cliDemon: the client's
// requests to the host (or, for path values without a host, their local
// answers), the loading of the translation table, and the end of loading.

#include "hostlink/custom_demon.h"

namespace tessera {

class TkdbDemonClient : public TkdbCustomDemon {
  Q_OBJECT

 public:
  // Also opens this program's endpoint; throws EStarGaze when it cannot.
  TkdbDemonClient(QObject* owner, const QStringList& arguments);
  ~TkdbDemonClient() override;

  // The table file to load instead of the one beside the executable (empty:
  // that one). Only without a host.
  void SetTranslationFile(const QString& path) { fTranslationFile = path; }
  QString TranslationFile() const;

  std::string GetWindowClassName() const override;  // "ThisIsTheStarGazeClientComponentWindowClass"
  std::string GetWindowName() const override;       // empty
  // The program the host knows by this title / endpoint handle; none when the
  // host's reply is empty (or no host answers).
  std::unique_ptr<TEntity> FindEntityByTitle(const QString& title) override;
  std::unique_ptr<TEntity> FindEntityByHandle(std::uint32_t handle) override;
  // Asks the host to start a program. Without `wait`: its process id. With
  // `wait`: waits without time limit for it to end and returns its exit code
  // (taken while it is a child of this process or not yet collected by its
  // parent; 0 when the system no longer knows it). A pid of 0, or a process
  // that cannot be opened, raises EStarGaze "Could not execute "<file>."".
  std::uint32_t ExecuteProgram(const QString& fileName, const QString& parameters, bool wait,
                               std::int32_t mode) override;
  std::optional<std::string> GetResourceStream(const QString& name) override;
  QString GetHostFileName(const QString& fileName) override;
  QString GetStringValue(const QString& name) override;
  // With UseTesseraServer: the host's text. Without: for "TesseraWorkArea" and
  // "TesseraHomeDir" (exact case) the executable's directory ending in "/";
  // any other name: empty.
  QString GetPathValue(const QString& name) override;

 protected:
  void LoadTranslation() override;

 private:
  std::unique_ptr<TEntity> ReadEntityReply(TStarGazeMessageStream& reply);
  QString fTranslationFile;
};

}  // namespace tessera
