#include "common/print/plain_printout.h"

#include <gtest/gtest.h>

#include "common/print/recording_canvas.h"

using namespace rumbelo;

namespace {

std::vector<std::string> numbered(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

const std::string kPageOne = std::string(29, ' ') + "-1-";

}  // namespace

TEST(PlainPrintout, ShortReportsHaveNoPageNumberAndLongOnesNumberEveryPage) {
    const auto short54 = plainPrintoutLines(numbered(54), 0, 70);
    ASSERT_EQ(short54.size(), 3u + 54u);
    EXPECT_EQ(short54[1].text, "");
    EXPECT_EQ(short54[3].text, std::string(8, ' ') + "line 1");

    const auto long55 = plainPrintoutLines(numbered(55), 0, 70);
    EXPECT_EQ(long55[1].text, kPageOne);
    // 20 lines a page: the number of each new page follows its first line.
    const auto paged = plainPrintoutLines(numbered(55), 0, 20);
    std::vector<std::pair<int, std::string>> numbers;
    for (const PlainLine& line : paged)
        if (line.text.find('-') != std::string::npos &&
            line.text.rfind(std::string(29, ' '), 0) == 0)
            numbers.emplace_back(line.page, line.text.substr(29));
    ASSERT_GE(numbers.size(), 3u);
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        EXPECT_EQ(numbers[k].first, static_cast<int>(k) + 1);
        EXPECT_EQ(numbers[k].second, "-" + std::to_string(k + 1) + "-");
    }
}

TEST(PlainPrintout, TheFirstBoldLinesAreBoldAndLongLinesAreCutAt68) {
    std::vector<std::string> lines = numbered(5);
    lines[4] = std::string(80, 'x');
    const auto out = plainPrintoutLines(lines, 3, 70);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(out[3 + i].bold, i < 3) << i;
    EXPECT_EQ(out[7].text, std::string(8, ' ') + std::string(60, 'x'));
}

TEST(PlainPrintout, PrintsOnTheCanvasInCourierAndDropsTheDocumentOnAFailedPage) {
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintPlain(canvas, numbered(120), 2));
    ASSERT_EQ(canvas.documents.size(), 1u);
    EXPECT_GE(canvas.documents[0].pages, 2);
    const CanvasOp* first = canvas.findText(std::string(8, ' ') + "line 1");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->family, "Courier New");
    EXPECT_EQ(first->size, 12);
    EXPECT_TRUE(first->bold);
    EXPECT_FALSE(canvas.findText(std::string(8, ' ') + "line 3")->bold);
    EXPECT_NE(canvas.findText(std::string(29, ' ') + "-2-"), nullptr);

    RecordingCanvas failing;
    failing.failNewPage = 1;
    EXPECT_FALSE(PrintPlain(failing, numbered(120), 0));
    EXPECT_TRUE(failing.documents.back().aborted);
}

TEST(PlainPrintout, TheSecondaryListsLeaveTwoLinesAboveThePageNumber) {
    const auto lines = plainPrintoutLines(numbered(60), 0, 70, 2);
    ASSERT_EQ(lines.size(), 4u + 60u);
    EXPECT_EQ(lines[1].text, "");
    EXPECT_EQ(lines[2].text, kPageOne);
    EXPECT_EQ(lines[4].text, std::string(8, ' ') + "line 1");
}
