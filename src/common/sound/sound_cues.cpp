#include "common/sound/sound_cues.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLibrary>
#include <QTemporaryFile>
#include <QTimer>

#include "common/sound/wave_info.h"

namespace rumbelo {
namespace {
constexpr int kLongestClickMs = 300;
}

SoundCues::SoundCues(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {
    // Opening the module loads Qt Multimedia and the audio libraries: work for the second
    // core while the forms are built. The module stays loaded to the end.
    moduleLoad_ = std::async(
        std::launch::async, [path = QDir(folder_).filePath(QString::fromLatin1(kSoundModuleName))] {
            QLibrary module(path);
            return reinterpret_cast<MakeSoundOutput>(module.resolve(kSoundModuleEntry));
        });
}

bool SoundCues::available() const {
    if (available_) return *available_;
    if (const MakeSoundOutput make = moduleLoad_.get()) output_.reset(make());
    available_ = output_ && output_->hasDevice();
    if (*available_) {
        QFile click(QDir(folder_).filePath(QStringLiteral("tecla.wav")));
        if (click.open(QIODevice::ReadOnly))
            clickMs_ = waveDurationMs(click.readAll().toStdString()).value_or(0);
    }
    return *available_;
}

SoundCues::~SoundCues() = default;

void SoundCues::play(std::unique_ptr<SoundEffect>& slot, const QString& path, bool looping) {
    if (!slot) slot = output_->makeEffect();
    slot->play(path, looping);
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
    play(click_, QDir(folder_).filePath(QStringLiteral("tecla.wav")));
    // The click paces the help lines: wait while it plays, but never hang on a silent device.
    const int wait = std::min(clickMs_, kLongestClickMs);
    if (wait <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundCues::EngineSound(bool on) {
    if (!on || !available()) return;
    play(engine_, QDir(folder_).filePath(QStringLiteral("motor.wav")));
}

void SoundCues::EngineLoop(bool on) {
    if (!available()) return;
    if (!on) {
        if (loop_) loop_->stop();
        return;
    }
    if (engineImage_.isEmpty()) return;
    if (!loop_ || !loopFile_) {
        if (spill(engineImage_, loopFile_).isEmpty()) return;
    }
    play(loop_, loopFile_->fileName(), true);
}

void SoundCues::playWave(const QByteArray& wav) {
    if (!available() || wav.isEmpty()) return;
    const QString path = spill(wav, waveFile_);
    if (path.isEmpty()) return;
    wave_.reset();  // a new file: a new effect
    play(wave_, path);
}

}  // namespace rumbelo
