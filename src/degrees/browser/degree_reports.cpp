#include "degrees/browser/degree_reports.h"

#include "common/text/fixed_text.h"
#include "degrees/browser/degree_view.h"
#include "degrees/browser/double_degree_lists.h"

namespace rumbelo::degrees {
namespace {

constexpr std::size_t kEntry = ReportTable::kWidth;
constexpr std::size_t kNameBesideMark = 40;

// The school, an empty line, text 242 centred-ish, an empty line: the double-degree reports.
std::vector<std::string> doublesHeading(const std::string& schoolName,
                                        const InterfaceTexts& texts) {
    return {spaces(4) + TrimRight(schoolName), "", spaces(14) + texts[242], ""};
}

std::string rule45() {
    return spaces(4) + std::string(45, '_');
}

void cutAll(std::vector<std::string>& lines) {
    for (auto& line : lines)
        line = cut(line, kEntry);
}

}  // namespace

PlainReport universityDegreesReport(const DegreeCatalog& catalog, const PlaceList& places, int p,
                                    const std::string& schoolName, const InterfaceTexts& texts) {
    PlainReport report{{spaces(4) + TrimRight(schoolName), "",
                        spaces(4) + texts[289] + ": " + TrimRight(places.names[p]), rule45(), "",
                        spaces(4) + texts[48] + spaces(16) + texts[296]},
                       6};
    for (int j = 1; j <= catalog.degreeCount; ++j)
        for (const PlaceMark& at : catalog.places(j))
            if (at.place == p)
                report.lines.push_back(spaces(4) + cut(catalog.name(j), kNameBesideMark) +
                                       formatMark(at.mark));
    cutAll(report.lines);
    return report;
}

PlainReport doubleDegreesOfDegreeReport(const DegreeCatalog& catalog, const DoubleDegrees& doubles,
                                        int d, const std::string& schoolName,
                                        const InterfaceTexts& texts) {
    PlainReport report{doublesHeading(schoolName, texts), 7};
    report.lines.push_back(spaces(4) + texts[325] + ": " + catalog.name(d));
    report.lines.push_back(rule45());
    report.lines.push_back("");
    for (const MarkedLine& line : doubleDegreesOfDegree(catalog, doubles, d))
        report.lines.push_back(line.text);
    cutAll(report.lines);
    return report;
}

PlainReport doubleDegreesOfUniversityReport(const DegreeCatalog& catalog,
                                            const DoubleDegrees& doubles, int g,
                                            const std::string& schoolName,
                                            const InterfaceTexts& texts) {
    PlainReport report{doublesHeading(schoolName, texts), 7};
    const std::string group =
        g >= 1 && g <= doubles.count() ? doubles.groups[static_cast<std::size_t>(g)].name : "";
    report.lines.push_back(spaces(4) + texts[289] + ": " + TrimRight(group));
    report.lines.push_back(rule45());
    report.lines.push_back("");
    for (auto& line : doubleDegreesOfUniversity(catalog, doubles, g, texts))
        report.lines.push_back(std::move(line));
    cutAll(report.lines);
    return report;
}

PlainReport otherStudyReport(const DegreeCatalog& catalog, int k, const std::string& schoolName,
                             const InterfaceTexts& texts) {
    PlainReport report{{spaces(2) + TrimRight(schoolName), spaces(2),
                        spaces(5) + texts[290] + ": " + TrimRight(catalog.others[k]),
                        spaces(5) + std::string(52, '-'), spaces(2)},
                       5};
    for (auto& line : catalog.otherStudyRows(k))
        report.lines.push_back(std::move(line));
    cutAll(report.lines);
    return report;
}

int degreeReport(const DegreeCatalog& catalog, const PlaceList& places, int j,
                 const InterfaceTexts& texts, ReportTable& report, BoldLines& bold) {
    report.clear();
    bold.clear();
    report.setTitle(texts[290] + ": " + catalog.name(j));
    int n = 0;
    const auto section = [&](const std::string& heading, const std::vector<std::string>& rows) {
        report.set(++n, "");
        report.set(++n, heading);
        bold.add(n);
        report.set(++n, "");
        for (const auto& row : rows)
            report.set(++n, row);
    };
    section(TrimRight(places.names[0]) + spaces(21) + texts[296],
            placesOfDegree(catalog, places, j, texts).rows);
    section(texts[277], requirementsOfDegree(catalog, j, texts).rows);
    section(texts[278], outletsOfDegree(catalog, j, texts).rows);
    section(texts[312], subjectsOfDegree(catalog, j, texts).rows);
    section(texts[295], relatedToDegree(catalog, j, texts).rows);
    return std::min(n, ReportTable::kLastEntry);
}

}  // namespace rumbelo::degrees
