#pragma once
// The host-link component's common part: its properties and events, the two
// entities (the host's and this program's), the parameter list, the
// translation engine, the message exchange (Send, the receiving endpoint,
// reply pairing) and the handling of every received message. The requests are
// the derived client's.
//
// Messages travel between local socket endpoints (hostlink/endpoint.h); a
// "window handle" is an endpoint's 32-bit handle.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostlink/entity.h"
#include "hostlink/message_stream.h"
#include "hostlink/messages.h"
#include "hostlink/runtime_dir.h"
#include "translate/glossator.h"

namespace tessera {

class TLocalEndpoint;
struct TFrame;

class TkdbCustomDemon : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool AutoTranslate READ AutoTranslate WRITE SetAutoTranslate)
  Q_PROPERTY(bool AutoCreateItlFile READ AutoCreateItlFile WRITE SetAutoCreateItlFile)
  Q_PROPERTY(bool MultiStart READ MultiStart WRITE SetMultiStart)
  Q_PROPERTY(bool UseTesseraServer READ UseTesseraServer WRITE SetUseTesseraServer)

 public:
  // Events, each called only when set, with the component first.
  // Any message without a handling of its own; the handler must not keep `msg`.
  using TGotAMessageEvent = std::function<void(TkdbCustomDemon& sender, TStarGazeMessageStream& msg)>;
  // The host asks the program to quit; clearing `allowQuit` refuses.
  using TQuitMsgEvent = std::function<void(TkdbCustomDemon& sender, bool serverDown, bool& allowQuit)>;
  using TNotifyEvent = std::function<void(TkdbCustomDemon& sender)>;
  // Ends the process at once (a second instance); replaceable for tests.
  // The default prints `message` (when not empty) on standard error and exits.
  using TTerminateProcess = std::function<void(int status, const std::string& message)>;

  // `owner` is the window the component translates; `arguments` the
  // program's command line, the executable first. Looks for the host,
  // reads the command line; the derived class opens the endpoint.
  TkdbCustomDemon(QObject* owner, const QStringList& arguments);
  // Logs out (when it logged in, and unless the host said it is going down), frees the replies,
  // closes the endpoint, releases the single-instance lock, frees the
  // translation engine and asks the application to quit.
  ~TkdbCustomDemon() override;

  // Translate the owner window after loading the table. On after construction.
  bool AutoTranslate() const { return fAutoTranslate; }
  void SetAutoTranslate(bool v) { fAutoTranslate = v; }
  // The engine's recording of missed keys, written at the end. Off after construction.
  bool AutoCreateItlFile() const { return fTranslator->AutoCreateItlFile(); }
  void SetAutoCreateItlFile(bool v) { fTranslator->SetAutoCreateItlFile(v); }
  // Allow several instances of the program at once. Off after construction.
  bool MultiStart() const { return fMultiStart; }
  void SetMultiStart(bool v) { fMultiStart = v; }
  // Work through a host program. On after construction; the main window turns it off.
  bool UseTesseraServer() const { return fUseTesseraServer; }
  void SetUseTesseraServer(bool v) { fUseTesseraServer = v; }

  TGotAMessageEvent OnGotAMessage;          // unset: other messages are dropped
  TQuitMsgEvent OnQuitMsgReceived;          // unset: a quit is obeyed
  TNotifyEvent OnParamsChange;              // unset: nobody is told
  TTerminateProcess TerminateProcess;       // set to the default exit at construction

  // The host's endpoint (Handle 0: none found) and this program's.
  TEntity& ServerEntity() { return *fServerEntity; }
  TEntity& OwnEntity() { return *fOwnEntity; }
  bool IsOwnEntity(const TEntity* entity) const { return entity == fOwnEntity.get(); }
  // The flag of the last quit message.
  bool ServerDown() const { return fServerDown; }
  glossator::TGlossator& Translator() { return *fTranslator; }
  // The link directory this component works in.
  const std::string& RuntimeDirectory() const { return fRuntimeDir.path; }

  // The command line without host arguments; index 0 is the executable.
  const QStringList& Params() const { return fParams; }
  int ParamCount() const { return int(fParams.size()) - 1; }
  // 0: the full path of this executable; 1..ParamCount: Params. Any other
  // index raises EStarGaze "Illegal "ParamStr" parameter: <index>".
  QString ParamStr(int index) const;

  // Replies received for a waiting request and not yet collected.
  std::size_t PendingReplyCount() const { return fPendingReplies.size(); }

  // The end of the owner's loading: log in (with UseTesseraServer), load the
  // translation table, translate the owner (with AutoTranslate), settle the
  // single instance. Errors are EStarGaze.
  virtual void Loaded();

  // Stamps `msg` with the current time (strictly later than the previous
  // stamp) and transmits it to `target`; `reply`, when given, receives the
  // target's answer or stays empty.
  void Send(TEntity& target, TStarGazeMessageStream& msg, TStarGazeMessageStream* reply);
  // True when `handle` names a live endpoint of this user.
  bool IsWindow(std::uint32_t handle) const;

  // The receive path: one frame from the process `sender`. A message that
  // cannot be read is dropped.
  void ReceiveFrame(TFrame&& frame, pid_t sender);

  // What the component does with a received message (see the .cpp); it may
  // take `msg` over.
  virtual void HandleMessage(std::unique_ptr<TStarGazeMessageStream>& msg);

  virtual std::string GetWindowClassName() const = 0;
  virtual std::string GetWindowName() const = 0;
  // A new entity owned by the caller, or none.
  virtual std::unique_ptr<TEntity> FindEntityByTitle(const QString& title) = 0;
  virtual std::unique_ptr<TEntity> FindEntityByHandle(std::uint32_t handle) = 0;
  virtual std::uint32_t ExecuteProgram(const QString& fileName, const QString& parameters, bool wait,
                                       std::int32_t mode) = 0;
  // The resource's bytes, or none.
  virtual std::optional<std::string> GetResourceStream(const QString& name) = 0;
  virtual QString GetHostFileName(const QString& fileName) = 0;
  virtual QString GetStringValue(const QString& name) = 0;
  virtual QString GetPathValue(const QString& name) = 0;

 protected:
  // Opens this program's endpoint and fills the own entity.
  void CreateWindowHandle();
  virtual void Start();
  virtual void LoadTranslation() = 0;
  virtual void CheckSingleInstance();
  // Sends `id` with the payload `write` puts in to the host and returns the reply (maybe empty).
  std::unique_ptr<TStarGazeMessageStream> Request(std::int32_t id,
                                                  const std::function<void(TStarGazeMessageStream&)>& write);
  // The full path of this executable.
  std::string ExecutablePath() const;
  // True when `sender` is another process running this program's executable.
  bool FromThisProgram(pid_t sender) const;
  // True when `msg` comes from the host this component logged in to.
  bool FromLoggedInHost(const TStarGazeMessageStream& msg) const;

 private:
  void Transmit(TEntity& target, TStarGazeMessageStream& msg, TStarGazeMessageStream* reply);
  void HandParamsOver();
  void QuitAfterHandling();

  struct TWaitingRequest {
    TTimeStamp stamp;
    std::uint32_t target;
  };

  std::unique_ptr<TEntity> fServerEntity;
  std::vector<std::unique_ptr<TStarGazeMessageStream>> fPendingReplies;
  QStringList fParams;
  std::unique_ptr<TEntity> fOwnEntity;
  bool fServerDown = false;
  std::unique_ptr<glossator::TGlossator> fTranslator;
  bool fAutoTranslate = true;
  bool fMultiStart = false;
  bool fUseTesseraServer = true;

  TRuntimeDir fRuntimeDir;
  std::unique_ptr<TLocalEndpoint> fEndpoint;
  std::vector<TWaitingRequest> fWaiting;  // requests in Transmit, innermost last
  TTimeStamp fLastStamp;
  bool fLoggedIn = false;
  pid_t fHostProcess = 0;  // the host's process, known from the login
  bool fQuitting = false;
};

}  // namespace tessera
