#include "sound_player.h"

#include "sound_cue.h"

#include <QFileInfo>
#include <QUrl>

void SoundCuePlayer::play(const QString& path) {
    if (playing_) playing_->stop();
    playing_ = nullptr;
    const QFileInfo file(path);
    if (!file.isFile()) return;
    auto& effect = effects_[file.absoluteFilePath()];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    effect->play();
    playing_ = effect.get();
}

void SoundCuePlayer::install() {
    SoundCue_SetPlayer([this](const std::string& path) { play(QString::fromStdString(path)); });
}
