#pragma once
// Scoring of the university interest questionnaire: each interest group scores by how many
// of its listed statements the pupil ticked, and the groups are ranked by score. Qt-free.
#include <string>
#include <vector>

#include "common/data/tables.h"
#include "degrees/data/interest_catalog.h"

namespace rumbelo::degrees {

// Scores by group: scores[g-1] belongs to group g.
using GroupScores = std::vector<double>;

// The statements ticked, as item numbers (1-based, ascending), from one flag per statement.
std::vector<int> tickedItems(const std::vector<bool>& flags);

// The statements a click on statement `item` of the qualities list ticks besides it: the
// first three and the next three statements are graded scales, each step implying those
// before it (3 ticks 1 and 2, 2 ticks 1; 6 ticks 4 and 5, 5 ticks 4).
std::vector<int> impliedTicks(int item);

// score(g) = 10 x (0.01 + hits) / n, where n is the length of group g's item list for the
// questionnaire and hits counts every (ticked item, listed entry) match, so an item listed
// twice counts twice. A group whose list is empty scores 0: no statement counts for it.
// Groups 1..min(groupCount, kMaxInterestGroups).
GroupScores scoreGroups(const InterestCatalog& catalog, Questionnaire q,
                        const std::vector<int>& ticked);

// The mean of the two questionnaires' scores, group by group; a missing score counts 0.
GroupScores averageScores(const GroupScores& qualities, const GroupScores& interests);

// A score as the results show it: one decimal, a point, right-aligned in 4 characters
// (" 3.3", "10.0"), longer text cut to 4.
std::string formatScore(double score);

// The first 40 characters of the group's name followed by its score.
std::string groupLine(const std::string& groupName, double score);

struct GroupRanking {
    std::vector<std::string> lines;  // group lines, highest score first
    std::vector<int> order;          // order[r] = the group on row r
};

// The group lines of `scores` ranked highest first. Neighbours swap only when the first
// scores strictly lower, so equal scores keep the order of the groups.
GroupRanking rankGroups(const LineTable& groups, const GroupScores& scores);

}  // namespace rumbelo::degrees
