#pragma once
// The program's sound cues: the key click of the help panels, the engine sound of the
// helicopter and the assistant, and waves from the scene's wave list. Without an audio device
// or the sound module every cue is silence and returns at once.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <future>
#include <memory>
#include <optional>

#include "common/sound/sound_output.h"

class QTemporaryFile;

namespace rumbelo {

class SoundCues : public QObject {
    Q_OBJECT
  public:
    // `folder` holds "tecla.wav", "motor.wav" and the sound module. The module starts
    // loading on a thread of its own at once, so that the first sound finds it ready.
    explicit SoundCues(QString folder, QObject* parent = nullptr);
    ~SoundCues() override;

    // Whether the sound module opened and found an audio device; false means silence. Asked
    // the first time a sound is wanted: the sound system is slow to start and not needed
    // before the first frame.
    bool available() const;

    // "tecla.wav", waiting until it has played (never longer than it lasts, at most 300 ms).
    void KeyClick(bool on);
    // "motor.wav" from its file, without waiting.
    void EngineSound(bool on);
    // The engine sound held in memory, looping, without waiting; off stops it.
    void EngineLoop(bool on);
    void setEngineImage(const QByteArray& wav) { engineImage_ = wav; }
    const QByteArray& engineImage() const { return engineImage_; }

    // A wave from a list, played once without waiting.
    void playWave(const QByteArray& wav);

  private:
    void play(std::unique_ptr<SoundEffect>& slot, const QString& path, bool looping = false);
    QString spill(const QByteArray& wav, std::unique_ptr<QTemporaryFile>& slot);

    QString folder_;
    mutable std::future<MakeSoundOutput> moduleLoad_;
    mutable std::unique_ptr<SoundOutput> output_;
    mutable std::optional<bool> available_;
    mutable int clickMs_ = 0;
    QByteArray engineImage_;
    std::unique_ptr<SoundEffect> click_, engine_, loop_, wave_;
    std::unique_ptr<QTemporaryFile> loopFile_, waveFile_;
};

}  // namespace rumbelo
