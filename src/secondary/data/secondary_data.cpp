#include "secondary/data/secondary_data.h"

#include "common/data/readers.h"

namespace rumbelo::secondary {

void loadSecondaryTexts(DataFiles& files, SecondaryData& data) {
    const auto read = [&files](const char* name, LineTable& table, int width) {
        ReadLineTable(files, files.localized(name), table, width);
    };
    read("MATERIAS", data.subjects, kStandardWidth);
    read("CARRERAS", data.degrees, kStandardWidth);
    read("INFORMA", data.information, kStandardWidth);
    read("FPS", data.fpTitles, kFpsWidth);
    read("TITULOS", data.titles, kStandardWidth);
    read("CUESTION", data.statements, kStatementWidth);
    // "CUESGM" is read here, into data.intermediateFp, by its own loader.
    read("ITINERAR", data.itinerary, kItineraryWidth);
    // "FP2" (whole, then its headers) and "asignagm" are read here, into
    // data.intermediateFp, by their own loader, which also builds the family index.
    finishItinerary(files, data.itinerary, data.results);
}

void loadSecondaryTables(DataFiles& files, SecondaryData& data) {
    loadAreaLists(files, data.areas);
    // "datFPL2" follows, read into data.intermediateFp.offer by its own loader.
}

}  // namespace rumbelo::secondary
