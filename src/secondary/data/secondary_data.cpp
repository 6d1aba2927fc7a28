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
    loadMediumQuestionnaire(files, data.mediumQuestionnaire);
    read("ITINERAR", data.itinerary, kItineraryWidth);
    loadFp2Texts(files, data.fp2);
    finishItinerary(files, data.itinerary, data.results);
}

void loadSecondaryTables(DataFiles& files, SecondaryData& data) {
    loadAreaLists(files, data.areas);
    loadFp2Offer(files, data.fp2);
}

}  // namespace rumbelo::secondary
