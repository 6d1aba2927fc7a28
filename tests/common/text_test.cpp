#include <gtest/gtest.h>

#include "common/data/text_lines.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"

namespace rumbelo {
namespace {

TEST(Cp1252, SpanishLettersAndTheEuroSurviveARoundTrip) {
    const std::string utf8 = "¿Qué tal, Ñoño? ¡Adiós! € “comillas” – ü";
    bool lossless = false;
    const std::string bytes = utf8ToCp1252(utf8, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(bytes.size(), 40u);  // one byte per character
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xBF);
    EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
}

TEST(Cp1252, CharactersWithoutAByteBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(utf8ToCp1252("a\xE2\x86\x92"
                           "b",
                           &lossless),
              "a?b");  // an arrow
    EXPECT_FALSE(lossless);
    EXPECT_EQ(utf8ToCp1252("\xC3", &lossless), "?");  // a cut sequence
}

TEST(FixedText, PaddingRuleCutsPadsAndLeavesEmptyLinesOneShort) {
    const std::string eighty(80, 'x');
    EXPECT_EQ(padTo(eighty, 53), std::string(53, 'x'));
    EXPECT_EQ(padTo("0123456789", 53), "0123456789" + std::string(43, ' '));
    EXPECT_EQ(padTo("", 60), std::string(59, ' '));
    EXPECT_EQ(padTo("a", 1), "a");
}

TEST(FixedText, TrimmingAndBlankTestsOnlyConcernTheBlankCharacter) {
    EXPECT_EQ(TrimRight("  uno  "), "  uno");
    EXPECT_EQ(TrimRight("tab\t"), "tab\t");
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("    "));
    EXPECT_FALSE(IsBlank("  \t "));
    EXPECT_EQ(Blanks(5), "    ");
    EXPECT_EQ(Blanks(200, '-').size(), 80u);
    EXPECT_EQ(Blanks(0), "");
}

TEST(FixedText, ColumnsCountFromOneAndShortLinesGiveWhatIsThere) {
    EXPECT_EQ(cols("abcdef", 2, 4), "bcd");
    EXPECT_EQ(cols("abc", 2, 10), "bc");
    EXPECT_EQ(cols("abc", 5, 10), "");
    EXPECT_EQ(colsFrom("-Familia", 2), "Familia");
}

TEST(FixedText, NumbersAreReadWithLeadingBlanksButNothingAfter) {
    EXPECT_EQ(parseNumber("12"), 12);
    EXPECT_EQ(parseNumber(" 7"), 7);
    EXPECT_EQ(parseNumber("-3"), -3);
    EXPECT_EQ(parseNumber("07"), 7);
    EXPECT_FALSE(parseNumber("7 "));
    EXPECT_FALSE(parseNumber("  "));
    EXPECT_FALSE(parseNumber(""));
    EXPECT_FALSE(parseNumber("A1"));
    EXPECT_FALSE(parseNumber("-"));
}

TEST(TextLines, LineEndsCtrlZAndAMissingLastLineEnd) {
    EXPECT_EQ(splitLines("uno\r\ndos\r\n"), (std::vector<std::string>{"uno", "dos"}));
    EXPECT_EQ(splitLines("uno\ndos"), (std::vector<std::string>{"uno", "dos"}));
    EXPECT_EQ(splitLines("uno\r\n\r\n"), (std::vector<std::string>{"uno", ""}));
    EXPECT_EQ(splitLines("uno\r\ndos\x1A"
                         "tres\r\n"),
              (std::vector<std::string>{"uno", "dos"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_TRUE(splitLines("\x1A"
                           "uno")
                    .empty());
}

}  // namespace
}  // namespace rumbelo
