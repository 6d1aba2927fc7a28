#include "professions/core/phrase_pages.h"

#include <algorithm>

namespace rumbelo::professions {
namespace {

bool contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

std::vector<Code> keptCodes(const ProfessionsData& data, const std::vector<int>& markedRows) {
    std::vector<Code> kept;
    for (int row : markedRows) {
        if (row < 0 || row >= static_cast<int>(data.longPhrases.size())) continue;
        for (const Code& code : data.longPhrases[static_cast<std::size_t>(row)].codes)
            if (!isNoCode(code) && std::find(kept.begin(), kept.end(), code) == kept.end())
                kept.push_back(code);
    }
    return kept;
}

std::vector<int> suggestedPhrases(const ProfessionsData& data, const std::vector<Code>& kept) {
    std::vector<int> phrases;
    // Pass by pass: which activity of the profession is compared, which phrase it gives.
    const std::array<std::pair<bool, bool>, 4> passes{
        {{true, true}, {true, false}, {false, true}, {false, false}}};
    for (const auto& [byFirstActivity, firstPhrase] : passes)
        for (const Profession& p : data.professions)
            for (const Code& code : kept) {
                const Code& activity = byFirstActivity ? p.first : p.second;
                const int phrase = firstPhrase ? p.firstPhrase : p.secondPhrase;
                if (activity != code || phrase == 0 || contains(phrases, phrase)) continue;
                if (static_cast<int>(phrases.size()) == kMaxSuggested) return phrases;
                phrases.push_back(phrase);
            }
    return phrases;
}

std::vector<int> Pages::page(int p) const {
    std::vector<int> items;
    if (p < 1 || p > kMaxPages) return items;
    for (int number : table[static_cast<std::size_t>(p - 1)]) {
        if (number == 0) break;
        items.push_back(number);
    }
    return items;
}

Pages dealPages(const std::vector<int>& suggested) {
    Pages pages;
    const int s = static_cast<int>(suggested.size());
    pages.perPage = 4;
    pages.count = (s + 3) / 4;
    if (pages.count > kMaxPages) {
        pages.count = kMaxPages;
        pages.perPage = (s + 3) / 4;
    }
    for (int i = 0; i < s; ++i) {
        const int page = i % pages.count;
        const int slot = i / pages.count;
        if (slot >= kSlotsPerPage) break;
        pages.table[static_cast<std::size_t>(page)][static_cast<std::size_t>(slot)] =
            suggested[static_cast<std::size_t>(i)];
    }
    return pages;
}

std::vector<bool> limitPageMarks(std::vector<bool> marks) {
    int kept = 0;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i] && ++kept > kMarksPerPage) marks[i] = false;
    return marks;
}

std::vector<int> markedRows(const std::vector<bool>& marks) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i]) rows.push_back(static_cast<int>(i));
    return rows;
}

std::vector<int> finalList(const Pages& pages, const std::vector<std::vector<int>>& choices) {
    std::vector<int> list;
    for (int p = 1; p <= pages.count && p <= static_cast<int>(choices.size()); ++p) {
        const std::vector<int> items = pages.page(p);
        for (int row : choices[static_cast<std::size_t>(p - 1)])
            if (row >= 0 && row < static_cast<int>(items.size()))
                list.push_back(items[static_cast<std::size_t>(row)]);
    }
    return list;
}

}  // namespace rumbelo::professions
