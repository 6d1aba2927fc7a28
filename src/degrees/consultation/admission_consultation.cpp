#include "degrees/consultation/admission_consultation.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr int kAdviceLines[] = {19, 20, 21, 22, 23};
constexpr std::size_t kNameBesideMark = 45;
constexpr int kNoDegreeText = 660;
constexpr int kMissingText = 661;
constexpr int kMissingCommunityText = 662;
constexpr int kMissingModalityText = 663;

bool isDigit(std::string_view field) {
    return field.size() == 1 && field[0] >= '0' && field[0] <= '9';
}

bool openToModality(const std::vector<int>& requirements, int modality) {
    if (requirements.empty()) return false;
    if (modality == kEveryModality) return true;
    return std::any_of(requirements.begin(), requirements.end(), [&](int r) {
        return r == kFirstModalityRequirement + modality || r == kAnyModalityRequirement;
    });
}

// The first position of f's place list that names `place` decides; -1 when none does.
int markAt(const std::vector<PlaceMark>& at, int place) {
    const auto first =
        std::find_if(at.begin(), at.end(), [&](const PlaceMark& p) { return p.place == place; });
    return first == at.end() ? -1 : first->mark;
}

ListRows threeRowMessage(std::string text) {
    ListRows rows;
    rows.add("");
    rows.add("");
    rows.add(std::move(text));
    return rows;
}

}  // namespace

int consultationMark(std::string_view units, std::string_view tenths) {
    if (!isDigit(units) || !isDigit(tenths)) return kDefaultMark;
    return (units[0] - '0') * 10 + (tenths[0] - '0');
}

std::vector<std::string> modalityBoxEntries(const DegreeCatalog& catalog,
                                            const InterfaceTexts& texts) {
    std::vector<std::string> entries;
    for (const int line : kAdviceLines)
        entries.push_back(TrimRight(catalog.requirements[line]));
    entries.push_back(texts.trimmed(333));
    return entries;
}

DifficultyCaptions difficultyCaptions(const InterfaceTexts& texts, bool moved, int position) {
    if (!moved) return {texts.trimmed(651), texts.trimmed(333)};
    position = std::clamp(position, kLowestDifficulty, kHighestDifficulty);
    return {texts.trimmed(652), texts.trimmed(652 + position)};
}

bool isConsultationHeading(std::string_view row) {
    return !row.empty() && row[0] == '-';
}

ConsultationResult consultDegrees(const DegreeCatalog& catalog, const PlaceList& places,
                                  const ConsultationQuery& query, const InterfaceTexts& texts) {
    ConsultationResult result;
    const bool modality = query.modality >= 0 && query.modality < kModalityEntries;
    const bool community = !query.places.empty();
    if (!modality && !community) return result;
    if (!modality || !community) {
        result.outcome = community ? ConsultationOutcome::MissingModality
                                   : ConsultationOutcome::MissingCommunity;
        result.rows = threeRowMessage(
            texts[kMissingText] + texts[community ? kMissingModalityText : kMissingCommunityText]);
        return result;
    }
    for (const int place : query.places) {
        ListRows university;
        university.add("-  " + TrimRight(places.names[place]));
        for (int f = 1; f <= catalog.degreeCount; ++f) {
            if (catalog.difficulty(f) < query.difficulty) continue;
            const int v = markAt(catalog.places(f), place);
            if (v < 0 || v == kNoMark || query.mark < v) continue;
            if (!openToModality(catalog.requirementsOf(f), query.modality)) continue;
            university.add(cut(catalog.name(f), kNameBesideMark) + formatMark(v), f);
        }
        if (university.size() == 1) continue;  // a heading with nothing under it goes
        for (int i = 0; i < university.size(); ++i)
            result.rows.add(university.rows[static_cast<std::size_t>(i)],
                            university.degrees[static_cast<std::size_t>(i)]);
    }
    if (result.rows.size() == 0) {
        result.outcome = ConsultationOutcome::NoDegree;
        result.rows = threeRowMessage(texts[kNoDegreeText]);
    } else {
        result.outcome = ConsultationOutcome::Degrees;
    }
    return result;
}

}  // namespace rumbelo::degrees
