#include "hostlink/demon_client.h"

#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "hostlink/errors.h"
#include "translate/itl_file_name.h"

namespace tessera {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

int OpenProcess(pid_t pid) { return int(syscall(SYS_pidfd_open, pid, 0)); }

// The exit code of a process that ended but is not yet collected by its
// parent, from /proc; -1 when the system no longer knows it.
int UncollectedExitCode(pid_t pid, int pidfd) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  int code = -1;
  // Field 3 (state) is the first after the name; the exit code is field 52.
  for (int index = 3; fields >> field; ++index)
    if (index == 52) code = std::stoi(field);
  // Still the same process (not collected and replaced) after reading?
  if (syscall(SYS_pidfd_send_signal, pidfd, 0, nullptr, 0) != 0) return -1;
  return code < 0 ? -1 : (WIFEXITED(code) ? WEXITSTATUS(code) : 128 + WTERMSIG(code));
}

}  // namespace

TkdbDemonClient::TkdbDemonClient(QObject* owner, const QStringList& arguments) : TkdbCustomDemon(owner, arguments) {
  CreateWindowHandle();
}

TkdbDemonClient::~TkdbDemonClient() = default;

std::string TkdbDemonClient::GetWindowClassName() const { return kClientWindowClass; }
std::string TkdbDemonClient::GetWindowName() const { return {}; }

std::unique_ptr<TEntity> TkdbDemonClient::ReadEntityReply(TStarGazeMessageStream& reply) {
  if (reply.Size() == 0) return nullptr;
  auto entity = std::make_unique<TEntity>(this);
  entity->ReadFrom(reply);
  return entity;
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntityByTitle(const QString& title) {
  auto reply = Request(hmFindEntity, [&](TStarGazeMessageStream& m) {
    m.WriteByte(feByTitle);
    m.WriteString(Utf8(title));
  });
  return ReadEntityReply(*reply);
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntityByHandle(std::uint32_t handle) {
  auto reply = Request(hmFindEntity, [&](TStarGazeMessageStream& m) {
    m.WriteByte(feByHandle);
    m.WriteInt32(std::int32_t(handle));
  });
  return ReadEntityReply(*reply);
}

std::uint32_t TkdbDemonClient::ExecuteProgram(const QString& fileName, const QString& parameters, bool wait,
                                              std::int32_t mode) {
  auto reply = Request(hmExecute, [&](TStarGazeMessageStream& m) {
    m.WriteString(Utf8(fileName));
    m.WriteString(Utf8(parameters));
    m.WriteByte(wait ? 1 : 0);
    m.WriteInt32(mode);
  });
  const auto pid = pid_t(reply->ReadInt32());
  const EStarGaze failed("Could not execute \"" + Utf8(fileName) + ".\"");
  if (pid <= 0) throw failed;
  if (!wait) return std::uint32_t(pid);
  const int pidfd = OpenProcess(pid);
  if (pidfd < 0) throw failed;
  struct TCloser {
    int fd;
    ~TCloser() { close(fd); }
  } closer{pidfd};
  siginfo_t info{};
  if (waitid(idtype_t(P_PIDFD), id_t(pidfd), &info, WEXITED) == 0)  // our own child
    return std::uint32_t(info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status);
  pollfd ended{pidfd, POLLIN, 0};
  while (poll(&ended, 1, -1) < 0 && errno == EINTR) {
  }
  const int code = UncollectedExitCode(pid, pidfd);
  return std::uint32_t(code < 0 ? 0 : code);
}

std::optional<std::string> TkdbDemonClient::GetResourceStream(const QString& name) {
  auto reply = Request(hmGetResource, [&](TStarGazeMessageStream& m) { m.WriteString(Utf8(name)); });
  if (reply->ReadByte() == 0) return std::nullopt;
  return reply->ReadRest();
}

QString TkdbDemonClient::GetHostFileName(const QString& fileName) {
  auto reply = Request(hmGetFileName, [&](TStarGazeMessageStream& m) { m.WriteString(Utf8(fileName)); });
  return FromUtf8(reply->ReadString());
}

QString TkdbDemonClient::GetStringValue(const QString& name) {
  auto reply = Request(hmGetString, [&](TStarGazeMessageStream& m) { m.WriteString(Utf8(name)); });
  return FromUtf8(reply->ReadString());
}

QString TkdbDemonClient::GetPathValue(const QString& name) {
  if (UseTesseraServer()) {
    auto reply = Request(hmGetPath, [&](TStarGazeMessageStream& m) { m.WriteString(Utf8(name)); });
    return FromUtf8(reply->ReadString());
  }
  if (name != QLatin1String("TesseraWorkArea") && name != QLatin1String("TesseraHomeDir")) return {};
  QString dir = QFileInfo(FromUtf8(ExecutablePath())).absolutePath();
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

QString TkdbDemonClient::TranslationFile() const {
  if (!fTranslationFile.isEmpty()) return fTranslationFile;
  const QString exe = FromUtf8(ExecutablePath());
  // The executable's name with its extension (if any) replaced by ".itl", in its directory.
  return QFileInfo(exe).absolutePath() + QLatin1Char('/') +
         FromUtf8(glossator::ItlFileNameFor(Utf8(exe)));
}

void TkdbDemonClient::LoadTranslation() {
  if (UseTesseraServer()) {
    // The host names the table after the executable; it may have none.
    const QString name = GetHostFileName(FromUtf8(ExecutablePath()));
    const QString resource = name.left(name.lastIndexOf(QLatin1Char('/')) + 1) +
                             FromUtf8(glossator::ItlFileNameFor(Utf8(name)));
    if (const std::optional<std::string> table = GetResourceStream(resource)) {
      std::istringstream stream(*table);
      Translator().LoadFromStream(stream);
    }
  } else {
    Translator().LoadFromFile(Utf8(TranslationFile()));
  }
  if (AutoTranslate() && parent()) Translator().TranslateComponent(parent());
}

}  // namespace tessera
