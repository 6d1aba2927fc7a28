// The scene's captions, hints, bubbles and sign texts as built from the interface texts.
#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "scene/rules/bubble_lines.h"
#include "scene/rules/scene_texts.h"
#include "scene/rules/sections.h"
#include "scene/rules/sign_texts.h"
#include "scene/rules/title_reveal.h"
#include "scene/world/building_table.h"
#include "support/numbered_texts.h"

using namespace rumbelo;
using rumbelo::testing::numberedTexts;

TEST(SceneTexts, DoorCaptionsAndHintsJoinTheirTextsWithCarriageReturns) {
    const SceneTexts s = buildSceneTexts(numberedTexts());
    EXPECT_EQ(s.doors[0].caption, "t84");
    EXPECT_EQ(s.doors[0].hint, "t306\rt307\rt300");
    EXPECT_EQ(s.doors[5].caption, "t514\rt1\rt2");
    EXPECT_EQ(s.doors[4].hint, "t113\rt154\rt155\rt156\rt157\rt158\rt159");
    EXPECT_EQ(s.doors[6].caption, "t622 t623");
    EXPECT_EQ(s.doors[7].caption, "t8\rt9\rt10\rt11");
    EXPECT_EQ(s.doors[8].caption, "t8\rt9\rt10\rt12");
    EXPECT_EQ(s.doors[8].hint, "t305\rt509 t510");
    EXPECT_EQ(s.doors[9].caption, "t6");
    EXPECT_EQ(s.doors[9].hint, "");  // the assistant's label has no hint
    EXPECT_EQ(s.leaveCaption, "t587\rt588");
    EXPECT_EQ(s.leaveHint, "t580");
    EXPECT_EQ(s.bubble1, "t264\rRumbelo.\rt175 2007-2008.");
    EXPECT_EQ(s.bubble2, "t16\rt265\rt266\rt267");
    EXPECT_EQ(s.title, "t5");
}

TEST(SceneTexts, AnEmptyTextLeavesAnEmptyCaption) {
    InterfaceTexts texts = numberedTexts();
    texts.set(84, "");
    EXPECT_EQ(buildSceneTexts(texts).doors[0].caption, "");
}

TEST(SceneTexts, DoorLabelsMatchTheirSections) {
    EXPECT_STREQ(doorLabelFor(8)->name, "LabelCuesB");
    EXPECT_EQ(doorLabelFor(8)->x, 295);
    EXPECT_EQ(doorLabelFor(11)->y, 363);
    EXPECT_EQ(doorLabelFor(10), nullptr);
    EXPECT_EQ(sectionTarget(3)->form, "TForm1");
    EXPECT_EQ(sectionTarget(7)->form, "Tprofe");
    EXPECT_EQ(sectionTarget(kLeaveSection)->form, "TCertifica");
    EXPECT_TRUE(sectionTarget(11)->modal);
    EXPECT_FALSE(sectionTarget(12));
}

TEST(SignTexts, PlatesAndSignsCarryTheirTexts) {
    const auto signs = signTexts(numberedTexts());
    int onLeaveSign = 0;
    bool esoPlate = false;
    for (const SignText& s : signs) {
        if (s.piece == piece::kLeaveSign) {
            ++onLeaveSign;
            EXPECT_EQ(s.size, 14);
            EXPECT_EQ(s.dx, -10);
        }
        if (s.piece == piece::kPlateCorridorRight) esoPlate = s.text == "t79 ESO";
        if (s.piece == piece::kPlateTopDoor1 + 2) {
            EXPECT_EQ(s.text, "t47");
        }
    }
    EXPECT_EQ(onLeaveSign, 2);
    EXPECT_TRUE(esoPlate);
    // Two double signs with four texts each, and 29 texts in all.
    EXPECT_EQ(signs.size(), 29u);
}

TEST(SignTexts, TheWordsSitInTheMiddleOfTheirBoardsFaces) {
    // The faces the forge paints (top and bottom, the narrowest over the six themes) and a
    // line's height on the back buffer (points are pixels there: 1.15 times the size).
    struct Face {
        int height, top, bottom;
    };
    const std::map<std::string_view, Face> faces = {{"rotulo1", {56, 4, 52}},
                                                    {"rotulo2", {56, 10, 53}},
                                                    {"rotulos", {66, 6, 60}},
                                                    {"tabla1", {50, 6, 44}}};
    // The lines of one column of one sign, top and bottom of the whole.
    std::map<std::pair<int, int>, std::pair<double, double>> columns;
    for (const SignText& s : signTexts(numberedTexts())) {
        const Face& face = faces.at(kBuilding[static_cast<std::size_t>(s.piece - 1)].image);
        const double line = 1.15 * s.size;
        const double top = face.height / 2.0 - line / 2 + s.dy;
        auto [it, fresh] = columns.try_emplace({s.piece, s.dx}, top, top + line);
        if (!fresh) {
            it->second.first = std::min(it->second.first, top);
            it->second.second = std::max(it->second.second, top + line);
        }
    }
    for (const auto& [at, span] : columns) {
        const Face& face = faces.at(kBuilding[static_cast<std::size_t>(at.first - 1)].image);
        EXPECT_GE(span.first, face.top - 3) << "piece " << at.first;
        EXPECT_LE(span.second, face.bottom + 3) << "piece " << at.first;
        EXPECT_NEAR((span.first + span.second) / 2, (face.top + face.bottom) / 2.0, 3)
            << "piece " << at.first;
    }
}

TEST(TitleReveal, SlowMachinesNeverRevealTheTitle) {
    TitleReveal slow;
    for (int i = 0; i < 100; ++i)
        slow.frame(8, 5);
    EXPECT_EQ(slow.shown(), 0);
    EXPECT_FALSE(slow.complete(5));
    TitleReveal fast;
    for (int i = 0; i < 100; ++i)
        fast.frame(15, 5);  // a letter a frame
    EXPECT_EQ(fast.shown(), 5);
    EXPECT_TRUE(fast.complete(5));
}

TEST(TitleReveal, TheLineMovesLeftAsItGrows) {
    EXPECT_EQ(titleLeft(200, 0, 48), 200);
    EXPECT_EQ(titleLeft(200, 10, 48), 160);  // 10 x 48 div 12
    EXPECT_EQ(titleLeft(360, 20, 18), 270);  // 20 x 18 div 4
    EXPECT_EQ(titleLeft(360, 20, 16), 280);  // with the large-fonts correction
}

TEST(BubbleLines, LaterAreasWinWhereTheyOverlap) {
    const InterfaceTexts texts = numberedTexts();
    EXPECT_EQ((*bubbleLinesAt(0, -100, texts))[3], "t640");
    EXPECT_FALSE(bubbleLinesAt(0, -101, texts));
    EXPECT_EQ((*bubbleLinesAt(0, -480, texts))[0], "t450");
    EXPECT_EQ((*bubbleLinesAt(0, -479, texts))[0], "t444");
    EXPECT_EQ((*bubbleLinesAt(0, -700, texts))[0], "t450");
    EXPECT_EQ((*bubbleLinesAt(0, -1000, texts))[3], "t414");
    EXPECT_EQ((*bubbleLinesAt(1801, 0, texts))[1], "    \xA1\xA1\xA1\xA1  Vuelve  !!!!");
}
