// The build-up of the itinerary diagram, its buttons' clicks, the space game's count, the
// buttons' hints and the school name's size on the opening screen.
#include <gtest/gtest.h>

#include "itineraries/crafted_itinerary_data.h"
#include "secondary/itineraries/itinerary_buttons.h"
#include "secondary/itineraries/itinerary_drawing.h"
#include "secondary/itineraries/itinerary_mode.h"
#include "secondary/questionnaire/section_texts.h"

namespace rumbelo::secondary {
namespace {

ItineraryMode finishedBuildUp() {
    ItineraryMode mode;
    mode.enter();
    for (int k = 0; k < 8; ++k)
        mode.advance();
    return mode;
}

TEST(BuildUpTest, StepZeroOnTheButtonOneToSevenOnAdvancesButtonsOnTheNinth) {
    ItineraryMode mode;
    EXPECT_EQ(mode.advance().drawn, -1);  // not started: nothing to advance
    const Advance first = mode.enter();
    EXPECT_EQ(first.drawn, 0);
    EXPECT_EQ(first.helpSet, 9);
    EXPECT_FALSE(first.showButtons);
    const int helpSets[] = {12, 13, 14, 15, 16, 17, 19};
    for (int step = 1; step <= 7; ++step) {
        const Advance a = mode.advance();
        EXPECT_EQ(a.drawn, step);
        EXPECT_EQ(a.helpSet, helpSets[step - 1]);
        EXPECT_FALSE(a.showButtons);
        EXPECT_EQ(mode.paintedUpTo(), step);  // a repaint keeps what is drawn so far
    }
    const Advance ninth = mode.advance();
    EXPECT_EQ(ninth.drawn, -1);
    EXPECT_TRUE(ninth.showButtons);
    EXPECT_EQ(ninth.helpSet, 22);
    EXPECT_FALSE(mode.animating());
    EXPECT_EQ(mode.paintedUpTo(), kWholeDiagram);
    EXPECT_EQ(mode.advance().drawn, -1);  // later clicks draw nothing more
    EXPECT_FALSE(mode.advance().showButtons);
}

TEST(BuildUpTest, BackResetsAndTheNextEntryStartsAgain) {
    ItineraryMode mode = finishedBuildUp();
    mode.buttonClicked(2);
    mode.reset();
    EXPECT_FALSE(mode.itineraryMode());
    EXPECT_FALSE(mode.listOpen());
    EXPECT_EQ(mode.paintedUpTo(), -1);
    EXPECT_EQ(mode.buttonClicked(2), ButtonClick::Ignored);
    EXPECT_EQ(mode.enter().drawn, 0);
}

TEST(ButtonClickTest, AClickOnAnOpenListOnlyClosesIt) {
    ItineraryMode mode;
    mode.enter();
    EXPECT_EQ(mode.buttonClicked(3), ButtonClick::Ignored);  // still building up
    for (int k = 0; k < 8; ++k)
        mode.advance();
    EXPECT_EQ(mode.buttonClicked(3), ButtonClick::Opens);
    EXPECT_EQ(mode.buttonType(), 4);
    EXPECT_EQ(mode.buttonClicked(9), ButtonClick::ClosedList);
    EXPECT_EQ(mode.buttonType(), 4);
    EXPECT_EQ(mode.buttonClicked(9), ButtonClick::Opens);
    EXPECT_EQ(mode.buttonType(), 10);
    mode.closeList();
    EXPECT_EQ(mode.buttonClicked(1), ButtonClick::Opens);
}

TEST(SpaceGameTest, NeedsThreeListOpeningClicksAndClosingClicksDoNotCount) {
    ItineraryMode mode = finishedBuildUp();
    mode.buttonClicked(2);  // opens
    mode.buttonClicked(5);  // closes
    mode.buttonClicked(5);  // opens
    mode.buttonClicked(6);  // closes
    EXPECT_EQ(mode.clickCount(), 2);
    EXPECT_EQ(mode.gameClicked(), GameClick::Notice);
    mode.buttonClicked(6);
    EXPECT_EQ(mode.gameClicked(), GameClick::Play);
    EXPECT_EQ(mode.gameClicked(), GameClick::Notice);  // the count starts again
    mode.reset();
    EXPECT_EQ(mode.clickCount(), 0);
}

TEST(ButtonTableTest, HintsCutEachPartAndKeepTheBlankOfAnEmptyPart) {
    InterfaceTexts texts;
    texts.set(83, "Imprimir el itinerario completo");
    texts.set(107, "-");
    texts.set(113, "FP Grado Medio");
    texts.set(92, "Artes");
    EXPECT_EQ(buttonHint(itineraryButton(1), texts), "Imprimir el itinerario co - Artes");
    EXPECT_EQ(buttonHint(itineraryButton(16), texts), "Imprimir el itinerario co FP Grado Medio ");
    texts.set(85, "Formación");
    texts.set(106, "Profesional");
    texts.set(114, "Acceso");
    EXPECT_EQ(buttonHint(itineraryButton(39), texts), "Acceso a la Formación Profesional");
    // No hint repeats its first part.
    for (const ItineraryButton& b : itineraryButtons())
        EXPECT_NE(b.hint[0].text, b.hint[1].text) << b.name;
}

TEST(ButtonTableTest, ButtonsSitApartInsideTheForm) {
    const auto& buttons = itineraryButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].index, static_cast<int>(i) + 1);
        EXPECT_LE(gridLeft(buttons[i].col) + 24, 800);
        for (std::size_t j = i + 1; j < buttons.size(); ++j) {
            const bool apart =
                std::abs(gridLeft(buttons[i].col) - gridLeft(buttons[j].col)) >= 24 ||
                std::abs(gridTop(buttons[i].row) - gridTop(buttons[j].row)) >= 24;
            EXPECT_TRUE(apart) << buttons[i].name << " " << buttons[j].name;
        }
    }
}

TEST(SchoolNameTest, LongerNamesGetSmallerType) {
    EXPECT_EQ(schoolNameFontSize(25), 18);
    EXPECT_EQ(schoolNameFontSize(26), 16);
    EXPECT_EQ(schoolNameFontSize(35), 16);
    EXPECT_EQ(schoolNameFontSize(36), 14);
    EXPECT_EQ(schoolNameFontSize(45), 14);
    EXPECT_EQ(schoolNameFontSize(46), 10);
}

}  // namespace
}  // namespace rumbelo::secondary
