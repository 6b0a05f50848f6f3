#include "ui/platform/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace ondivel {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::play(const QString& waveFile) {
    const QFileInfo file(waveFile);
    if (!file.isFile()) return false;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    const QString path = file.absoluteFilePath();
    if (path != source_) {
        effect_->setSource(QUrl::fromLocalFile(path));
        source_ = path;
    }
    if (effect_->status() == QSoundEffect::Error) return false;
    effect_->stop();
    effect_->play();
    return true;
}

} // namespace ondivel
