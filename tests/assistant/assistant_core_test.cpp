// The assistant's composed texts and its timers' steps, on numbered texts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "secondary/assistant/assistant_motion.h"
#include "secondary/assistant/assistant_texts.h"
#include "support/numbered_texts.h"

using namespace rumbelo;
using namespace rumbelo::assistant;

TEST(AssistantTexts, ComposeTheirPartsWithSingleAndDoubleBreaks) {
    const InterfaceTexts texts = rumbelo::testing::numberedTexts();
    EXPECT_EQ(startText(texts), "t457\r\rt458\rt459\rt460\r\rt461\rt462\rt463\rt464\rt465");
    EXPECT_EQ(stepText(texts, Stage::Eso, 1), "t498\rt499");
    EXPECT_EQ(stepText(texts, Stage::Bachillerato, 2), "t492");
    EXPECT_EQ(stepText(texts, Stage::Eso, 3), "t485\rt486");
    EXPECT_EQ(stepText(texts, Stage::Bachillerato, 3), "t484");
    EXPECT_EQ(intermediateToHigherText(texts), "t480\rt481\rt482\r\rt483");
    EXPECT_EQ(joinedRun(texts, 509, 510), "t509\rt510");
}

TEST(AssistantMotion, StartTextBeginsAgainOnceEntirelyAbove) {
    EXPECT_EQ(scrollTick(10, 200, 400), 8);
    EXPECT_EQ(scrollTick(-198, 200, 400), -200);  // its last line still shows
    EXPECT_EQ(scrollTick(-199, 200, 400), 400);
    EXPECT_FALSE(slideTick(20, 16).done);
    EXPECT_TRUE(slideTick(18, 16).done);
}

// Each step stands five ticks, rises 2 pixels a tick until above the panel, then the next
// step begins at the bottom; the step's arrow blinks every third tick and stays at the end.
TEST(AssistantMotion, StepsFollowOneAnotherWithTheirArrowsBlinking) {
    StepAnimation animation;
    animation.start(100);
    int ticks = 0;
    std::vector<int> doneAt;
    for (int guard = 0; guard < 1000 && animation.step() != 0; ++guard) {
        const int step = animation.step();
        const StepAnimation::Tick tick = animation.tick();
        ++ticks;
        ASSERT_EQ(tick.step, step);
        if (step == 1 && ticks == 3) {
            EXPECT_TRUE(tick.arrowVisible);
        }
        if (step == 1 && ticks == 6) {
            EXPECT_FALSE(tick.arrowVisible);
        }
        if (step == 1 && ticks == 5) {
            EXPECT_EQ(tick.textTop, 100);
        }
        if (tick.stepDone) {
            EXPECT_TRUE(tick.arrowVisible);
            EXPECT_EQ(tick.textTop, 100);
            doneAt.push_back(ticks);
        }
        EXPECT_EQ(tick.finished, step == 3 && tick.stepDone);
    }
    // 5 still ticks, then 51 rising ones until the top is -2.
    EXPECT_EQ(doneAt, (std::vector<int>{56, 112, 168}));
    EXPECT_EQ(animation.tick().step, 0);
}

TEST(AssistantMotion, FlightsStartBesideThePictureAndDescendForTheLowerArrows) {
    // Picture panel at top 40, 450 x 420; the clicked arrow at 300.
    EXPECT_EQ(flightStart(2, 450, 40, 420, 300).y, 40);
    EXPECT_EQ(flightStart(3, 450, 40, 420, 300).y, 250);
    EXPECT_EQ(flightStart(4, 450, 40, 420, 300).y, 435);
    EXPECT_EQ(flightStart(6, 450, 40, 420, 300).y, 310);
    EXPECT_EQ(flightStart(7, 450, 40, 420, 300).y, 300);
    EXPECT_EQ(flightStart(8, 450, 40, 420, 300).x, 450);
    const Point start{450, 100};
    for (const int arrow : {2, 3, 6})
        EXPECT_EQ(flightPosition(arrow, start, kFlightTicks).y, 100) << arrow;
    for (const int arrow : {4, 7, 8}) {
        const Point end = flightPosition(arrow, start, kFlightTicks);
        EXPECT_EQ(end.x, 554) << arrow;
        EXPECT_EQ(end.y, 152) << arrow;
    }
}

// Every button of both stages belongs to exactly one arrow of its own stage.
TEST(AssistantMotion, EachButtonIsRevealedByOneArrow) {
    std::multiset<std::string> seen;
    for (const Stage stage : {Stage::Eso, Stage::Bachillerato})
        for (const int arrow : arrowsOf(stage)) {
            EXPECT_EQ(stageOfArrow(arrow), stage);
            for (const auto name : buttonsOfArrow(arrow))
                seen.insert(std::string(name));
        }
    EXPECT_EQ(seen.size(), 16u);
    for (const char* name : {"BDejar", "BGarantia", "BotDiversi", "BtGM", "Biti", "CatTit",
                             "BcBachi", "BotProfe", "BotFP", "BotFP2", "BiCar", "BFpTitGsAsis",
                             "BitiB", "CatTitB", "BConsejoAsis", "BotProfeB"})
        EXPECT_EQ(seen.count(name), 1u) << name;
    EXPECT_EQ(arrowOfStep(Stage::Eso, 1), 4);
    EXPECT_EQ(arrowOfStep(Stage::Bachillerato, 3), 6);
}
