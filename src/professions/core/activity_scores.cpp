#include "professions/core/activity_scores.h"

#include <utility>

namespace rumbelo::professions {

std::vector<double> scoreActivities(const ProfessionsData& data, const std::vector<int>& finalList,
                                    int favourite) {
    std::vector<double> scores(data.activities.size(), 0.0);
    for (std::size_t r = 0; r < finalList.size(); ++r) {
        const ShortPhrase* phrase = data.shortPhrase(finalList[r]);
        if (!phrase) continue;
        const bool isFavourite = static_cast<int>(r) == favourite;
        for (std::size_t a = 0; a < data.activities.size(); ++a) {
            const Code& code = data.activities[a].code;
            if (phrase->main == code)
                scores[a] += kMainWeight + (isFavourite ? kMainFavouriteBonus : 0.0);
            if (!isNoCode(phrase->second) && phrase->second == code)
                scores[a] += kSecondWeight + (isFavourite ? kSecondFavouriteBonus : 0.0);
        }
    }
    return scores;
}

std::vector<int> rankActivities(const std::vector<double>& scores) {
    std::vector<int> ranked;
    for (std::size_t a = 0; a < scores.size(); ++a)
        if (scores[a] > 0) ranked.push_back(static_cast<int>(a));
    // An exchange sort that swaps only a strictly better score forward stays stable.
    for (std::size_t pass = 0; pass + 1 < ranked.size(); ++pass)
        for (std::size_t i = 0; i + 1 < ranked.size() - pass; ++i)
            if (scores[static_cast<std::size_t>(ranked[i])] <
                scores[static_cast<std::size_t>(ranked[i + 1])])
                std::swap(ranked[i], ranked[i + 1]);
    return ranked;
}

}  // namespace rumbelo::professions
