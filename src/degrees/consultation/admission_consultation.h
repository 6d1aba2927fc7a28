#pragma once
// "Where can I get in with my mark?": the degrees of a community's universities whose last
// cut-off mark the pupil's expected mark reaches, open to the pupil's Bachillerato modality
// and at least as difficult as asked, university by university. Qt-free.
#include <string>
#include <string_view>
#include <vector>

#include "common/data/readers.h"
#include "common/texts/interface_texts.h"
#include "degrees/browser/list_rows.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::degrees {

// The entries of the modality box: "REQUISIT" lines 19-23, then "every modality".
constexpr int kModalityEntries = 6;
constexpr int kEveryModality = 5;
constexpr int kNoModality = -1;
// Requirement numbers: entry k asks for 19 + k; 15 is open to every modality.
constexpr int kFirstModalityRequirement = 19;
constexpr int kAnyModalityRequirement = 15;
// Difficulty scale of the track bar.
constexpr int kLowestDifficulty = 1;
constexpr int kHighestDifficulty = 7;
// The mark when a digit field is empty: 5,0.
constexpr int kDefaultMark = 50;

// The pupil's mark x 10 from the units and tenths fields ("6", "5" give 65). A field that
// is empty or not a digit gives 5,0: reading the other digit alone would give 0,5.
int consultationMark(std::string_view units, std::string_view tenths);

// The entries of the modality box, trimmed.
std::vector<std::string> modalityBoxEntries(const DegreeCatalog& catalog,
                                            const InterfaceTexts& texts);

// The captions under the track bar: before it moves, text 651 and text 333 (every level);
// once moved, text 652 and the name of the chosen level (652 + position).
struct DifficultyCaptions {
    std::string label;  // LabelDificultad
    std::string level;  // LabelDificultad2
};
DifficultyCaptions difficultyCaptions(const InterfaceTexts& texts, bool moved, int position);

struct ConsultationQuery {
    int mark = kDefaultMark;
    int modality = kNoModality;  // entry of the modality box
    int difficulty = kLowestDifficulty;
    std::vector<int> places;  // the universities of the clicked community, in order
};

enum class ConsultationOutcome {
    Nothing,           // neither a modality nor a community yet: the list stays as it is
    MissingModality,   // the three rows ask for the modality
    MissingCommunity,  // the three rows ask for the community
    NoDegree,          // the three rows say nothing is within reach
    Degrees,           // headings and degrees
};

struct ConsultationResult {
    ConsultationOutcome outcome = ConsultationOutcome::Nothing;
    ListRows rows;  // each degree row remembers its degree; headings and texts have 0
};

// A university heading: "-  " and the place's name. Headings are what a double click
// leaves alone and what the list highlights.
bool isConsultationHeading(std::string_view row);

// Every degree f (1..degree count) of difficulty d or more counts at a university by the
// first position of its place list that names it; it is listed when that position's mark
// is known and not above the pupil's, and its requirements are open to the modality.
// Universities without a listed degree are left out.
ConsultationResult consultDegrees(const DegreeCatalog& catalog, const PlaceList& places,
                                  const ConsultationQuery& query, const InterfaceTexts& texts);

}  // namespace rumbelo::degrees
