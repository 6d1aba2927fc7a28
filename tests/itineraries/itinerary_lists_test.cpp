// The lists behind the itinerary buttons, the pop-up's place and the more-information rule.
#include <gtest/gtest.h>

#include "itineraries/crafted_itinerary_data.h"
#include "secondary/itineraries/itinerary_lists.h"
#include "secondary/itineraries/itinerary_popup.h"
#include "secondary/itineraries/more_information.h"

namespace rumbelo::secondary {
namespace {

using testing::craftedData;
using testing::numberedTexts;
using Lines = std::vector<std::string>;

TEST(InformationListTest, ACodeWithoutLinesOpensAnEmptyShortPopup) {
    const auto data = craftedData();
    const ItemList list = informationList(data.information, 44, numberedTexts());
    EXPECT_TRUE(list.items.empty());
    EXPECT_FALSE(tallPopup(list, 13));
    EXPECT_EQ(popupLayout(408, 108, tallPopup(list, 13), false, 13, 800, 600).list.height,
              kShortPopup);
}

TEST(InformationListTest, CodeNinetyNineEndsWithItsNineFixedLines) {
    const ItemList list = informationList(testing::tableOf({}), 99, numberedTexts());
    EXPECT_EQ(list.items,
              (Lines{"t580", "", "t562", "t563", "t564", "t565", "t566", "t567", "t568"}));
    EXPECT_TRUE(tallPopup(list, 44));  // more than eight lines
}

TEST(InformationListTest, TheTwentiesTakeTheCommonLinesInFileOrder) {
    const auto data = craftedData();
    EXPECT_EQ(informationList(data.information, 21, numberedTexts()).items,
              (Lines{"Salud 1", "Comun 2x", "Salud 2"}));
    EXPECT_EQ(informationList(data.information, 19, numberedTexts()).items, (Lines{"FP medio"}));
}

TEST(InformationListTest, ThePopupJoinsEachParagraphsLines) {
    EXPECT_EQ(joinedParagraphs({"TITULO   ", "", "Una frase que  ", "sigue aqui.", "", "Otra."}),
              (Lines{"TITULO", "", "Una frase que sigue aqui.", "", "Otra."}));
}

TEST(SubjectListTest, ScansEachKeyBInTurnThenTheSecondGroup) {
    const auto data = craftedData();
    const ItemList list = subjectList(data.subjects, "Asignaturas", 1143058);
    EXPECT_EQ(list.items, (Lines{"Asignaturas", std::string(32, ' '), "Lengua I", "Biologia",
                                 "Filosofia", "Quimica", "Optativa 1"}));
    EXPECT_TRUE(tallPopup(list, 34));
    EXPECT_FALSE(tallPopup(list, 41));
}

TEST(SubjectListTest, ThreeDigitCodesListWithoutTitleLine) {
    const auto data = craftedData();
    EXPECT_EQ(subjectList(data.subjects, "t118", 501).items, (Lines{"Comun 4", "Fisica 4"}));
    EXPECT_EQ(subjectList(data.subjects, "t118", 502).items, (Lines{"Comun 4", "Latin 4"}));
}

TEST(DegreeListTest, ModalitiesReadTheirOwnColumnsOfBothFiles) {
    const auto data = craftedData();
    const auto texts = numberedTexts();
    const ItemList salud = degreeList(data.degrees, data.fpTitles, "Salud", 3, false, texts);
    EXPECT_EQ(salud.heading, "t58");
    EXPECT_EQ(salud.items,
              (Lines{"-Salud", "t168", "t169", "", "t170", "", "Medicina", "Cualquiera", "", "t172",
                     "t173", "t174", std::string(10, ' ') + "------", "t171", "", "Dietetica"}));
    // Artes: CARRERAS column 5, FPS column 1.
    const ItemList artes = degreeList(data.degrees, data.fpTitles, "", 5, true, texts);
    EXPECT_EQ(artes.items[0], "    ");
    EXPECT_EQ(artes.items[6], "Bellas Artes");
    EXPECT_EQ(artes.items.back(), "Diseno");
}

TEST(DegreeListTest, TecnologiaListsTheScientificRouteAndAnyBachilleratoNoDegrees) {
    const auto data = craftedData();
    const auto texts = numberedTexts();
    const ItemList tecnologia = degreeList(data.degrees, data.fpTitles, "T", 6, false, texts);
    EXPECT_EQ(tecnologia.items[6], "Ingenieria");  // not the Humanidades degrees
    EXPECT_EQ(tecnologia.items.back(), "Electronica");
    const ItemList any = degreeList(data.degrees, data.fpTitles, "", 7, true, texts);
    EXPECT_EQ(any.items, (Lines{"    ", "", "t172", "t173", "t174", std::string(10, ' ') + "------",
                                "t171", "", "Comercio"}));
}

TEST(PopupTest, NearTheRightEdgeItEnds330PixelsFromIt) {
    const PopupLayout near = popupLayout(632, 252, true, false, 44, 800, 600);
    EXPECT_EQ(near.list, (Box{470, 252, 300, 225}));
    EXPECT_EQ(near.close, (Box{470 + 300 - 66, 252 + 225 - 23, kCloseWidth, kCloseHeight}));
    EXPECT_EQ(popupLayout(456, 72, true, false, 12, 800, 600).list.left, 456);  // 786 fits
    EXPECT_EQ(popupLayout(480, 72, true, false, 12, 800, 600).list.left, 470);  // 810 does not
}

TEST(PopupTest, LowButtonsOpenUpwardsAndGrowFourPixelsAStep) {
    const PopupLayout low = popupLayout(528, 480, false, false, 45, 800, 600);
    EXPECT_TRUE(low.upwards);
    EXPECT_EQ(low.list.top, 480 - kShortPopup);
    ASSERT_EQ(low.opening.size(), static_cast<std::size_t>(kShortPopup / 4));
    EXPECT_EQ(low.opening[1], (Box{528, 472, 8, 8}));
    EXPECT_FALSE(popupLayout(528, 312, false, false, 37, 800, 600).upwards);
}

TEST(PopupTest, OfferingMoreMakesTheEarlyTypesTallAndPutsTheButtonsUnder) {
    const PopupLayout layout = popupLayout(296, 108, true, true, 7, 800, 600);
    EXPECT_EQ(layout.list.height, kOfferingPopup);
    EXPECT_EQ(layout.more, (Box{296, 408, 247, kMoreHeight}));
    EXPECT_EQ(layout.close.left, layout.more.right() + 3);
    EXPECT_EQ(layout.close.top, layout.more.top);
    EXPECT_EQ(popupLayout(632, 252, true, true, 44, 800, 600).list.height, kTallPopup);
}

TEST(MoreInformationTest, TypesLeadToTheirListsOrSectionsAndNeverInTheAssistant) {
    EXPECT_EQ(moreInformation(3).modality, 5);
    EXPECT_EQ(moreInformation(3).title, 65);
    EXPECT_EQ(moreInformation(20).modality, 6);
    EXPECT_EQ(moreInformation(44).kind, MoreInformation::Certificates);
    EXPECT_EQ(moreInformation(46).kind, MoreInformation::InitialProgrammes);
    EXPECT_EQ(moreInformation(48).kind, MoreInformation::InitialProgrammes);
    EXPECT_EQ(moreInformation(47).kind, MoreInformation::IntermediateFp);
    for (int type = 2; type <= 50; ++type) {
        EXPECT_FALSE(offersMoreInformation(type, true, true, true)) << type;
        EXPECT_FALSE(offersMoreInformation(type, false, false, true)) << type;
    }
    int offered = 0;
    for (int type = 2; type <= 50; ++type)
        offered += offersMoreInformation(type, true, false, true);
    EXPECT_EQ(offered, 10);
    EXPECT_TRUE(offersMoreInformation(13, true, false, false));   // stays in this section
    EXPECT_FALSE(offersMoreInformation(47, true, false, false));  // no section to open
}

TEST(MoreInformationTest, CaptionBlinksFourTimesAndStaysShown) {
    EXPECT_TRUE(captionBlink(1).shown);
    EXPECT_FALSE(captionBlink(2).shown);
    EXPECT_FALSE(captionBlink(8).finished);
    EXPECT_TRUE(captionBlink(9).finished);
    EXPECT_TRUE(captionBlink(9).shown);
}

}  // namespace
}  // namespace rumbelo::secondary
