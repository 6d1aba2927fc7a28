#include "common/program/start_settings.h"

#include "common/program/themes.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

Language languageFromProfile(std::uint8_t languageByte) {
    Language language;
    language.flag = languageByte != 0;
    language.folder = language.flag ? languageFolderFor(languageByte) : "";
    return language;
}

StartSettings settingsFromProfile(const SchoolProfile& profile) {
    StartSettings settings;
    settings.themeLetter = profile.themeLetter;
    settings.language = languageFromProfile(profile.language);
    settings.animation = profile.animation;
    return settings;
}

void applyCommandLine(StartSettings& settings, const std::vector<std::string>& params) {
    if (params.empty() || params[0].empty()) return;
    if (isThemeLetter(params[0][0])) settings.themeLetter = std::string(1, params[0][0]);
    const std::string second = params.size() > 1 ? params[1] : "";
    if (second == "S" || second == "N") settings.animationParam = second[0];
    const std::string third = params.size() > 2 ? params[2] : "";
    if (third == "1" || third == "2" || third == "3")
        settings.language.folder = languageFolderFor(third[0] - '0');
    // A missing or unreadable parameter 3 counts as 0: Spanish.
    const int value = parseNumber(third).value_or(0);
    if (value < 1) {
        settings.language.flag = false;
        settings.language.folder.clear();
    } else {
        settings.language.flag = true;
    }
}

bool wantsAnimatedScene(const StartSettings& settings, int graphicsLevel) {
    bool on = settings.animation != 0;
    if (settings.animationParam == 'N') on = false;
    if (settings.animationParam == 'S') on = true;
    return on && graphicsLevel >= 7;
}

}  // namespace rumbelo
