#pragma once
// Where the pupil is in the intermediate-FP questionnaire and what each arrow does: the
// areas (step 1), their statements (step 2), the suggested titles (step 3) and a suggested
// title on view beside the map. Going forward always rebuilds the next step from what is
// marked now, so a pupil who goes back and changes the areas never sees stale statements.
#include <string>
#include <vector>

#include "vocational/intermediate/questionnaire/medium_steps.h"

namespace rumbelo::intermediate {

enum class StepOutcome {
    Moved,          // the next step is on view
    NothingMarked,  // beep and the help flight; the step does not change
    ToPlaces,       // row 11: leave the questionnaire for the place map
};

class MediumFlow {
  public:
    MediumFlow(const secondary::MediumQuestionnaire& q, const secondary::Fp2Catalog& fp2)
        : q_(q), fp2_(fp2) {}

    // Back to step 1 with nothing chosen (entering the questionnaire).
    void reset();

    // The right arrow on step 1 with the marked rows (1..11).
    StepOutcome forwardFromAreas(const std::vector<int>& markedRows);
    // The right arrow on step 2 with the marked rows of the statement list (0-based).
    StepOutcome forwardFromStatements(const std::vector<int>& markedRows,
                                      const std::string& familyWord);
    // A suggested title chosen in step 3; false for a family row.
    bool showTitle(int row);
    // The left arrow: a title on view goes back to the suggestions, step 3 to step 2,
    // step 2 to step 1. Nothing on step 1.
    void back();

    int step() const { return step_; }
    bool titleOnView() const { return titleOnView_; }
    int titleOnViewNumber() const { return title_; }
    const std::vector<int>& areas() const { return areas_; }
    std::vector<int> markedAreaRows() const { return rowsOfAreas(areas_); }
    const std::vector<StatementRow>& statements() const { return statements_; }
    const std::vector<int>& markedStatements() const { return markedStatements_; }
    const std::vector<SuggestionRow>& suggestions() const { return suggestions_; }

  private:
    const secondary::MediumQuestionnaire& q_;
    const secondary::Fp2Catalog& fp2_;
    int step_ = 1;
    bool titleOnView_ = false;
    int title_ = 0;
    std::vector<int> areas_;
    std::vector<StatementRow> statements_;
    std::vector<int> markedStatements_;
    std::vector<SuggestionRow> suggestions_;
};

}  // namespace rumbelo::intermediate
