// Each itinerary printout: its sections in order.
#include <gtest/gtest.h>

#include <algorithm>

#include "itineraries/crafted_itinerary_data.h"
#include "secondary/itineraries/itinerary_lists.h"
#include "secondary/itineraries/itinerary_printouts.h"

namespace rumbelo::secondary {
namespace {

using Lines = std::vector<std::string>;

// Where `line` first stands at or after `from`; the line count when it is not there.
std::size_t find(const Lines& lines, const std::string& line, std::size_t from = 0) {
    return static_cast<std::size_t>(
        std::find(lines.begin() + static_cast<long>(from), lines.end(), line) - lines.begin());
}

TEST(ItineraryPrintoutTest, ABachilleratoItineraryPrintsItsSectionsInOrder) {
    const auto data = testing::craftedData();
    const Lines lines = itineraryPrintout(1, data, "IES Prueba   ", testing::numberedTexts());
    const Lines head(lines.begin(), lines.begin() + 7);
    EXPECT_EQ(head, (Lines{"IES Prueba", "", "t66", "t68", "", "t59", ""}));
    const std::string separator = separatorLine();
    EXPECT_EQ(Lines(lines.begin() + 7, lines.begin() + 11), (Lines{separator, "", "t56", ""}));
    // Year 1 subjects (1143058), an empty line, year 2 (2054058), the paragraph, the degrees.
    EXPECT_EQ(lines[11], "t73");
    const std::size_t year2 = find(lines, "t57");
    EXPECT_EQ(lines[year2 - 4], "Optativa 1");
    EXPECT_EQ(lines[year2 - 3], "");
    EXPECT_EQ(lines[year2 + 2], "t73");
    EXPECT_EQ(lines[year2 + 4], "Lengua II");
    const std::size_t paragraph = find(lines, "Salud 1", year2);
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(paragraph) - 3,
                    lines.begin() + static_cast<long>(paragraph)),
              (Lines{"", separator, ""}));
    EXPECT_EQ(lines[paragraph + 1], "Comun 2x");
    const std::size_t degrees = find(lines, "t58", paragraph);
    EXPECT_EQ(lines[degrees + 1], "    ");
    EXPECT_LT(find(lines, "Medicina", degrees), find(lines, "Dietetica", degrees));
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()), (Lines{"Dietetica", "", separator, ""}));
}

TEST(ItineraryPrintoutTest, TecnologiaAddsTheTitlesOpenFromAnyBachillerato) {
    const auto data = testing::craftedData();
    const Lines lines = itineraryPrintout(6, data, "IES", testing::numberedTexts());
    const std::size_t first = find(lines, "t58");
    const std::size_t second = find(lines, "t58", first + 1);
    ASSERT_LT(second, lines.size());
    EXPECT_LT(find(lines, "Electronica", first), second);
    EXPECT_GT(find(lines, "Comercio", first), second);
    EXPECT_EQ(find(lines, "Filologia"), lines.size());  // Humanidades' degrees stay out
}

TEST(ItineraryPrintoutTest, ArtesHasOneMoreEmptyLineBeforeItsParagraph) {
    const auto data = testing::craftedData();
    const auto texts = testing::numberedTexts();
    const Lines artes = itineraryPrintout(8, data, "IES", texts);
    const std::size_t year2 = find(artes, "t57");
    const std::size_t paragraph = find(artes, separatorLine(), year2) - 1;
    EXPECT_EQ(artes[paragraph - 1], "");
    EXPECT_EQ(artes[paragraph - 2], "");
    EXPECT_EQ(artes[paragraph - 3], "Optativa 2");
}

TEST(ItineraryPrintoutTest, TheFpItineraryIsTheSchoolAndItsTwoParagraphs) {
    const auto data = testing::craftedData();
    const Lines lines = itineraryPrintout(7, data, "IES", testing::numberedTexts());
    const std::string s = separatorLine();
    EXPECT_EQ(lines, (Lines{"IES", "", s, "", "FP acceso", "", s, "", "FP medio"}));
    EXPECT_TRUE(itineraryPrintout(2, data, "IES", testing::numberedTexts()).empty());
}

TEST(ItineraryPrintoutTest, ADocumentStopsAtItsCapacity) {
    PrintDocument document;
    for (int k = 0; k < 1200; ++k)
        document.add(std::string(70, 'x'));
    EXPECT_EQ(document.count(), PrintDocument::kCapacity);
    EXPECT_EQ(document.lines().back().size(), 60u);
}

}  // namespace
}  // namespace rumbelo::secondary
