#include "vocational/intermediate/listing/title_panels.h"

namespace rumbelo::intermediate {
namespace {

std::vector<std::string> blockLines(const GroupedTable& blocks, int t, int first, int last) {
    std::vector<std::string> rows;
    for (int i = first; i <= last; ++i)
        rows.push_back(blocks.line(t, i));
    return rows;
}

}  // namespace

std::vector<std::string> requirementRows(const InterfaceTexts& texts) {
    return {texts.trimmed(341), texts.trimmed(342), "",
            texts.trimmed(343), texts.trimmed(344), texts.trimmed(345)};
}

std::vector<std::string> jobRows(const GroupedTable& blocks, int t) {
    return blockLines(blocks, t, 1, 5);
}

std::vector<std::string> subjectRows(const GroupedTable& blocks, int t) {
    return blockLines(blocks, t, 6, 25);
}

std::vector<std::string> bubbleLines(const InterfaceTexts& texts, int row) {
    if (row < 1 || row > 3) return {};
    const int first = kFirstBubbleText + 3 * (row - 1);
    return {texts.trimmed(first), texts.trimmed(first + 1), texts.trimmed(first + 2)};
}

}  // namespace rumbelo::intermediate
