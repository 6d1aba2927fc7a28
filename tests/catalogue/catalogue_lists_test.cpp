// The family lists and detail panels of the catalogue over the bundled tables, with
// crafted indices and programmes for the edge cases.
#include <gtest/gtest.h>

#include "catalogue/loaded_catalogue.h"
#include "common/print/column_layout.h"
#include "common/text/fixed_text.h"
#include "secondary/catalogue/core/catalogue_lists.h"
#include "secondary/catalogue/core/catalogue_prints.h"

namespace rumbelo::catalogue {
namespace {

using testing::LoadedCatalogue;

const LoadedCatalogue& loaded() {
    const auto& l = LoadedCatalogue::shared();
    EXPECT_FALSE(l.aborted) << (l.sink.messages.empty() ? "" : l.sink.messages[0]);
    return l;
}

std::vector<int> rowsOf(const FamilyLevels& levels, int level) {
    std::vector<int> rows;
    for (const auto& entry : levels.of(level))
        rows.push_back(entry.row);
    return rows;
}

bool hasHeading(const std::vector<DetailLine>& lines, const std::string& text) {
    for (const auto& line : lines)
        if (line.heading && line.text == text) return true;
    return false;
}

TEST(CatalogueLists, AKeyNothingNamesLeavesEveryLevelEmptyAndTheShortPrintItsHeading) {
    const auto& l = loaded();
    const auto sources = l.sources();
    const FamilyLevels levels = familyLevels(sources, '~');
    EXPECT_TRUE(levels.empty());
    const CataloguePrint print = shortPrint(sources, levels, "Sin títulos   ");
    EXPECT_EQ(print.lastLine, 0);
    EXPECT_EQ(print.table.title(), TrimRight(l.texts[103]) + ": Sin títulos");
    EXPECT_EQ(print.bold.count(), 0);
}

TEST(CatalogueLists, KeyFiveListsTheArtisticStandInsWithoutModules) {
    const auto& l = loaded();
    const auto sources = l.sources();
    const FamilyLevels levels = familyLevels(sources, kArtsFamily);
    ASSERT_EQ(levels.of(kHigherFp).size(), 1u);
    EXPECT_EQ(levels.of(kHigherFp)[0].text, l.texts[176]);
    EXPECT_EQ(levels.of(kHigherFp)[0].row, 130);
    ASSERT_EQ(levels.of(kMediumFp).size(), 1u);
    EXPECT_EQ(levels.of(kMediumFp)[0].text, l.texts[177]);
    EXPECT_EQ(levels.of(kMediumFp)[0].row, 98);

    const auto higher = detailLines(sources, kHigherFp, 130, kArtsFamily);
    EXPECT_FALSE(hasHeading(higher, l.texts[271]));
    // Row 130 of the link tables holds the access requirements shown for the family.
    EXPECT_GT(higher.size(), 1u);
    const auto medium = detailLines(sources, kMediumFp, 98, kArtsFamily);
    ASSERT_EQ(medium.size(), 6u);
    EXPECT_EQ(medium[0].text, l.texts[277]);
    EXPECT_EQ(medium[5].text, l.texts[345]);
    // Another family shows the same title's jobs first.
    EXPECT_EQ(detailLines(sources, kMediumFp, 98, 'H')[0].text, l.texts[271]);
}

TEST(CatalogueLists, ATitleUnderTwoFamiliesIsListedInBoth) {
    const auto& l = loaded();
    const int title = l.fp.familyTitles(1).front();
    std::vector<std::string> index(static_cast<std::size_t>(l.fp.titleCount()), "      ");
    index[static_cast<std::size_t>(title - 1)] = "  AB  ";
    const CatalogueFiles files = catalogueFilesFrom({"AUna", "BOtra", "COtra más"}, index);
    const auto sources = l.sources(&files);
    EXPECT_EQ(rowsOf(familyLevels(sources, 'A'), kHigherFp), std::vector<int>{title});
    EXPECT_EQ(rowsOf(familyLevels(sources, 'B'), kHigherFp), std::vector<int>{title});
    EXPECT_TRUE(familyLevels(sources, 'C').of(kHigherFp).empty());
    // The pair of another level does not count for this one.
    EXPECT_TRUE(familyLevels(sources, 'A').of(kDegrees).empty());
}

TEST(CatalogueLists, ProgrammesSkipTheGroupsAndSubHeadingsAndShowTheirOwnModules) {
    const auto& l = loaded();
    std::vector<std::string> fpip = {"A   Oficina", "AB  Oficina y campo"};
    for (int g = 3; g <= 9; ++g)
        fpip.push_back("A   Grupo");
    fpip.insert(fpip.end(), {"A-Oficina", "AAuxiliar de oficina", "BAuxiliar de jardines"});
    const initial::ProgrammeFiles programmes =
        initial::programmeFilesFrom(fpip, {"", "", "", "", "", "Archivo", "Correo", "Teclado",
                                           "Prácticas", "     fin", "Siembra", "Poda", "", "", ""});
    const auto sources = l.sources(nullptr, &programmes);
    const FamilyLevels levels = familyLevels(sources, 'A');
    ASSERT_EQ(levels.of(kProgrammes).size(), 1u);
    EXPECT_EQ(levels.of(kProgrammes)[0].row, 2);
    EXPECT_EQ(TrimRight(levels.of(kProgrammes)[0].text), "Auxiliar de oficina");

    const auto detail = detailLines(sources, kProgrammes, 2, 'A');
    ASSERT_GE(detail.size(), 6u);
    EXPECT_EQ(detail[0].text, l.texts[67]);
    EXPECT_EQ(TrimRight(detail[1].text), "Archivo");
    EXPECT_EQ(TrimRight(detail[4].text), "Prácticas");
    // The fifth line starts with five blanks: it is not shown.
    EXPECT_TRUE(IsBlank(detail[5].text));
    EXPECT_TRUE(hasHeading(detail, l.texts[29]));
}

TEST(CatalogueLists, CertificateHeadingsAndGroupsNeverAppear) {
    const auto& l = loaded();
    const auto sources = l.sources();
    const FamilyLevels levels = familyLevels(sources, 'A');
    ASSERT_FALSE(levels.of(kCertificates).empty());
    for (const auto& entry : levels.of(kCertificates)) {
        EXPECT_NE(l.certificates.lines[entry.row][1], '-');
        for (const auto& group : l.certificates.groups)
            EXPECT_NE(TrimRight(entry.text), TrimRight(colsFrom(group, 2)));
    }
    const auto detail = detailLines(sources, kCertificates, levels.of(kCertificates)[0].row, 'A');
    EXPECT_EQ(detail[0].text, l.texts[29]);
    EXPECT_TRUE(hasHeading(detail, l.texts[582]));
}

TEST(CataloguePrints, EveryBundledFamilyPrintsWholeWithItsQualificationsBold) {
    const auto& l = loaded();
    const auto sources = l.sources();
    for (int p = 0; p < l.index.familyCount(); ++p) {
        const FamilyLevels levels = familyLevels(sources, l.index.familyKey(p));
        EXPECT_FALSE(levels.empty()) << l.index.familyName(p);
        const CataloguePrint detailed = detailedPrint(sources, levels, l.index.familyName(p));
        EXPECT_TRUE(detailed.complete) << l.index.familyName(p);
        int qualifications = 0, levelsShown = 0;
        for (int level = 1; level <= kLevels; ++level) {
            qualifications += static_cast<int>(levels.of(level).size());
            levelsShown += levels.of(level).empty() ? 0 : 1;
        }
        // Each level's label and each qualification's name, a long name on two lines.
        EXPECT_GE(detailed.bold.count(), qualifications + levelsShown) << l.index.familyName(p);
        EXPECT_LE(detailed.bold.count(), 2 * qualifications + levelsShown) << l.index.familyName(p);
    }
}

TEST(CataloguePrints, ShortAndDetailedPrintsOfTourism) {
    const auto& l = loaded();
    const auto sources = l.sources();
    const FamilyLevels levels = familyLevels(sources, 'H');
    const CataloguePrint brief = shortPrint(sources, levels, "Turismo y hostelería");
    EXPECT_EQ(brief.table[1], "");
    EXPECT_EQ(brief.table[2], TrimRight(l.texts[299]));
    EXPECT_TRUE(brief.bold.contains(2));
    EXPECT_EQ(brief.table[3], " -" + TrimRight(levels.of(kDegrees)[0].text));
    EXPECT_EQ(brief.bold.count(), 5);

    const CataloguePrint detailed = detailedPrint(sources, levels, "Turismo y hostelería");
    EXPECT_EQ(detailed.table[2], "CARRERAS UNIVERSITARIAS");
    EXPECT_EQ(detailed.table[4], TrimRight(levels.of(kDegrees)[0].text));
    EXPECT_TRUE(detailed.bold.contains(4));
    EXPECT_EQ(detailed.table[5], "    " + TrimRight(l.texts[277]));
    // It prints in compact columns: every line fits one, and indented lines keep every word,
    // what would pass the column going on the next line.
    std::string body;
    for (int k = 1; k <= detailed.lastLine; ++k) {
        EXPECT_LE(detailed.table[k].size(), kCompactColumnWidth) << detailed.table[k];
        body += " " + colsFrom(detailed.table[k], 5);
    }
    bool wrapped = false;
    for (const int n : l.fp.accessRequirements(levels.of(kHigherFp)[0].row)) {
        const std::string requirement = TrimRight(l.fp.requirements[n]);
        wrapped = wrapped || requirement.size() > kCompactColumnWidth - 4;
        EXPECT_NE(body.find(requirement), std::string::npos) << requirement;
    }
    EXPECT_TRUE(wrapped) << "no requirement needs the wrap";
}

}  // namespace
}  // namespace rumbelo::catalogue
