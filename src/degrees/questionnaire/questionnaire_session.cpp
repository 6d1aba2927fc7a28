#include "degrees/questionnaire/questionnaire_session.h"

#include <algorithm>

namespace rumbelo::degrees {
namespace {

constexpr int kResultWord = 286;
constexpr int kQualitiesHeading = 279;
constexpr int kInterestsHeading = 280;
constexpr int kAveragesHeading = 288;

}  // namespace

QuestionnaireSession::QuestionnaireSession(const InterestCatalog& catalog) : catalog_(catalog) {}

int QuestionnaireSession::groupCount() const {
    return std::min(catalog_.groupCount(), kMaxInterestGroups);
}

const ResultView& QuestionnaireSession::showResults(Questionnaire q, const std::vector<bool>& flags,
                                                    const InterfaceTexts& texts) {
    active = q;
    scores_[index(q)] = scoreGroups(catalog_, q, tickedItems(flags));
    view_.ranking = rankGroups(catalog_.groups, scores_[index(q)]);
    const int heading = q == Questionnaire::Qualities ? kQualitiesHeading : kInterestsHeading;
    view_.heading = texts[kResultWord] + "    " + texts[heading];
    lines_[index(q)] = view_.ranking.lines;
    return view_;
}

const ResultView& QuestionnaireSession::showAverages(const InterfaceTexts& texts) {
    const auto orZeros = [&](const GroupScores& s) {
        return s.empty() ? GroupScores(static_cast<std::size_t>(groupCount()), 0.0) : s;
    };
    const GroupScores mean = averageScores(orZeros(scores_[0]), orZeros(scores_[1]));
    view_.ranking = rankGroups(catalog_.groups, mean);
    view_.heading = texts[kAveragesHeading];
    averageLines_ = view_.ranking.lines;
    return view_;
}

int QuestionnaireSession::groupOnRow(int r) const {
    const auto& order = view_.ranking.order;
    if (r < 0 || r >= static_cast<int>(order.size())) return 0;
    return order[static_cast<std::size_t>(r)];
}

QuestionnaireResults QuestionnaireSession::results() const {
    return {lines_[0], lines_[1], averageLines_, view_.ranking.order};
}

}  // namespace rumbelo::degrees
