// The sound module: playback on Qt Multimedia behind the sound cues' back-end interface.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "common/sound/sound_output.h"

namespace rumbelo {
namespace {

class QtSoundEffect : public SoundEffect {
  public:
    void play(const QString& path, bool looping) override {
        const QUrl url = QUrl::fromLocalFile(path);
        if (effect_.source() != url) effect_.setSource(url);
        effect_.setLoopCount(looping ? QSoundEffect::Infinite : 1);
        effect_.play();
    }
    void stop() override { effect_.stop(); }

  private:
    QSoundEffect effect_;
};

class QtSoundOutput : public SoundOutput {
  public:
    bool hasDevice() const override { return !QMediaDevices::audioOutputs().isEmpty(); }
    std::unique_ptr<SoundEffect> makeEffect() override { return std::make_unique<QtSoundEffect>(); }
};

}  // namespace
}  // namespace rumbelo

extern "C" Q_DECL_EXPORT rumbelo::SoundOutput* rumbelo_make_sound_output() {
    return new rumbelo::QtSoundOutput;
}
