#include "hostlink/custom_demon.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "hostlink/endpoint.h"
#include "hostlink/errors.h"
#include "hostlink/frame.h"
#include "hostlink/instance_lock.h"
#include "hostlink/server_suffix.h"
#include "translate/itl_file_name.h"

namespace tessera {

namespace {

std::vector<std::string> ToStdStrings(const QStringList& list) {
  std::vector<std::string> out;
  out.reserve(std::size_t(list.size()));
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

// The key under which a running instance publishes its endpoint, so that a
// second start finds it without a host.
std::string TitleKey(const std::string& title) { return "title\n" + title; }

bool Later(TTimeStamp a, TTimeStamp b) { return a.Date != b.Date ? a.Date > b.Date : a.Time > b.Time; }

void ExitAtOnce(int status, const std::string& message) {
  if (!message.empty()) std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stdout);
  std::fflush(stderr);
  std::quick_exit(status);  // no window, no destructors: ended at once
}

}  // namespace

TkdbCustomDemon::TkdbCustomDemon(QObject* owner, const QStringList& arguments)
    : QObject(owner), TerminateProcess(ExitAtOnce) {
  setObjectName(QStringLiteral("cliDemon"));
  fTranslator = std::make_unique<glossator::TGlossator>(std::string());
  fOwnEntity = std::make_unique<TEntity>(this);
  fServerEntity = std::make_unique<TEntity>(this);
  fRuntimeDir = OpenRuntimeDir();
  if (!fRuntimeDir.Usable()) throw EStarGaze(fRuntimeDir.error);
  const std::vector<std::string> args = ToStdStrings(arguments);
  const std::string suffix = ServerSuffix(ConfiguredViewerHandle(), args);
  fServerEntity->Handle = FindPublished(fRuntimeDir.path, WindowKey(std::string(kServerWindowClass) + suffix,
                                                                    std::string(kServerWindowName) + suffix));
  for (const std::string& p : ProgramParams(args)) fParams << QString::fromStdString(p);
}

TkdbCustomDemon::~TkdbCustomDemon() {
  // Only to the host this program logged in to: without a login (the design's
  // setting, or an export) the host hears nothing of this program.
  if (fLoggedIn && !fServerDown) {
    TStarGazeMessageStream logout(this);
    logout.MsgId = hmLogout;
    fOwnEntity->WriteTo(logout);
    Send(*fServerEntity, logout, nullptr);
  }
  fPendingReplies.clear();
  fEndpoint.reset();
  if (fOwnEntity->AuxHandle != 0) {
    TInstanceLock::Release(fOwnEntity->AuxHandle);
    fOwnEntity->AuxHandle = 0;
  }
  fTranslator.reset();  // writes the missed-keys file when asked to
  QCoreApplication::quit();
}

void TkdbCustomDemon::CreateWindowHandle() {
  RemoveStaleEndpoints(fRuntimeDir.path);
  fEndpoint = std::make_unique<TLocalEndpoint>(
      fRuntimeDir.path, [this](TFrame&& frame, pid_t sender) { ReceiveFrame(std::move(frame), sender); });
  fOwnEntity->Handle = fEndpoint->Handle();
  fOwnEntity->Title = QCoreApplication::applicationName().toStdString();
  fOwnEntity->ExeName = ExecutablePath();
}

std::string TkdbCustomDemon::ExecutablePath() const {
  const std::string own = glossator::CurrentExecutablePath();
  if (!own.empty()) return own;
  return fParams.isEmpty() ? std::string() : QFileInfo(fParams.first()).absoluteFilePath().toStdString();
}

QString TkdbCustomDemon::ParamStr(int index) const {
  if (index < 0 || index > ParamCount())
    throw EStarGaze("Illegal \"ParamStr\" parameter: " + std::to_string(index));
  return index == 0 ? QString::fromStdString(ExecutablePath()) : fParams[index];
}

bool TkdbCustomDemon::IsWindow(std::uint32_t handle) const {
  return fRuntimeDir.Usable() && EndpointAlive(fRuntimeDir.path, handle);
}

void TkdbCustomDemon::Loaded() {
  Start();
  LoadTranslation();
  CheckSingleInstance();
}

void TkdbCustomDemon::Start() {
  if (!fUseTesseraServer) return;
  if (fServerEntity->Handle == 0) throw EStarGaze("Star/Gaze server application is not running");
  TStarGazeMessageStream login(this);
  login.MsgId = hmLogin;
  fOwnEntity->WriteTo(login);
  // The host's process, so that a quit is taken from this host only.
  if (EndpointAlive(fRuntimeDir.path, fServerEntity->Handle, &fHostProcess)) {
    fLoggedIn = true;
    Send(*fServerEntity, login, nullptr);
  }
}

void TkdbCustomDemon::CheckSingleInstance() {
  if (fMultiStart) return;
  std::uint32_t lock = 0;
  if (TInstanceLock::Acquire(fRuntimeDir.path, fOwnEntity->MutexName(), lock) == TInstanceLock::ilHeldElsewhere) {
    HandParamsOver();
    return;
  }
  fOwnEntity->AuxHandle = lock;
  fEndpoint->Publish(TitleKey(fOwnEntity->Title));
}

// A second start: hands the command line to the running instance (found
// through the host, else through the link directory) and ends the process,
// its endpoint closed first (the quick exit runs no destructor). An argument
// with a line break cannot travel as one line of the list, so nothing is
// handed over then, and the start says so and fails.
void TkdbCustomDemon::HandParamsOver() {
  const std::vector<std::string> params = ToStdStrings(fParams);
  for (const std::string& p : params)
    if (p.find_first_of("\r\n") != std::string::npos) {
      const std::string program = QFileInfo(QString::fromStdString(ExecutablePath())).fileName().toStdString();
      fEndpoint.reset();
      TerminateProcess(1, program + ": an argument holds a line break and cannot be handed to the running "
                                    "instance; nothing was handed over");
      return;
    }
  std::unique_ptr<TEntity> first = FindEntityByTitle(QString::fromStdString(fOwnEntity->Title));
  if (!first) {
    first = std::make_unique<TEntity>(this);
    first->Handle = FindPublished(fRuntimeDir.path, TitleKey(fOwnEntity->Title));
  }
  if (first->Handle != 0) {
    TStarGazeMessageStream msg(this);
    msg.MsgId = hmParams;
    msg.WriteStringList(params);
    Send(*first, msg, nullptr);
  }
  fEndpoint.reset();
  TerminateProcess(0, {});
}

void TkdbCustomDemon::Send(TEntity& target, TStarGazeMessageStream& msg, TStarGazeMessageStream* reply) {
  // Replies are paired by stamp; a strictly later stamp for each message keeps
  // two requests within one millisecond apart.
  TTimeStamp stamp = CurrentTimeStamp();
  if (!Later(stamp, fLastStamp)) stamp = NextTimeStamp(fLastStamp);
  fLastStamp = stamp;
  msg.TimeStamp = stamp;
  Transmit(target, msg, reply);
}

void TkdbCustomDemon::Transmit(TEntity& target, TStarGazeMessageStream& msg, TStarGazeMessageStream* reply) {
  msg.Owner = this;
  if (reply) reply->Owner = this;
  if (!fEndpoint) return;
  TFrame frame;
  frame.SenderHandle = fEndpoint->Handle();
  frame.MsgId = msg.MsgId;
  frame.TimeStamp = msg.TimeStamp;
  frame.Payload = msg.Bytes();
  std::string bytes;
  try {
    bytes = EncodeFrame(frame);
  } catch (const std::length_error&) {
    throw EStarGaze("a message larger than 16 MiB cannot be sent");
  }
  fWaiting.push_back({msg.TimeStamp, target.Handle});
  struct TEndWait {
    TkdbCustomDemon* self;
    ~TEndWait() {
      self->fWaiting.pop_back();
      // What no waiting request collected is dropped with the last wait.
      if (self->fWaiting.empty()) self->fPendingReplies.clear();
    }
  } endWait{this};
  fEndpoint->Send(target.Handle, bytes);

  for (auto it = fPendingReplies.begin(); it != fPendingReplies.end(); ++it) {
    TStarGazeMessageStream& found = **it;
    if (found.TimeStamp != msg.TimeStamp || found.Sender().Handle != target.Handle) continue;
    if (reply) {
      reply->TimeStamp = found.TimeStamp;
      reply->Sender().Assign(&found.Sender());
      reply->MsgId = found.MsgId;
      reply->LoadPayload(found.Bytes());
    }
    fPendingReplies.erase(it);
    break;
  }
}

void TkdbCustomDemon::ReceiveFrame(TFrame&& frame, pid_t sender) {
  auto msg = std::make_unique<TStarGazeMessageStream>(this);
  msg->MsgId = frame.MsgId;
  msg->TimeStamp = frame.TimeStamp;
  msg->LoadPayload(std::move(frame.Payload));
  msg->Sender().Handle = frame.SenderHandle;
  msg->SenderProcess = sender;
  try {
    HandleMessage(msg);
  } catch (const EReadError&) {
    // A message that ends before its contents: dropped.
  }
}

bool TkdbCustomDemon::FromLoggedInHost(const TStarGazeMessageStream& msg) const {
  return fLoggedIn && msg.Sender().Handle == fServerEntity->Handle && msg.SenderProcess == fHostProcess;
}

bool TkdbCustomDemon::FromThisProgram(pid_t sender) const {
  if (sender <= 0) return false;
  const std::string link = "/proc/" + std::to_string(sender) + "/exe";
  char buffer[4096];
  const ssize_t n = readlink(link.c_str(), buffer, sizeof buffer);
  return n > 0 && std::string(buffer, std::size_t(n)) == ExecutablePath();
}

void TkdbCustomDemon::HandleMessage(std::unique_ptr<TStarGazeMessageStream>& msg) {
  switch (msg->MsgId) {
    case hmQuit: {
      if (!FromLoggedInHost(*msg)) return;  // only the host this program logged in to
      fServerDown = msg->ReadByte() != 0;
      bool allowQuit = true;
      if (OnQuitMsgReceived) OnQuitMsgReceived(*this, fServerDown, allowQuit);
      if (allowQuit) QuitAfterHandling();
      return;
    }
    case hmReply: {
      // Taken only for a request that waits for it, from the entity it went
      // to, and only once.
      const auto waits = [&](const TWaitingRequest& w) {
        return w.stamp == msg->TimeStamp && w.target == msg->Sender().Handle;
      };
      const auto answered = [&](const std::unique_ptr<TStarGazeMessageStream>& r) {
        return r->TimeStamp == msg->TimeStamp && r->Sender().Handle == msg->Sender().Handle;
      };
      if (std::none_of(fWaiting.begin(), fWaiting.end(), waits) ||
          std::any_of(fPendingReplies.begin(), fPendingReplies.end(), answered))
        return;
      fPendingReplies.push_back(std::move(msg));
      return;
    }
    case hmParams: {
      if (!FromLoggedInHost(*msg) && !FromThisProgram(msg->SenderProcess)) return;
      fParams.clear();
      for (const std::string& line : msg->ReadStringList()) fParams << QString::fromStdString(line);
      if (OnParamsChange) OnParamsChange(*this);
      return;
    }
    default:
      if (OnGotAMessage) OnGotAMessage(*this, *msg);
      return;
  }
}

// The component ends after the handler that obeyed the quit has returned, and
// its destruction asks the application to quit.
void TkdbCustomDemon::QuitAfterHandling() {
  if (fQuitting) return;
  fQuitting = true;
  deleteLater();
}

std::unique_ptr<TStarGazeMessageStream> TkdbCustomDemon::Request(
    std::int32_t id, const std::function<void(TStarGazeMessageStream&)>& write) {
  TStarGazeMessageStream msg(this);
  msg.MsgId = id;
  write(msg);
  auto reply = std::make_unique<TStarGazeMessageStream>(this);
  Send(*fServerEntity, msg, reply.get());
  return reply;
}

}  // namespace tessera
