#include "secondary/data/cuesgm_catalog.h"

#include "common/data/readers.h"
#include "common/text/fixed_text.h"

namespace rumbelo::secondary {
namespace {

constexpr int kWidth = 75;

std::uint8_t areaDigit(const std::string& line, std::size_t column) {
    if (line.size() < column) return kNoArea;
    const char c = line[column - 1];
    return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : kNoArea;
}

}  // namespace

std::string MediumQuestionnaire::code(int i) const {
    return statements[i].substr(0, std::min<std::size_t>(2, statements[i].size()));
}

std::string MediumQuestionnaire::text(int i) const {
    const std::string& line = statements[i];
    return line.size() > 4 ? line.substr(4, 70) : std::string();
}

void loadMediumQuestionnaire(DataFiles& files, MediumQuestionnaire& questionnaire) {
    const std::string name = files.localized("CUESGM");
    TextTable lines;
    ReadTextTable(files, name, lines, kWidth);
    questionnaire.header.clear();
    questionnaire.statements.clear();
    questionnaire.firstArea.fill(0);
    questionnaire.secondArea.fill(0);
    for (int k = 1; k <= kMediumHeaderLines && k <= lines.count(); ++k)
        questionnaire.header.set(k, lines[k]);
    int count = lines.count() - kMediumHeaderLines;
    if (count > kMediumStatements) {
        files.reportOverCapacity(name, kMediumStatements, "frases");
        count = kMediumStatements;
    }
    for (int i = 1; i <= count; ++i) {
        const std::string& line = lines[kMediumHeaderLines + i];
        questionnaire.statements.set(i, line);
        questionnaire.firstArea[static_cast<std::size_t>(i)] = areaDigit(line, 3);
        questionnaire.secondArea[static_cast<std::size_t>(i)] = areaDigit(line, 4);
    }
}

}  // namespace rumbelo::secondary
