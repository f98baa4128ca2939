#pragma once
// The charts' "Listen": the setting's sound (the analog signal, then the
// converter's output) played, or stopped while it plays. What keeps it from
// playing is said once in a message box that does not block the window.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "model/chain_settings.h"
#include "reconstruction/reconstruction_kind.h"

#include <QMessageBox>

namespace quantora {

class TSoundPlayer;

class TListening : public QObject {
  Q_OBJECT
 public:
  using TTranslate = std::function<QString(const char* key)>;
  TListening(QWidget* window, TTranslate translate);

  // Starts the sound of `settings`, its output reconstructed by `kind`; while
  // a sound plays, stops it instead.
  void Toggle(const TSimulationSettings& settings, TReconstruction kind);

  TSoundPlayer& Player() const { return *fPlayer; }
  // The message of the last start that failed, while it is open.
  QMessageBox* Message() const { return fMessage; }

 private:
  void Tell(const char* key);

  QWidget* fWindow;
  TTranslate fTranslate;
  TSoundPlayer* fPlayer;
  QPointer<QMessageBox> fMessage;
};

}  // namespace quantora
