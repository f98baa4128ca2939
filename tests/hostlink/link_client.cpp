// A small program built on the host-link component, for the process tests:
// it loads (logging in, taking the single-instance lock), reports what the
// component raises, one line each on standard output, and runs until the
// component ends it or standard input closes.
//
//   link_client [--host] [--multistart] [--refuse-quit] [--fetch NAME] [ARGUMENTS...]
//
// --host: UseTesseraServer on. --fetch NAME: after loading, print the
// resource NAME's size ("resource NAME SIZE" or "resource NAME none").
// "exit" on standard input ends it with exit(). Lines: "ready HANDLE", "params A|B|...", "quit SERVERDOWN", "message ID SIZE",
// "failed MESSAGE" (an EStarGaze at start, exit status 3).

#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "hostlink/demon_client.h"
#include "hostlink/errors.h"

using namespace tessera;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("LinkClient"));
  bool host = false, multiStart = false, refuseQuit = false;
  QString fetch;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--host")) host = true;
    else if (!std::strcmp(argv[i], "--multistart")) multiStart = true;
    else if (!std::strcmp(argv[i], "--refuse-quit")) refuseQuit = true;
    else if (!std::strcmp(argv[i], "--fetch") && i + 1 < argc) fetch = QString::fromUtf8(argv[++i]);
  }
  QPointer<TkdbDemonClient> client;
  try {
    client = new TkdbDemonClient(nullptr, QCoreApplication::arguments());
    client->SetUseTesseraServer(host);
    client->SetMultiStart(multiStart);
    client->OnParamsChange = [](TkdbCustomDemon& c) {
      std::cout << "params " << c.Params().join(QLatin1Char('|')).toStdString() << std::endl;
    };
    client->OnQuitMsgReceived = [refuseQuit](TkdbCustomDemon&, bool serverDown, bool& allowQuit) {
      std::cout << "quit " << serverDown << std::endl;
      if (refuseQuit) allowQuit = false;
    };
    client->OnGotAMessage = [](TkdbCustomDemon&, TStarGazeMessageStream& m) {
      std::cout << "message " << m.MsgId << " " << m.Size() << std::endl;
    };
    client->Loaded();
    if (!fetch.isEmpty()) {
      const auto resource = client->GetResourceStream(fetch);
      std::cout << "resource " << fetch.toStdString() << " "
                << (resource ? std::to_string(resource->size()) : std::string("none")) << std::endl;
    }
  } catch (const EStarGaze& e) {
    std::cout << "failed " << e.what() << std::endl;
    return 3;
  }
  std::cout << "ready " << client->OwnEntity().Handle << std::endl;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char buffer[256];
    const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
    if (n >= 4 && std::strncmp(buffer, "exit", 4) == 0) std::exit(0);  // no destructors, as on a lost display
    if (n <= 0) QCoreApplication::quit();
  });
  const int status = app.exec();
  const bool quitByHost = client.isNull();
  delete client.data();  // logs out
  std::cout << (quitByHost ? "ended by quit" : "ended") << std::endl;
  return status;
}
