#pragma once
// What the university questionnaire keeps for the whole run: which statement lists were
// filled, the last scores and ranked lines of each questionnaire, and the ranking on view,
// whose rows open groups. The face only moves ticks in and lines out. Qt-free.
#include <array>
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "degrees/data/interest_catalog.h"
#include "degrees/questionnaire/group_scores.h"

namespace rumbelo::degrees {

// A ranking as ListResul shows it, under its heading in PanelResCon.
struct ResultView {
    std::string heading;
    GroupRanking ranking;
};

// The three rankings a results report prints, and the groups of the one last shown.
struct QuestionnaireResults {
    std::vector<std::string> qualities;  // ranked group lines; empty until first computed
    std::vector<std::string> interests;
    std::vector<std::string> averages;
    std::vector<int> order;
};

class QuestionnaireSession {
  public:
    explicit QuestionnaireSession(const InterestCatalog& catalog);

    // The groups scored: those of "GRUPOS", at most kMaxInterestGroups.
    int groupCount() const;

    // Statement lists: once filled, their ticks are kept between visits until the pupil
    // starts again, which has them filled afresh (no ticks) when next opened.
    bool isBuilt(Questionnaire q) const { return built_[index(q)]; }
    void markBuilt(Questionnaire q) { built_[index(q)] = true; }
    bool anyBuilt() const { return built_[0] || built_[1]; }
    void startAgain() { built_ = {false, false}; }

    Questionnaire active = Questionnaire::Qualities;

    // Scores questionnaire q from one tick flag per statement and ranks the groups:
    // heading text 286, four blanks, text 279 or 280.
    const ResultView& showResults(Questionnaire q, const std::vector<bool>& flags,
                                  const InterfaceTexts& texts);
    // The average needs both lists filled, not both results computed: a questionnaire
    // whose results were never shown counts 0.
    bool canAverage() const { return built_[0] && built_[1]; }
    // Averages and ranks them under text 288.
    const ResultView& showAverages(const InterfaceTexts& texts);

    // The group on row r of the ranking last shown; 0 when there is no such row.
    int groupOnRow(int r) const;
    const GroupScores& scores(Questionnaire q) const { return scores_[index(q)]; }
    const ResultView& view() const { return view_; }
    QuestionnaireResults results() const;

  private:
    static std::size_t index(Questionnaire q) { return static_cast<std::size_t>(q); }

    const InterestCatalog& catalog_;
    std::array<bool, 2> built_{false, false};
    std::array<GroupScores, 2> scores_;
    std::array<std::vector<std::string>, 2> lines_;
    std::vector<std::string> averageLines_;
    ResultView view_;
};

}  // namespace rumbelo::degrees
