#pragma once
// What the intermediate-FP form remembers between its events and its visits. Qt-free.
#include <string>
#include <vector>

#include "common/geography/geography.h"
#include "common/print/report_table.h"
#include "common/program/section_exit.h"

namespace rumbelo::intermediate {

enum class Mode { Menu, Title, Place };
// Where leaving the section goes.
using Caller = SectionCaller;
// What the listing by place shows.
enum class PlaceKind { None, Province, Locality, Comarca, Area };

struct FormState {
    Mode mode = Mode::Menu;
    Caller caller = Caller::Scene;
    int currentTitle = 0;

    // Families list and its popup.
    std::vector<int> familyOrder;  // row k -> family number
    int familiesTop = 0;
    bool popupShown = false;
    int hoveredFamily = -1;
    int clickedFamily = -1;
    int hoveredTitle = -1;

    // The map and the place lists.
    int community = 0;
    std::vector<ProvinceEntry> provinces;
    char zone = ' ', letter = ' ';
    char savedZone = ' ', savedLetter = ' ';
    bool longNames = false;
    bool localityStage = false;
    int chosenProvince = 0;  // 1-based row of the province list
    int chosenLocality = 0;  // 1-based row of the locality list
    std::vector<int> localityFirstCentres;
    std::string placeName;
    PlaceKind placeKind = PlaceKind::None;
    int comarca = 0, area = 0;
    bool comarcaMode = false, areaMode = false;
    bool phoneShown = false;
    std::vector<int> rowTitles;  // the title of each grid row, 0 for none
    bool doubleClickAllowed = false;

    // Printing.
    bool printSelectionMode = false;
    std::vector<int> chosenCommunities;
    bool printing = false;
    ReportTable report;
    BoldLines bold;

    // Entry and the guide.
    bool firstEntryDone = false;
    bool heliArmed = false;
    bool helpPending = false;
    bool questionnaireMode = false;
    bool heliRunning = false;
    bool helpButtonPending = false;
    bool bubbleShown = false;
    int bubbleRow = 0;
    int pilotX = 0, pilotY = 0, pilotFrame = 0;
    int helpFlightMoves = 0;
    int blinkTick = 0;
    int shrinkStep = 0;
};

}  // namespace rumbelo::intermediate
