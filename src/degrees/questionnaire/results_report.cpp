#include "degrees/questionnaire/results_report.h"

#include <algorithm>

#include "common/text/fixed_text.h"
#include "degrees/questionnaire/group_studies.h"

namespace rumbelo::degrees {
namespace {

constexpr int kTitle = 284;
constexpr int kSubtitleStart = 596;
constexpr int kSubtitleEnd = 597;
constexpr int kQualities = 279;
constexpr int kInterests = 280;
constexpr int kAverages = 285;
constexpr int kPartOneEnd = 598;
constexpr int kPartTwoTitle = 340;
constexpr int kDegreesHeading = 327;
constexpr int kTitlesHeading = 326;
constexpr int kBestGroups = 3;

// Appends lines to a report table from a given entry on; the count never passes the table.
class Writer {
  public:
    Writer(ReportTable& table, int next) : table_(table), next_(next) {}
    int add(const std::string& line) {
        const int at = next_;
        table_.set(at, line);
        if (next_ < ReportTable::kLastEntry) ++next_;
        return at;
    }
    void empty(int n = 1) {
        for (int i = 0; i < n; ++i)
            add("");
    }
    int last() const { return next_ - 1; }

  private:
    ReportTable& table_;
    int next_;
};

void addRanking(Writer& out, const std::vector<std::string>& lines, int groupCount) {
    for (int g = 0; g < groupCount; ++g) {
        const std::size_t i = static_cast<std::size_t>(g);
        out.add(spaces(9) + (i < lines.size() ? lines[i] : std::string()));
    }
}

}  // namespace

ResultsReport buildResultsReport(const QuestionnaireResults& results, int groupCount,
                                 const std::string& pupilName, const DegreeCatalog& degrees,
                                 const FpCatalog& fp, const LineTable& groups,
                                 const InterfaceTexts& texts, bool saving) {
    ResultsReport report;
    Writer one(report.first, 0);
    one.add(texts[kTitle] + pupilName);
    one.add(texts[kSubtitleStart] + " " + texts[kSubtitleEnd]);
    one.empty();
    report.firstBold.setSlot(1, one.add(spaces(26) + texts[kQualities]));
    one.empty();
    addRanking(one, results.qualities, groupCount);
    one.empty(2);
    report.firstBold.setSlot(2, one.add(spaces(26) + texts[kInterests]));
    one.empty();
    addRanking(one, results.interests, groupCount);
    one.empty(2);
    report.firstBold.setSlot(3, one.add(spaces(11) + texts[kAverages]));
    one.empty();
    addRanking(one, results.averages, groupCount);
    one.empty();
    one.add(spaces(44) + texts[kPartOneEnd]);
    report.firstBold.setCount(3);

    // Saved, part two goes on in the same table; printed, it is a report of its own.
    Writer two = saving ? Writer(report.first, one.last() + 1) : Writer(report.second, 0);
    BoldLines& bold = saving ? report.firstBold : report.secondBold;
    two.add(texts[kPartTwoTitle]);
    two.empty();
    const int best = std::min(kBestGroups, static_cast<int>(results.order.size()));
    for (int r = 0; r < best; ++r) {
        const int g = results.order[static_cast<std::size_t>(r)];
        const int headingLine = two.add(groups[g]);
        if (!saving) bold.setSlot(r + 1, headingLine);
        two.empty();
        two.add(texts[kDegreesHeading]);
        for (const int j : degreesOfGroup(degrees, g))
            two.add(spaces(3) + degrees.name(j));
        two.empty();
        two.add(texts[kTitlesHeading]);
        for (const int t : fp.titlesOfGroup(g))
            two.add(spaces(3) + fp.titleName(t));
        two.empty();
        two.add(std::string(29, '_'));
        two.empty();
    }
    if (saving) {
        report.firstCount = two.last();
    } else {
        report.firstCount = one.last();
        report.secondCount = two.last();
        report.secondBold.setCount(3);
    }
    return report;
}

std::vector<std::string> savedLines(const ResultsReport& report) {
    std::vector<std::string> lines;
    for (int k = 0; k <= report.firstCount; ++k)
        lines.push_back(report.first[k]);
    return lines;
}

}  // namespace rumbelo::degrees
