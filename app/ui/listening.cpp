#include "listening.h"

#include <QMessageBox>
#include <QWidget>

#include "sound/sound_clip.h"
#include "sound/sound_timeline.h"
#include "sound_player.h"

namespace quantora {

TListening::TListening(QWidget* window, TTranslate translate)
    : QObject(window), fWindow(window), fTranslate(std::move(translate)), fPlayer(new TSoundPlayer(this)) {}

void TListening::Toggle(const TSimulationSettings& settings, TReconstruction kind) {
  if (fPlayer->Playing()) {
    fPlayer->Stop();
    return;
  }
  switch (fPlayer->Play(SoundSamples(settings, kind), kSoundRate)) {
    case TSoundPlayer::TStart::ssPlaying: break;
    case TSoundPlayer::TStart::ssNoDevice:
      Tell("There is no sound device to play on. --export-wav FILE writes the sound to a file.");
      break;
    case TSoundPlayer::TStart::ssUnsupported:
    case TSoundPlayer::TStart::ssFailed:
      Tell("The sound device cannot play the sound. --export-wav FILE writes it to a file.");
      break;
  }
}

// One box at a time: a second failure replaces the first one's text.
void TListening::Tell(const char* key) {
  if (!fMessage) {
    fMessage = new QMessageBox(QMessageBox::Warning, fTranslate("Quantora Lab"), QString(), QMessageBox::Ok, fWindow);
    fMessage->setAttribute(Qt::WA_DeleteOnClose);
  }
  fMessage->setText(fTranslate(key));
  fMessage->open();  // window-modal, returns at once
}

}  // namespace quantora
