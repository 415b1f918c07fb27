#pragma once
// Plays the study data's sound cues through Qt Multimedia.
#include <QObject>
#include <QSoundEffect>
#include <QString>
#include <map>
#include <memory>

// One cue at a time: a new cue stops the one that is playing. Effects are kept per file so a
// cue that has played once starts without loading again. A missing file plays nothing.
class SoundCuePlayer : public QObject {
  public:
    explicit SoundCuePlayer(QObject* parent = nullptr) : QObject(parent) {}
    void play(const QString& path);
    // Registers this player for PlaySoundCue.
    void install();

  private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};
