#include <gtest/gtest.h>

#include "common/program/school_profile.h"
#include "common/program/start_settings.h"
#include "common/program/themes.h"
#include "platform/display_mode_rules.h"

namespace rumbelo {
namespace {

std::string record(const std::string& name, int nameLength, int animation, int language,
                   const std::string& theme) {
    std::string bytes(64, '\0');
    bytes[1] = static_cast<char>(nameLength);
    bytes.replace(2, name.size(), name);
    bytes[52] = static_cast<char>(animation);
    bytes[58] = static_cast<char>(language);
    bytes[62] = static_cast<char>(theme.size());
    if (!theme.empty()) bytes[63] = theme[0];
    return bytes;
}

TEST(SchoolProfile, NameIsTrimmedAndBytesAfterItsLengthIgnored) {
    const auto profile = parseSchoolProfile(record("IES Severo Ochoa   XXXX", 19, 1, 2, "C"));
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->schoolName, "IES Severo Ochoa");
    EXPECT_EQ(profile->animation, 1);
    EXPECT_EQ(profile->language, 2);
    EXPECT_EQ(profile->themeLetter, "C");
}

TEST(SchoolProfile, ALengthByteBeyondFiftyNeverReadsPastTheNameField) {
    const auto profile = parseSchoolProfile(record(std::string(50, 'n'), 200, 0, 0, "F"));
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->schoolName, std::string(50, 'n'));
    EXPECT_FALSE(parseSchoolProfile(std::string(63, '\0')));
}

TEST(SchoolProfile, EncodingRoundTrips) {
    SchoolProfile written{"Colegio San Jos\xE9", 1, 3, "N"};
    const std::string bytes = encodeSchoolProfile(written);
    ASSERT_EQ(bytes.size(), 64u);
    const auto read = parseSchoolProfile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->schoolName, written.schoolName);
    EXPECT_EQ(read->language, 3);
    EXPECT_EQ(read->themeLetter, "N");
}

TEST(SchoolProfile, TheFirstListedClave8FileWinsAndTheNameIsCaseSensitive) {
    EXPECT_EQ(findProfileFileName({".", "..", "textos", "Clave8x", "clave8b", "clave8a"}),
              "clave8b");
    EXPECT_EQ(findProfileFileName({"CLAVE8"}), "clave8");
    EXPECT_EQ(findProfileFileName({}), "clave8");
}

TEST(StartSettings, LanguageByteChoosesFolderAndFlag) {
    EXPECT_FALSE(languageFromProfile(0).flag);
    EXPECT_EQ(languageFromProfile(1).folder, "catVal/");
    EXPECT_EQ(languageFromProfile(3).folder, "euskera/");
    const Language odd = languageFromProfile(7);
    EXPECT_TRUE(odd.flag);
    EXPECT_EQ(odd.folder, "");
}

StartSettings catalanFlowers() {
    StartSettings settings;
    settings.themeLetter = "F";
    settings.language = languageFromProfile(1);
    settings.animation = 1;
    return settings;
}

TEST(CommandLine, ThemeWordCountsByItsFirstLetterOnlyWhenUpperCase) {
    StartSettings settings = catalanFlowers();
    applyCommandLine(settings, {"Egipto", "", "1"});
    EXPECT_EQ(settings.themeLetter, "E");
    settings = catalanFlowers();
    applyCommandLine(settings, {"egipto", "", "1"});
    EXPECT_EQ(settings.themeLetter, "F");
}

TEST(CommandLine, ParameterThreeZeroMeansSpanishWhateverTheProfileSays) {
    StartSettings settings = catalanFlowers();
    applyCommandLine(settings, {"C", "S", "0"});
    EXPECT_FALSE(settings.language.flag);
    EXPECT_EQ(settings.language.folder, "");
    EXPECT_EQ(settings.animationParam, 'S');
}

TEST(CommandLine, LanguageDigitsSetFolderAndFlag) {
    StartSettings settings = catalanFlowers();
    applyCommandLine(settings, {"N", "x", "2"});
    EXPECT_TRUE(settings.language.flag);
    EXPECT_EQ(settings.language.folder, "galego/");
    EXPECT_EQ(settings.animationParam, 0);
    applyCommandLine(settings, {"N", "N", "5"});  // flag on, folder kept from before
    EXPECT_TRUE(settings.language.flag);
    EXPECT_EQ(settings.language.folder, "galego/");
}

TEST(CommandLine, AnEmptyFirstParameterLeavesEverything) {
    StartSettings settings = catalanFlowers();
    applyCommandLine(settings, {"", "N", "0"});
    EXPECT_EQ(settings.themeLetter, "F");
    EXPECT_TRUE(settings.language.flag);
    EXPECT_EQ(settings.animationParam, 0);
}

TEST(CommandLine, AThemeWithoutLanguageNumberFallsBackToSpanish) {
    StartSettings settings = catalanFlowers();
    applyCommandLine(settings, {"A"});
    EXPECT_EQ(settings.themeLetter, "A");
    EXPECT_FALSE(settings.language.flag);
}

TEST(AnimationDecision, CommandLineOverridesTheProfileButNotTheGraphicsLevel) {
    StartSettings settings = catalanFlowers();
    EXPECT_TRUE(wantsAnimatedScene(settings, 9));
    EXPECT_FALSE(wantsAnimatedScene(settings, 6));
    settings.animationParam = 'N';
    EXPECT_FALSE(wantsAnimatedScene(settings, 9));
    settings.animation = 0;
    settings.animationParam = 'S';
    EXPECT_TRUE(wantsAnimatedScene(settings, 7));
    EXPECT_FALSE(wantsAnimatedScene(settings, 0));
}

TEST(Themes, EachLetterNamesItsFilesAndColours) {
    const auto flowers = themeFor("F");
    ASSERT_TRUE(flowers);
    EXPECT_EQ(flowers->torchList, "antorchaf.dxg");
    EXPECT_EQ(flowers->skin, 2);
    EXPECT_EQ(flowers->decoration, "arbol.bmp");
    const auto castle = themeFor("C");
    ASSERT_TRUE(castle);
    EXPECT_EQ(castle->colours.title, (Rgb{222, 115, 18}));
    EXPECT_EQ(castle->waveList, "nieve.dxw");
    const auto aztec = themeFor("A");
    ASSERT_TRUE(aztec);
    EXPECT_EQ(aztec->waveList, "inicio.dxw");
    EXPECT_EQ(aztec->decoration, "");
    EXPECT_EQ(aztec->colours.leaveHover, (Rgb{0, 0, 0}));
    EXPECT_EQ(themeFor("P")->scenePicture, "todoP");
    EXPECT_FALSE(themeFor("X"));
    EXPECT_FALSE(themeFor("f"));
    EXPECT_FALSE(themeFor(""));
}

TEST(DisplayModes, OnlyA800x600x16ListedModeIsTakenAndDepthKeptWhenDeeper) {
    const DisplayMode big{1024, 768, 32};
    EXPECT_TRUE(needsModeQuestion(big));
    EXPECT_FALSE(needsModeQuestion({800, 600, 16}));
    EXPECT_TRUE(needsModeQuestion({800, 600, 8}));
    EXPECT_FALSE(modeSwitchRequest(big, {{800, 600, 32}, {1024, 768, 32}}));
    const auto request = modeSwitchRequest(big, {{800, 600, 16}, {1024, 768, 32}});
    ASSERT_TRUE(request);
    EXPECT_EQ(*request, (DisplayMode{800, 600, 32}));
    EXPECT_EQ(modeSwitchRequest({640, 480, 8}, {{800, 600, 16}})->depth, 16);
    EXPECT_EQ(restoreTarget(big, {{800, 600, 16}, big}), big);
    EXPECT_FALSE(restoreTarget(big, {{800, 600, 16}}));
}

}  // namespace
}  // namespace rumbelo
