#include "vocational/intermediate/questionnaire/medium_flow.h"

#include <algorithm>

namespace rumbelo::intermediate {

void MediumFlow::reset() {
    step_ = 1;
    titleOnView_ = false;
    title_ = 0;
    areas_.clear();
    statements_.clear();
    markedStatements_.clear();
    suggestions_.clear();
}

StepOutcome MediumFlow::forwardFromAreas(const std::vector<int>& markedRows) {
    if (std::find(markedRows.begin(), markedRows.end(), kPlacesRow) != markedRows.end())
        return StepOutcome::ToPlaces;
    std::vector<int> areas = areasOfRows(markedRows);
    if (areas.empty()) return StepOutcome::NothingMarked;
    areas_ = std::move(areas);
    statements_ = statementsOfAreas(q_, areas_);
    markedStatements_.clear();
    step_ = 2;
    return StepOutcome::Moved;
}

StepOutcome MediumFlow::forwardFromStatements(const std::vector<int>& markedRows,
                                              const std::string& familyWord) {
    std::vector<std::string> codes;
    std::vector<int> marked;
    for (int row : markedRows) {
        if (row < 0 || row >= static_cast<int>(statements_.size())) continue;
        marked.push_back(row);
        codes.push_back(statements_[static_cast<std::size_t>(row)].code);
    }
    if (marked.empty()) return StepOutcome::NothingMarked;
    markedStatements_ = std::move(marked);
    suggestions_ = suggestionRows(fp2_, marksOfCodes(fp2_, codes), familyWord);
    titleOnView_ = false;
    step_ = 3;
    return StepOutcome::Moved;
}

bool MediumFlow::showTitle(int row) {
    if (step_ != 3 || row < 0 || row >= static_cast<int>(suggestions_.size())) return false;
    const int title = suggestions_[static_cast<std::size_t>(row)].title;
    if (title == 0) return false;
    title_ = title;
    titleOnView_ = true;
    return true;
}

void MediumFlow::back() {
    if (titleOnView_) {
        titleOnView_ = false;
    } else if (step_ > 1) {
        --step_;
    }
}

}  // namespace rumbelo::intermediate
