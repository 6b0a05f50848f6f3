#pragma once
// Plays short wave files without waiting: a new sound cuts the one playing. Without an audio
// device the sound is simply not heard. Used by QtPlatform for the click of the scale lists.
#include <QString>
#include <memory>

class QSoundEffect;

namespace ondivel {

class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();

    // False when the file does not exist or cannot be played.
    bool play(const QString& waveFile);

  private:
    std::unique_ptr<QSoundEffect> effect_;
    QString source_;
};

} // namespace ondivel
