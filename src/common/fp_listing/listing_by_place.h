#pragma once
// What is taught in a place: the localities of a province, and the centres of a province,
// locality, comarca or area with the titles each offers, filtered by a test the section
// gives (the pupil's route for higher FP). Returns the lists. Qt-free.
#include <functional>
#include <string>
#include <vector>

#include "common/fp_listing/fp_files.h"
#include "common/fp_listing/listing.h"
#include "common/geography/geography.h"

namespace rumbelo::fp_listing {

constexpr std::size_t kShortLocality = 17;
constexpr std::size_t kLongLocality = 35;  // provinces whose place key has the long-name flag

struct Localities {
    std::vector<std::string> names;  // runs of equal consecutive names listed once
    std::vector<int> firstCentre;    // firstCentre[i] = first centre line of locality i
};

// Whether centre `centre` of zone z appears in the offer row of any title.
bool centreTeachesAny(const FpFiles& files, int zone, int centre);

// The localities of `centres` (lines of zone z's file) that teach something: the first
// `width` characters of the name field (17, or 35 with the long-name flag); a name equal
// to the one before it is listed once, the same name later on is listed again.
Localities localitiesOf(const FpFiles& files, const GeographyData& geo, int zone,
                        const std::vector<int>& centres, std::size_t width);

struct PlaceListingOptions {
    std::vector<std::string> headingRows;   // rows before the centres (higher FP: four)
    std::function<bool(int title)> listed;  // which titles may be listed; all when empty
    bool rowPerOfferEntry = true;           // a centre named twice in a title's row lists it twice
    int topCentre = 0;  // the centre line whose row (or the first kept after it) is the top
    // A section whose centres name what they teach (the initial programmes) lists a
    // centre's titles in the centre's own order, and each title's row text from the title.
    std::function<std::vector<int>(int centre)> titlesOfCentre;
    std::function<std::string(int title)> titleText;
};

// For each centre in order: "-" and its name field with its telephone beside; then a row
// per title (1..title count, in file order) listed and offered there, remembered as that
// row's title (or those `titlesOfCentre` names, in its order); then a row of 60 blanks. A
// centre without titles leaves nothing.
Listing listByPlace(const FpFiles& files, const GeographyData& geo, int zone,
                    const std::vector<int>& centres, const PlaceListingOptions& options);

}  // namespace rumbelo::fp_listing
