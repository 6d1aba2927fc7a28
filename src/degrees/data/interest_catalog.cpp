#include "degrees/data/interest_catalog.h"

#include "common/data/counted_rows.h"
#include "common/data/readers.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::degrees {
namespace {

const std::vector<int> kNone;

// Entry-0 headings (interface texts).
constexpr int kQualitiesHeading = 279;
constexpr int kInterestsHeading = 280;
constexpr int kGroupsHeading = 281;

}  // namespace

const std::vector<int>& InterestCatalog::groupItems(Questionnaire q, int g) const {
    const auto& rows = items[static_cast<std::size_t>(q)];
    if (g < 1 || g >= static_cast<int>(rows.size())) return kNone;
    return rows[static_cast<std::size_t>(g)];
}

std::vector<std::vector<int>> decodeGroupItemsRecord(const std::string& record) {
    std::vector<std::vector<int>> rows(1);
    for (int g = 1; g <= kGroupItemRows; ++g)
        rows.push_back(countedRow(record, static_cast<std::size_t>(g - 1) * kGroupItemRowBytes,
                                  kGroupItemRowBytes));
    return rows;
}

void loadInterestTexts(DataFiles& files, InterestCatalog& interest) {
    ReadLineTable(files, files.localized("CUALIDAD"), interest.qualities, kStandardWidth);
    ReadLineTable(files, files.localized("INTERES"), interest.interests, kStandardWidth);
    ReadLineTable(files, files.localized("GRUPOS"), interest.groups, kStandardWidth);
}

void finishInterestTexts(InterestCatalog& interest, const InterfaceTexts& texts) {
    interest.qualities.set(0, texts[kQualitiesHeading]);
    interest.interests.set(0, texts[kInterestsHeading]);
    interest.groups.set(0, texts[kGroupsHeading]);
}

void loadGroupItems(DataFiles& files, InterestCatalog& interest) {
    const auto records = ReadLastRecordGroup(files, "datgru", kGroupItemsRecordSize, 2);
    if (!records) return;
    interest.items[0] = decodeGroupItemsRecord((*records)[0]);
    interest.items[1] = decodeGroupItemsRecord((*records)[1]);
}

}  // namespace rumbelo::degrees
