#pragma once
// The program's sound cues on Qt Multimedia: the key click of the help panels, the engine
// sound of the helicopter and the assistant, and waves from the scene's wave list. Without
// an audio device every cue is silence and returns at once.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QSoundEffect;
class QTemporaryFile;

namespace rumbelo {

class SoundCues : public QObject {
    Q_OBJECT
  public:
    // `folder` holds "tecla.wav" and "motor.wav".
    explicit SoundCues(QString folder, QObject* parent = nullptr);
    ~SoundCues() override;

    // Whether an audio device was found; false means silence. Asked the first time a sound
    // is wanted: finding the devices starts the sound system, which is slow to start and
    // not needed before the first frame.
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
    QSoundEffect* effectFor(const QString& path, std::unique_ptr<QSoundEffect>& slot);
    QString spill(const QByteArray& wav, std::unique_ptr<QTemporaryFile>& slot);

    QString folder_;
    mutable std::optional<bool> available_;
    mutable int clickMs_ = 0;
    QByteArray engineImage_;
    std::unique_ptr<QSoundEffect> click_, engine_, loop_, wave_;
    std::unique_ptr<QTemporaryFile> loopFile_, waveFile_;
};

}  // namespace rumbelo
