// Which degrees an expected admission mark reaches, university by university, and what the
// consultation prints.
#include "degrees/consultation/admission_consultation.h"

#include <gtest/gtest.h>

#include "common/text/fixed_text.h"
#include "degrees/consultation/consultation_report.h"
#include "degrees_form/crafted_catalogue.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using rumbelo::testing::CraftedCatalogue;

namespace {

constexpr int kCadiz = 1, kSevilla = 2, kHuelva = 3;
constexpr int kScience = 1;  // modality entry 1 asks for requirement 20

PlaceList threeUniversities() {
    PlaceList places;
    places.names.set(0, "LUGAR");
    places.names.set(kCadiz,
                     "Universidad de C\xE1"
                     "diz");
    places.names.set(kSevilla, "Universidad de Sevilla");
    places.names.set(kHuelva, "Universidad de Huelva");
    return places;
}

ConsultationQuery query(int mark, int modality, int difficulty = 1,
                        std::vector<int> places = {kCadiz, kSevilla, kHuelva}) {
    return {mark, modality, difficulty, std::move(places)};
}

// The degrees listed, in list order, university headings left out.
std::vector<int> degreesListed(const ConsultationResult& result) {
    std::vector<int> listed;
    for (const int d : result.rows.degrees)
        if (d != 0) listed.push_back(d);
    return listed;
}

}  // namespace

TEST(AdmissionConsultation, TheMarkReachesACutOffEqualToItButNotOneTenthAbove) {
    CraftedCatalogue crafted;
    const int at65 =
        crafted.add({.name = "Derecho (L)", .places = {{kSevilla, 65}}, .requirements = {20}});
    crafted.add({.name = "Farmacia (L)", .places = {{kSevilla, 66}}, .requirements = {20}});
    const auto catalog = crafted.load();
    const auto result = consultDegrees(
        catalog, threeUniversities(), query(consultationMark("6", "5"), kScience), crafted.texts());
    EXPECT_EQ(result.outcome, ConsultationOutcome::Degrees);
    ASSERT_EQ(result.rows.rows.size(), 2u);
    EXPECT_EQ(result.rows.rows[0], "-  Universidad de Sevilla");
    EXPECT_TRUE(isConsultationHeading(result.rows.rows[0]));
    EXPECT_EQ(result.rows.degreeAt(0), 0);
    EXPECT_EQ(result.rows.rows[1], cut(catalog.name(at65), 45) + " 6,5");
    EXPECT_EQ(result.rows.degreeAt(1), at65);
}

TEST(AdmissionConsultation, OnlyTheFirstPositionOfAUniversityCountsAndUnknownMarksNeverQualify) {
    CraftedCatalogue crafted;
    // Offered twice at Cádiz: the first position (8,0) decides, not the later 5,0.
    crafted.add(
        {.name = "Medicina (L)", .places = {{kCadiz, 80}, {kCadiz, 50}}, .requirements = {20}});
    // Offered twice and reached at the first: listed once.
    const int twice = crafted.add(
        {.name = "Qu\xEDmica (L)", .places = {{kCadiz, 50}, {kCadiz, 60}}, .requirements = {20}});
    // No cut-off known (10) is not a mark of 1,0.
    crafted.add({.name = "Historia (L)", .places = {{kCadiz, kNoMark}}, .requirements = {20}});
    const auto catalog = crafted.load();
    const auto result =
        consultDegrees(catalog, threeUniversities(), query(65, kScience), crafted.texts());
    EXPECT_EQ(degreesListed(result), std::vector<int>{twice});
    EXPECT_EQ(result.rows.rows.back().substr(45), " 5,0");
}

TEST(AdmissionConsultation, TheModalityAsksForItsRequirementOrTheOpenOneAndNeverAnEmptyList) {
    CraftedCatalogue crafted;
    const int science =
        crafted.add({.name = "F\xEDsica (L)", .places = {{kCadiz, 50}}, .requirements = {3, 20}});
    const int open = crafted.add({.name = "Filolog\xED"
                                          "a (L)",
                                  .places = {{kCadiz, 50}},
                                  .requirements = {15}});
    const int arts =
        crafted.add({.name = "Bellas Artes (L)", .places = {{kCadiz, 50}}, .requirements = {19}});
    crafted.add({.name = "Sin requisitos (L)", .places = {{kCadiz, 50}}});
    const auto catalog = crafted.load();
    const PlaceList places = threeUniversities();
    EXPECT_EQ(degreesListed(consultDegrees(catalog, places, query(90, kScience), crafted.texts())),
              (std::vector<int>{science, open}));
    EXPECT_EQ(degreesListed(consultDegrees(catalog, places, query(90, 0), crafted.texts())),
              (std::vector<int>{open, arts}));
    // Every modality: every degree with requirements, still not the one without.
    EXPECT_EQ(
        degreesListed(consultDegrees(catalog, places, query(90, kEveryModality), crafted.texts())),
        (std::vector<int>{science, open, arts}));
}

TEST(AdmissionConsultation, DifficultyKeepsThatLevelAndAboveAndEmptyUniversitiesGo) {
    CraftedCatalogue crafted;
    crafted.add({.name = "Magisterio (D)",
                 .places = {{kCadiz, 50}},
                 .requirements = {15},
                 .difficulty = 6});
    const int hardest = crafted.add({.name = "Ingeniero Aeron\xE1utico (I)",
                                     .places = {{kHuelva, 50}},
                                     .requirements = {15},
                                     .difficulty = 7});
    const auto catalog = crafted.load();
    const auto result =
        consultDegrees(catalog, threeUniversities(), query(99, kEveryModality, 7), crafted.texts());
    EXPECT_EQ(degreesListed(result), std::vector<int>{hardest});
    // Cádiz (only difficulty 6) and Sevilla (nothing) have no heading.
    ASSERT_EQ(result.rows.rows.size(), 2u);
    EXPECT_EQ(result.rows.rows[0], "-  Universidad de Huelva");
    // Difficulty 6 brings Cádiz back, in the order of the place list.
    const auto six =
        consultDegrees(catalog, threeUniversities(), query(99, kEveryModality, 6), crafted.texts());
    EXPECT_EQ(six.rows.rows[0],
              "-  Universidad de C\xE1"
              "diz");
    EXPECT_EQ(six.rows.rows.size(), 4u);
}

TEST(AdmissionConsultation, AnEmptiedDigitFieldMeansFiveAndNotTheOtherDigitAlone) {
    EXPECT_EQ(consultationMark("6", "5"), 65);
    EXPECT_EQ(consultationMark("9", "9"), 99);
    EXPECT_EQ(consultationMark("", "5"), 50);
    EXPECT_EQ(consultationMark("7", ""), 50);
    EXPECT_EQ(consultationMark("", ""), 50);
    EXPECT_EQ(consultationMark(" ", "5"), 50);
}

TEST(AdmissionConsultation, MissingPartsAndNothingWithinReachAreSaidInTheThirdRow) {
    CraftedCatalogue crafted;
    crafted.add({.name = "Medicina (L)", .places = {{kCadiz, 95}}, .requirements = {15}});
    const auto catalog = crafted.load();
    const PlaceList places = threeUniversities();
    const auto& texts = crafted.texts();
    EXPECT_EQ(consultDegrees(catalog, places, query(65, kNoModality, 1, {}), texts).outcome,
              ConsultationOutcome::Nothing);
    const auto noModality = consultDegrees(catalog, places, query(65, kNoModality), texts);
    EXPECT_EQ(noModality.outcome, ConsultationOutcome::MissingModality);
    EXPECT_EQ(noModality.rows.rows, (std::vector<std::string>{"", "", "t661t663"}));
    const auto noCommunity = consultDegrees(catalog, places, query(65, kScience, 1, {}), texts);
    EXPECT_EQ(noCommunity.rows.rows, (std::vector<std::string>{"", "", "t661t662"}));
    const auto nothing = consultDegrees(catalog, places, query(65, kScience), texts);
    EXPECT_EQ(nothing.outcome, ConsultationOutcome::NoDegree);
    EXPECT_EQ(nothing.rows.rows, (std::vector<std::string>{"", "", "t660"}));
}

TEST(AdmissionConsultation, ThePrintoutRepeatsTheQuestionInEightBoldLinesThenTheList) {
    CraftedCatalogue crafted;
    crafted.add({.name = "Derecho (L)", .places = {{kSevilla, 65}}, .requirements = {15}});
    const auto catalog = crafted.load();
    const auto& texts = crafted.texts();
    const auto result = consultDegrees(catalog, threeUniversities(), query(65, 2, 4), texts);
    ConsultationAsked asked{"IES Sur    ",
                            "6",
                            "5",
                            "Modalidad 3",
                            "01Andaluc\xED"
                            "a" +
                                std::string(60, ' ') + "X",
                            difficultyCaptions(texts, true, 4)};
    const PlainReport report = consultationReport(result, asked, texts);
    EXPECT_EQ(report.bold, 8);
    ASSERT_EQ(report.lines.size(), 9u + result.rows.rows.size());
    EXPECT_EQ(report.lines[0], "  IES Sur");
    EXPECT_EQ(report.lines[2], std::string(49, '_'));
    EXPECT_EQ(report.lines[3], "t331");
    EXPECT_EQ(report.lines[4], "  t296:  6,5");
    EXPECT_EQ(report.lines[5], "  Modalidad 3");
    // Columns 3-47 of the community's line: the name, not its number nor what lies beyond.
    EXPECT_EQ(report.lines[6], "  t332 " + padTo("Andaluc\xED"
                                                 "a",
                                                 45));
    EXPECT_EQ(report.lines[7], "  t652 t656");
    EXPECT_EQ(report.lines[8], std::string(49, '_'));
    EXPECT_EQ(report.lines[9], result.rows.rows[0]);
    // A question with a part missing prints nothing.
    const auto missing =
        consultDegrees(catalog, threeUniversities(), query(65, kNoModality), texts);
    EXPECT_TRUE(consultationReport(missing, asked, texts).lines.empty());
}

TEST(AdmissionConsultation, TheTrackBarCaptionsNameTheLevelOnceItMoved) {
    CraftedCatalogue crafted;
    const auto& texts = crafted.texts();
    EXPECT_EQ(difficultyCaptions(texts, false, 1).label, "t651");
    EXPECT_EQ(difficultyCaptions(texts, false, 1).level, "t333");
    EXPECT_EQ(difficultyCaptions(texts, true, 1).level, "t653");
    EXPECT_EQ(difficultyCaptions(texts, true, 7).level, "t659");
}
