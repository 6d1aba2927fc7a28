#include "secondary/data/line_fields.h"

#include "common/text/fixed_text.h"

namespace rumbelo::secondary {
namespace {

int digitAt(std::string_view line, std::size_t column) {
    if (line.size() < column) return 0;
    const char c = line[column - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

int statementWeight(std::string_view line) {
    return digitAt(line, 1);
}

int statementFormat(std::string_view line) {
    return digitAt(line, 2);
}

std::string statementText(std::string_view line) {
    return cols(line, 3, 50);
}

bool openFromColumn(std::string_view line, int column) {
    if (column < 1 || column > 9 || line.size() < static_cast<std::size_t>(column)) return false;
    return line[static_cast<std::size_t>(column) - 1] == static_cast<char>('0' + column);
}

std::string degreeName(std::string_view line) {
    return cols(line, 6, 50);
}

std::string fpTitleName(std::string_view line) {
    return cols(line, 8, 50);
}

std::string paragraphCode(int code) {
    return cut(rightAligned(code, 2), 2);
}

std::vector<std::string> paragraphLines(const LineTable& information, std::string_view code2) {
    std::vector<std::string> lines;
    for (int k = 1; k <= information.count(); ++k)
        if (cols(information[k], 1, 2) == code2) lines.push_back(colsFrom(information[k], 3));
    return lines;
}

std::vector<std::string> informationLines(const LineTable& information, int code) {
    const std::string cc = paragraphCode(code);
    const bool mergesTwenty = cc[0] == '2';
    std::vector<std::string> lines;
    for (int k = 1; k <= information.count(); ++k) {
        const std::string own = cols(information[k], 1, 2);
        if (own == cc || (mergesTwenty && own == "20"))
            lines.push_back(colsFrom(information[k], 3));
    }
    return lines;
}

bool hasSubjectKeys(std::string_view line, char a, char b) {
    return line.size() >= 2 && line[0] == a && line[1] == b;
}

std::string subjectText(std::string_view line) {
    return colsFrom(line, 3);
}

}  // namespace rumbelo::secondary
