#pragma once
// Plays 16-bit mono sound through the default sound device, without blocking:
// the charts' "Listen".

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <vector>

#include <QAudioSink>
#include <QBuffer>

namespace quantora {

class TSoundPlayer : public QObject {
  Q_OBJECT
 public:
  explicit TSoundPlayer(QObject* parent = nullptr);
  ~TSoundPlayer() override;

  enum class TStart {
    ssPlaying,      // the sound runs; it stops by itself at its end
    ssNoDevice,     // the system offers no sound output
    ssUnsupported,  // the device refuses 16-bit mono at this rate
    ssFailed,       // the device would not start
  };
  // Starts `samples` at `rate` (samples per second), stopping what played before.
  TStart Play(const std::vector<std::int16_t>& samples, int rate);
  // Ends the sound at once; nothing playing: nothing happens.
  void Stop();
  bool Playing() const { return fSink != nullptr; }

 private:
  QPointer<QAudioSink> fSink;
  QPointer<QBuffer> fBuffer;
  QByteArray fBytes;  // the buffer reads them while the sound plays
};

}  // namespace quantora
