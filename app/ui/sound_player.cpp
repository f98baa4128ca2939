#include "sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace quantora {

TSoundPlayer::TSoundPlayer(QObject* parent) : QObject(parent) {}

TSoundPlayer::~TSoundPlayer() { Stop(); }

TSoundPlayer::TStart TSoundPlayer::Play(const std::vector<std::int16_t>& samples, int rate) {
  Stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return TStart::ssNoDevice;
  QAudioFormat format;
  format.setSampleRate(rate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return TStart::ssUnsupported;

  fBytes = QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2));
  fBuffer = new QBuffer(&fBytes, this);
  fBuffer->open(QIODevice::ReadOnly);
  fSink = new QAudioSink(device, format, this);
  // Idle: the buffer is played out (or the device ran dry); stopped with an
  // error: the device went away. Either way the sound is over.
  connect(fSink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
    if (state == QAudio::IdleState || (state == QAudio::StoppedState && fSink && fSink->error() != QAudio::NoError))
      Stop();
  });
  fSink->start(fBuffer);
  if (fSink->error() == QAudio::NoError) return TStart::ssPlaying;
  Stop();
  return TStart::ssFailed;
}

void TSoundPlayer::Stop() {
  // Deleted later: Stop may run inside the sink's own signal.
  if (fSink) {
    fSink->disconnect(this);
    fSink->stop();
    fSink->deleteLater();
  }
  if (fBuffer) fBuffer->deleteLater();
  fSink = nullptr;
  fBuffer = nullptr;
}

}  // namespace quantora
