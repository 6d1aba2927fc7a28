#include "common/sound/sound_cues.h"

#include <QAudioDevice>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include "common/sound/wave_info.h"

namespace rumbelo {
namespace {
constexpr int kLongestClickMs = 300;
}

SoundCues::SoundCues(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {}

bool SoundCues::available() const {
    if (available_) return *available_;
    available_ = !QMediaDevices::audioOutputs().isEmpty();
    if (*available_) {
        QFile click(QDir(folder_).filePath(QStringLiteral("tecla.wav")));
        if (click.open(QIODevice::ReadOnly))
            clickMs_ = waveDurationMs(click.readAll().toStdString()).value_or(0);
    }
    return *available_;
}

SoundCues::~SoundCues() = default;

QSoundEffect* SoundCues::effectFor(const QString& path, std::unique_ptr<QSoundEffect>& slot) {
    if (!slot) slot = std::make_unique<QSoundEffect>();
    const QUrl url = QUrl::fromLocalFile(path);
    if (slot->source() != url) slot->setSource(url);
    return slot.get();
}

QString SoundCues::spill(const QByteArray& wav, std::unique_ptr<QTemporaryFile>& slot) {
    slot = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("rumbeloXXXXXX.wav")));
    if (!slot->open()) return {};
    slot->write(wav);
    slot->flush();
    return slot->fileName();
}

void SoundCues::KeyClick(bool on) {
    if (!on || !available()) return;
    QSoundEffect* click = effectFor(QDir(folder_).filePath(QStringLiteral("tecla.wav")), click_);
    click->play();
    // The click paces the help lines: wait while it plays, but never hang on a silent device.
    const int wait = std::min(clickMs_, kLongestClickMs);
    if (wait <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundCues::EngineSound(bool on) {
    if (!on || !available()) return;
    effectFor(QDir(folder_).filePath(QStringLiteral("motor.wav")), engine_)->play();
}

void SoundCues::EngineLoop(bool on) {
    if (!available()) return;
    if (!on) {
        if (loop_) loop_->stop();
        return;
    }
    if (engineImage_.isEmpty()) return;
    if (!loop_ || !loopFile_) {
        const QString path = spill(engineImage_, loopFile_);
        if (path.isEmpty()) return;
        effectFor(path, loop_);
    }
    loop_->setLoopCount(QSoundEffect::Infinite);
    loop_->play();
}

void SoundCues::playWave(const QByteArray& wav) {
    if (!available() || wav.isEmpty()) return;
    const QString path = spill(wav, waveFile_);
    if (path.isEmpty()) return;
    wave_.reset();  // a new file: a new effect
    effectFor(path, wave_)->play();
}

}  // namespace rumbelo
