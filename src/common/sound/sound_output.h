#pragma once
// What the sound cues need of a playback back end. The back end on Qt Multimedia is a module
// of its own, opened the first time a sound is wanted: linked into the program, Qt Multimedia
// and the twenty-odd audio libraries it pulls in would be loaded before the program's first
// line runs, a tenth of the start-up.
#include <QString>
#include <memory>

namespace rumbelo {

class SoundEffect {
  public:
    virtual ~SoundEffect() = default;
    // Plays the wave file once, or over and over until stopped. The same path again is not
    // loaded again.
    virtual void play(const QString& path, bool looping) = 0;
    virtual void stop() = 0;
};

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual bool hasDevice() const = 0;
    virtual std::unique_ptr<SoundEffect> makeEffect() = 0;
};

// The module's file (without its "lib" and ".so") in the program folder, and its one entry.
inline constexpr char kSoundModuleName[] = "rumbelo_sound";
inline constexpr char kSoundModuleEntry[] = "rumbelo_make_sound_output";
using MakeSoundOutput = SoundOutput* (*)();

}  // namespace rumbelo
