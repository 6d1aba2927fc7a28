// The columns of the secondary files: information paragraphs by their two-character code
// and the statements' weight and answer format.
#include <gtest/gtest.h>

#include "secondary/data/line_fields.h"

namespace rumbelo::secondary {
namespace {

LineTable information(const std::vector<std::string>& lines) {
    LineTable table;
    int k = 0;
    for (const auto& line : lines)
        table.set(++k, line);
    return table;
}

TEST(InformationTest, CodeFiveWrittenLeftIsNotCodeFive) {
    const auto table = information({"5 izquierda", " 5derecha", "15quince", " 5otra"});
    EXPECT_EQ(paragraphLines(table, " 5"), (std::vector<std::string>{"derecha", "otra"}));
    EXPECT_EQ(paragraphLines(table, "5 "), (std::vector<std::string>{"izquierda"}));
    EXPECT_EQ(informationLines(table, 5), (std::vector<std::string>{"derecha", "otra"}));
    EXPECT_EQ(paragraphCode(5), " 5");
    EXPECT_EQ(paragraphCode(41), "41");
}

TEST(InformationTest, TheTwentiesTakeTheLinesOfTwentyWhereTheyStand) {
    const auto table = information({"21uno", "20comun", "22otro", "21dos", "33nada"});
    EXPECT_EQ(informationLines(table, 21), (std::vector<std::string>{"uno", "comun", "dos"}));
    EXPECT_EQ(informationLines(table, 22), (std::vector<std::string>{"comun", "otro"}));
    EXPECT_EQ(informationLines(table, 33), (std::vector<std::string>{"nada"}));
    EXPECT_TRUE(informationLines(table, 2).empty());  // " 2" does not begin with "2"
}

TEST(StatementTest, WeightAndFormatAreSingleDigitsAndAnythingElseIsZero) {
    EXPECT_EQ(statementWeight("95Me gusta"), 9);
    EXPECT_EQ(statementFormat("95Me gusta"), 5);
    EXPECT_EQ(statementWeight(" 5Me gusta"), 0);
    EXPECT_EQ(statementFormat("4xMe gusta"), 0);
    EXPECT_EQ(statementText("42" + std::string(60, 'a')), std::string(48, 'a'));
}

}  // namespace
}  // namespace rumbelo::secondary
