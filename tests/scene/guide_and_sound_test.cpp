// The help guide's rhythm and the wave header reading behind the key click's wait.
#include <gtest/gtest.h>

#include "common/guide/guide_steps.h"
#include "common/sound/wave_info.h"

using namespace rumbelo;

namespace {

std::string le32(std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string wave(std::uint32_t byteRate, std::uint32_t dataBytes, bool extraChunk = false) {
    std::string fmt = "fmt " + le32(16) + std::string("\x01\x00\x01\x00", 4) + le32(22050) +
                      le32(byteRate) + std::string("\x02\x00\x10\x00", 4);
    std::string extra = extraChunk ? "LIST" + le32(3) + "abc" + std::string(1, '\0') : "";
    std::string data = "data" + le32(dataBytes) + std::string(dataBytes, '\0');
    std::string body = "WAVE" + fmt + extra + data;
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

}  // namespace

TEST(GuideSteps, EightStepsThenTheCountersReturnToZero) {
    GuideCounters counters;
    GuideLines lines;
    for (int s = 0; s < kGuideSteps; ++s)
        lines[s] = "line " + std::to_string(s);
    lines[3] = "";  // an empty line fills its label without a click
    for (int s = 0; s < kGuideSteps; ++s) {
        const GuideTick t = guideTick(counters, lines, false);
        ASSERT_FALSE(t.finished);
        EXPECT_EQ(t.frame, s);
        EXPECT_EQ(t.label, s);
        EXPECT_EQ(t.click, s != 3);
    }
    EXPECT_TRUE(guideTick(counters, lines, false).finished);
    EXPECT_EQ(counters.step, 0);
    EXPECT_EQ(counters.line, 0);
}

TEST(GuideSteps, TheScenesPanelFillsFiveLabelsAndClicksOnEveryTick) {
    GuideCounters counters;
    const GuideLines lines = sceneGuideLines({"a", "b", "c", "d", "e"});
    std::vector<std::pair<int, std::string>> filled;
    int clicks = 0;
    for (;;) {
        const GuideTick t = guideTick(counters, lines, true);
        if (t.finished) break;
        clicks += t.click;
        if (t.label >= 0) filled.emplace_back(t.label, t.text);
    }
    EXPECT_EQ(clicks, 8);
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"}};
    EXPECT_EQ(filled, expected);
}

TEST(GuideSteps, ASecondPanelStartingMidwayContinuesTheSharedCounters) {
    GuideCounters shared;
    GuideLines first, second;
    for (int s = 0; s < kGuideSteps; ++s) {
        first[s] = "first " + std::to_string(s);
        second[s] = "second " + std::to_string(s);
    }
    guideTick(shared, first, false);
    guideTick(shared, first, false);
    // Another section's panel takes over the same counters: its own lines, from step 2 on,
    // and the run ends when the shared eight steps are done.
    std::vector<std::pair<int, std::string>> shown;
    for (GuideTick t = guideTick(shared, second, false); !t.finished;
         t = guideTick(shared, second, false)) {
        EXPECT_EQ(t.frame, t.label);
        shown.emplace_back(t.label, t.text);
    }
    ASSERT_EQ(shown.size(), std::size_t{kGuideSteps - 2});
    EXPECT_EQ(shown.front(), (std::pair<int, std::string>{2, "second 2"}));
    EXPECT_EQ(shown.back(), (std::pair<int, std::string>{kGuideSteps - 1, "second 7"}));
    EXPECT_EQ(shared.step, 0);
}

TEST(WaveInfo, DurationFromTheByteRateAndTheDataChunk) {
    EXPECT_EQ(waveDurationMs(wave(44100, 4410)), 100);
    EXPECT_EQ(waveDurationMs(wave(44100, 4410, true)), 100);  // other chunks are skipped
    EXPECT_EQ(waveDurationMs("RIFF1234WAVE"), std::nullopt);
    EXPECT_EQ(waveDurationMs("not a wave"), std::nullopt);
    EXPECT_EQ(waveDurationMs(wave(0, 100)), std::nullopt);
    // A data chunk claiming more than the file holds still gives its stated length.
    std::string cut = wave(1000, 500);
    cut.resize(cut.size() - 400);
    EXPECT_EQ(waveDurationMs(cut), 500);
}
