#include "secondary/itineraries/itinerary_printouts.h"

#include "common/text/fixed_text.h"
#include "secondary/itineraries/itinerary_lists.h"

namespace rumbelo::secondary {
namespace {

struct Itinerary {
    int p;
    int modalityLine;  // line 4: the modality
    int optionLine;    // line 6: the option
    long firstYear, secondYear;
    int information;
    int modality;
};

constexpr Itinerary kItineraries[] = {
    {1, 68, 59, 1143058, 2054058, 21, 3}, {3, 68, 60, 1153058, 2064058, 22, 4},
    {4, 69, 61, 1133048, 2034048, 25, 1}, {5, 69, 62, 1173048, 2044048, 24, 2},
    {6, 70, 63, 1163068, 2074068, 33, 6}, {8, 71, 64, 1123038, 2014038, 23, 5},
};
constexpr int kFpItinerary = 7;
constexpr int kAnyBachillerato = 7;

void yearHeading(PrintDocument& document, int year, const InterfaceTexts& texts) {
    document.add(separatorLine());
    document.addBlank();
    document.add(texts.trimmed(year == 1 ? 56 : 57));
    document.addBlank();
}

}  // namespace

bool isItinerary(int p) {
    if (p == kFpItinerary) return true;
    for (const Itinerary& it : kItineraries)
        if (it.p == p) return true;
    return false;
}

std::vector<std::string> itineraryPrintout(int p, const SecondaryData& data,
                                           const std::string& schoolName,
                                           const InterfaceTexts& texts) {
    PrintDocument doc;
    doc.add(TrimRight(schoolName));
    if (p == kFpItinerary) {
        appendInformation(doc, informationList(data.information, 36, texts));
        appendInformation(doc, informationList(data.information, 19, texts));
        return doc.lines();
    }
    const Itinerary* found = nullptr;
    for (const Itinerary& it : kItineraries)
        if (it.p == p) found = &it;
    if (found == nullptr) return {};
    const Itinerary& it = *found;
    doc.addBlank();
    doc.add(texts.trimmed(66));
    doc.add(texts.trimmed(it.modalityLine));
    doc.addBlank();
    doc.add(texts.trimmed(it.optionLine));
    doc.addBlank();
    const std::string subjectsTitle = texts.trimmed(73);
    yearHeading(doc, 1, texts);
    appendSubjects(doc, subjectList(data.subjects, subjectsTitle, it.firstYear));
    yearHeading(doc, 2, texts);
    appendSubjects(doc, subjectList(data.subjects, subjectsTitle, it.secondYear));
    if (p == 8) doc.addBlank();
    appendInformation(doc, informationList(data.information, it.information, texts));
    appendDegrees(doc, degreeList(data.degrees, data.fpTitles, "", it.modality, true, texts));
    if (p == 6)
        appendDegrees(doc,
                      degreeList(data.degrees, data.fpTitles, "", kAnyBachillerato, true, texts));
    return doc.lines();
}

}  // namespace rumbelo::secondary
