#include "secondary/data/itinerary_texts.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::secondary {

const std::string& ItineraryTexts::resultLine(int n) const {
    static const std::string kNone;
    const int s = n - kFirstResultLine + 1;
    if (s < 1 || s > kResultSlots) return kNone;
    return slot[static_cast<std::size_t>(s)];
}

void finishItinerary(DataFiles& files, LineTable& itinerary, ItineraryTexts& texts) {
    if (itinerary.count() > kItineraryLineLimit)
        files.reportOverCapacity(itinerary[0], kItineraryLineLimit, "líneas");
    texts.heading = cut(itinerary[kHeadingLine], kShortTextLength);
    for (int r = 1; r <= kRecommendations; ++r)
        texts.recommendation[static_cast<std::size_t>(r)] =
            cut(itinerary[kFirstRecommendationLine + r - 1], kShortTextLength);
    const int last = std::min(itinerary.count(), kItineraryLineLimit);
    for (int s = 1; s <= kResultSlots; ++s) {
        const int line = kFirstResultLine + s - 1;
        texts.slot[static_cast<std::size_t>(s)] =
            line <= last ? cut(itinerary[line], kResultTextLength) : std::string();
    }
    // Only the areas count as rows of the table from now on.
    if (itinerary.count() > kAreaCount)
        itinerary.truncate(kAreaCount);
    else if (itinerary.count() < kAreaCount)
        itinerary.set(kAreaCount, "");
}

}  // namespace rumbelo::secondary
