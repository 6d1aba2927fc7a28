#pragma once
// The lists of degrees the degree browser offers: every degree with its two filters
// (Bachillerato modality and kind of degree), and the degrees of one university with their
// cut-off marks. Qt-free; the form shows the rows.
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "degrees/browser/list_rows.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::degrees {

// "REQUISIT" lines with a fixed role in the filters.
constexpr int kKindFilterTextLine = 13;        // the kind filter's initial text
constexpr int kEveryModalityRequirement = 15;  // passes every modality filter
constexpr int kModalityRequirementBase = 18;   // modality k filters on requirement 18 + k
constexpr int kModalityCount = 5;
constexpr int kKindCount = 3;

// Both filters start inactive; choosing an entry activates its filter for the rest of the
// run. Entry 0 of either keeps every degree.
struct DegreeFilters {
    bool modalityActive = false;
    int modality = 0;  // entry of ComSelCar: 0 every modality, 1..5 a modality
    bool kindActive = false;
    int kind = 0;  // entry of BotSelcar: 0 every kind, 1..3 a degree kind
};

// Whether degree j is open from modality k (1..5): its requirements name 18 + k or 15.
bool passesModality(const DegreeCatalog& catalog, int j, int modality);

// Every degree (full 60-character names) in file order, or in byte order when a language
// folder is active, then the modality filter, then the kind filter.
ListRows allDegreesRows(const DegreeCatalog& catalog, const DegreeFilters& filters,
                        bool alphabetical);

// The caption under the list: "<589>: <590>" when every degree shows, otherwise
// "<589>: <rows> <591> <degree count>".
std::string listCountCaption(const InterfaceTexts& texts, int rows, int degreeCount);

// The help situation a change of the kind filter shows: 10, 11, 13 for kinds 1, 2, 3;
// 0 for entry 0.
int kindHelpSituation(int kind);

// The entries of the modality filter ComSelCar: text 223, then "REQUISIT" lines 19-23,
// all trimmed.
std::vector<std::string> modalityEntries(const DegreeCatalog& catalog, const InterfaceTexts& texts);
// The entries of the kind filter BotSelcar: texts 333-336, trimmed.
std::vector<std::string> kindEntries(const InterfaceTexts& texts);
// The kind filter's text before a choice: "REQUISIT" line 13, trimmed.
std::string kindFilterText(const DegreeCatalog& catalog);

// The degrees of a university: for each degree in order, one row per position of its
// place list that holds the place: the first 45 characters of its name and the mark.
ListRows universityDegreeRows(const DegreeCatalog& catalog, int place);

// The list top kept when a degree is opened: 0 when the old value is negative or above the
// degree count, otherwise the list's current top row.
int refreshedListTop(int oldTop, int degreeCount, int currentTop);

}  // namespace rumbelo::degrees
