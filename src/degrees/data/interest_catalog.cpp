#include "degrees/data/interest_catalog.h"

#include <algorithm>

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
    for (int g = 1; g <= kGroupItemRows; ++g) {
        const std::size_t offset = static_cast<std::size_t>(g - 1) * kGroupItemRowBytes;
        auto byte = [&](std::size_t i) { return static_cast<unsigned char>(record[offset + i]); };
        // A count beyond the row is read as a full row, never past it.
        const int n = std::min<int>(byte(0), kGroupItemRowBytes - 1);
        std::vector<int> row;
        for (int i = 1; i <= n; ++i)
            row.push_back(byte(static_cast<std::size_t>(i)));
        rows.push_back(std::move(row));
    }
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
    const std::string name = "datgru";
    const auto bytes = files.read(name);
    if (!bytes) {
        files.reportMissing(name);
        return;
    }
    const std::size_t pairSize = 2 * kGroupItemsRecordSize;
    const std::size_t pairs = bytes->size() / pairSize;
    if (pairs == 0) {
        files.reportTooShort(name);
        return;
    }
    const std::size_t last = (pairs - 1) * pairSize;
    interest.items[0] = decodeGroupItemsRecord(bytes->substr(last, kGroupItemsRecordSize));
    interest.items[1] =
        decodeGroupItemsRecord(bytes->substr(last + kGroupItemsRecordSize, kGroupItemsRecordSize));
}

}  // namespace rumbelo::degrees
