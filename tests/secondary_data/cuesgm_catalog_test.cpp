// The intermediate-FP questionnaire as loaded: header split from the statements, area
// digits by statement, the statement limit.
#include <gtest/gtest.h>

#include "secondary/data/cuesgm_catalog.h"
#include "support/data_folder.h"

namespace rumbelo::secondary {
namespace {

using Folder = testing::DataFolder;

std::vector<std::string> headerLines() {
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k)
        lines.push_back("\xC1rea " + std::to_string(k));
    lines.push_back("Salir al mapa");
    return lines;
}

TEST(MediumQuestionnaire, ExactlyElevenLinesGiveTheHeaderAndNoStatement) {
    Folder folder;
    folder.dir.writeLines("CUESGM", headerLines());
    MediumQuestionnaire q;
    loadMediumQuestionnaire(folder.files, q);
    EXPECT_FALSE(folder.aborted);
    EXPECT_EQ(q.count(), 0);
    EXPECT_EQ(q.header.count(), 11);
    EXPECT_EQ(q.header[11].substr(0, 13), "Salir al mapa");
    EXPECT_TRUE(q.statements[1].empty());
}

TEST(MediumQuestionnaire, StatementsMoveUpByElevenWithTheirAreaDigits) {
    Folder folder;
    auto lines = headerLines();
    lines.push_back("3T10Me gusta el mar");
    lines.push_back("BZ05Hago muebles");
    lines.push_back("4?x2Columna rara");
    folder.dir.writeLines("CUESGM", lines);
    MediumQuestionnaire q;
    loadMediumQuestionnaire(folder.files, q);
    ASSERT_EQ(q.count(), 3);
    EXPECT_EQ(q.code(1), "3T");
    EXPECT_EQ(q.text(1).substr(0, 15), "Me gusta el mar");
    EXPECT_EQ(q.firstArea[1], 1);
    EXPECT_EQ(q.secondArea[1], 0);
    EXPECT_EQ(q.code(2), "BZ");
    EXPECT_EQ(q.firstArea[2], 0);  // area 10
    EXPECT_EQ(q.secondArea[2], 5);
    // A column that is no digit stands for no area, not for area 10.
    EXPECT_EQ(q.firstArea[3], kNoArea);
    EXPECT_EQ(q.secondArea[3], 2);
}

TEST(MediumQuestionnaire, MoreThanAHundredStatementsAreReportedAndCut) {
    Folder folder;
    auto lines = headerLines();
    for (int i = 1; i <= 101; ++i)
        lines.push_back("1T10Frase " + std::to_string(i));
    folder.dir.writeLines("CUESGM", lines);
    MediumQuestionnaire q;
    loadMediumQuestionnaire(folder.files, q);
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_NE(folder.sink.messages[0].find("CUESGM"), std::string::npos);
    EXPECT_NE(folder.sink.messages[0].find("100"), std::string::npos);
    EXPECT_EQ(q.count(), 100);
    EXPECT_EQ(q.text(100).substr(0, 9), "Frase 100");
}

}  // namespace
}  // namespace rumbelo::secondary
