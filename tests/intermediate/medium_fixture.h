#pragma once
// An intermediate-FP catalogue and questionnaire built in memory: FP2 lines where "-"
// heads a family, statements as "CUESGM" lines ("3T10Text": code, two area digits, text).
#include <string>
#include <vector>

#include "secondary/data/cuesgm_catalog.h"
#include "secondary/data/fp2_catalog.h"

namespace rumbelo::intermediate::testing {

inline secondary::Fp2Catalog fp2Of(const std::vector<std::string>& lines) {
    secondary::Fp2Catalog fp2;
    int f = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        fp2.titles.set(line, lines[i]);
        if (!lines[i].empty() && lines[i][0] == '-') {
            fp2.families.names.set(++f, lines[i].substr(1));
            fp2.families.headerLines.push_back(line);
        }
    }
    fp2.families.headerLines.push_back(static_cast<int>(lines.size()) + 1);
    fp2.firstGroupSize = markedFamilyCount(fp2.families);
    for (auto& zone : fp2.offer)
        zone.assign(kOfferRows + 1, {});
    return fp2;
}

// Families 1..n with `titles` titles each, named "F<k>" and "T<k>.<j>".
inline secondary::Fp2Catalog familiesOf(int n, int titles) {
    std::vector<std::string> lines;
    for (int k = 1; k <= n; ++k) {
        lines.push_back("-F" + std::to_string(k));
        for (int j = 1; j <= titles; ++j)
            lines.push_back("T" + std::to_string(k) + "." + std::to_string(j));
    }
    return fp2Of(lines);
}

inline secondary::MediumQuestionnaire questionnaireOf(const std::vector<std::string>& lines) {
    secondary::MediumQuestionnaire q;
    for (int k = 1; k <= 11; ++k)
        q.header.set(k, "Area " + std::to_string(k));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto k = i + 1;
        q.statements.set(static_cast<int>(k), lines[i]);
        auto digit = [&](std::size_t col) {
            const char c = lines[i][col];
            return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : secondary::kNoArea;
        };
        q.firstArea[k] = digit(2);
        q.secondArea[k] = digit(3);
    }
    return q;
}

}  // namespace rumbelo::intermediate::testing
