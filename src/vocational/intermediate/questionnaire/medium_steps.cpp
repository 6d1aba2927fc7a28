#include "vocational/intermediate/questionnaire/medium_steps.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::intermediate {

std::vector<int> areasOfRows(const std::vector<int>& markedRows) {
    std::vector<int> areas;
    for (int row : markedRows)
        if (row >= 1 && row <= 10) areas.push_back(row % 10);
    return areas;
}

std::vector<int> rowsOfAreas(const std::vector<int>& areas) {
    std::vector<int> rows;
    for (int area : areas)
        rows.push_back(area == 0 ? 10 : area);
    return rows;
}

bool statementInArea(const secondary::MediumQuestionnaire& q, int i, int digit) {
    if (i < 1 || i > q.count()) return false;
    const auto k = static_cast<std::size_t>(i);
    return q.firstArea[k] == digit || (digit != 0 && q.secondArea[k] == digit);
}

std::vector<StatementRow> statementsOfAreas(const secondary::MediumQuestionnaire& q,
                                            const std::vector<int>& areas) {
    std::vector<StatementRow> rows;
    for (int i = 1; i <= q.count(); ++i) {
        const bool chosen = std::any_of(areas.begin(), areas.end(),
                                        [&](int area) { return statementInArea(q, i, area); });
        if (chosen) rows.push_back({i, q.text(i), q.code(i)});
    }
    return rows;
}

int familyOfCode(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'U') return c - 'A' + 10;
    return 0;
}

TitleMarks marksOfCodes(const secondary::Fp2Catalog& fp2, const std::vector<std::string>& codes) {
    const auto families = static_cast<std::size_t>(fp2.families.count());
    TitleMarks marks;
    marks.family.assign(families + 1, false);
    marks.titles.assign(families + 1, {});
    for (const std::string& code : codes) {
        if (code.size() < 2) continue;
        const int f = familyOfCode(code[0]);
        if (f < 1 || f > fp2.families.count()) continue;
        const auto k = static_cast<std::size_t>(f);
        marks.family[k] = true;
        auto& titles = marks.titles[k];
        const char which = code[1];
        if (which == 'T') {
            titles.fill(true);
        } else if (which == 'Z') {
            titles[0] = titles[1] = true;
        } else if (which >= '1' && which <= '9') {
            titles[static_cast<std::size_t>(which - '1')] = true;
        }
    }
    return marks;
}

std::vector<SuggestionRow> suggestionRows(const secondary::Fp2Catalog& fp2, const TitleMarks& marks,
                                          const std::string& familyWord) {
    std::vector<SuggestionRow> rows;
    for (int f = 1; f <= fp2.families.count(); ++f) {
        const auto k = static_cast<std::size_t>(f);
        if (k >= marks.family.size() || !marks.family[k]) continue;
        rows.push_back({" - " + familyWord + TrimRight(fp2.families.names[f]), 0});
        const std::vector<int> titles = fp2.familyTitles(f);
        const std::size_t markable = std::min<std::size_t>(titles.size(), kMarkableTitles);
        for (std::size_t j = 0; j < markable; ++j)
            if (marks.titles[k][j]) rows.push_back({TrimRight(fp2.titles[titles[j]]), titles[j]});
    }
    return rows;
}

}  // namespace rumbelo::intermediate
