#pragma once
// What the school profile and the command line decide together: theme, language and
// whether the scene is animated.
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/program/school_profile.h"

namespace rumbelo {

struct StartSettings {
    std::string themeLetter;
    Language language;
    std::uint8_t animation = 0;  // the profile's animation byte
    char animationParam = 0;     // 'S', 'N' or 0 from the command line
};

// The language byte of the profile: 0 clears the flag; any other value sets it, and 1, 2, 3
// choose the folder.
Language languageFromProfile(std::uint8_t languageByte);

StartSettings settingsFromProfile(const SchoolProfile& profile);

// Parameters after the program name. Read only when parameter 1 is not empty:
//  1: a word whose first character is a theme letter overrides the theme;
//  2: "S" or "N" forces the animated or the static scene;
//  3: "1".."3" choose the language folder; then a value below 1 (or no number at all)
//     means Spanish, 1 or more sets the language flag.
void applyCommandLine(StartSettings& settings, const std::vector<std::string>& params);

// Animated only when the graphics level is 7 or more and the animation is on after the
// command line has had its say.
bool wantsAnimatedScene(const StartSettings& settings, int graphicsLevel);

}  // namespace rumbelo
