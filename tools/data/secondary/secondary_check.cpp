// Checks of a built folder's secondary files, loaded as the secondary form loads them.
#include <string>

#include "common/data/readers.h"
#include "common/text/fixed_text.h"
#include "data/secondary/secondary_pass.h"
#include "secondary/data/line_fields.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo::data {
namespace {

using namespace rumbelo::secondary;

// Every paragraph the diagram, the assistant, the catalogue and the initial programmes ask
// for.
constexpr int kInformationCodes[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25,
                                     31, 33, 34, 35, 36, 37, 38, 39, 41, 42, 43, 44, 45, 46, 99};
// The subject codes of the diagram's buttons and printouts.
constexpr int kSubjectCodes[] = {2014038, 2054058, 2064058, 2034048, 2044048, 2074068, 1123038,
                                 1143058, 1153058, 1133048, 1173048, 1163068, 501,     502};
constexpr int kLastResultLine = 52;

bool hasSubject(const LineTable& subjects, char a, char b) {
    for (int k = 1; k <= subjects.count(); ++k)
        if (hasSubjectKeys(subjects[k], a, b)) return true;
    return false;
}

// A code's groups: first digit key A, the next ones (up to two) keys B; then the same for
// the fourth digit and up to three more.
void checkSubjectCode(CheckContext& ctx, const LineTable& subjects, int code) {
    const std::string d = std::to_string(code);
    const auto group = [&](std::size_t a, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to && i < d.size(); ++i)
            if (!hasSubject(subjects, d[a], d[i]))
                ctx.problem("MATERIAS: subject code " + d + " finds no line with keys " + d[a] +
                            d[i]);
    };
    group(0, 1, 3);
    if (d.size() > 3) group(3, 4, 7);
}

void checkRow(CheckContext& ctx, const std::vector<int>& row, int limit, const std::string& what,
              const std::string& target) {
    for (const int n : row)
        if (n < 1 || n > limit)
            ctx.problem("datitine: " + what + " names line " + std::to_string(n) + " of " + target +
                        ", which has " + std::to_string(limit));
}

void checkModalityColumns(CheckContext& ctx, const LineTable& table, int columns,
                          const std::string& name) {
    for (int c = 1; c <= columns; ++c) {
        bool any = false;
        for (int k = 1; k <= table.count() && !any; ++k)
            any = openFromColumn(table[k], c);
        if (!any) ctx.problem(name + ": nothing is open from column " + std::to_string(c));
    }
}

// A degree listed for all five routes has lost its links: the routes exist to say which
// modalities a degree is for, and none is for all of them (Artes included).
void checkDegreeRoutes(CheckContext& ctx, const LineTable& degrees) {
    for (int k = 1; k <= degrees.count(); ++k) {
        bool every = true;
        for (int c = 1; c <= 5 && every; ++c)
            every = openFromColumn(degrees[k], c);
        if (every)
            ctx.problem("CARRERAS: " + TrimRight(degreeName(degrees[k])) +
                        " is listed for all five routes; link it to its own routes");
    }
}

}  // namespace

void checkSecondary(CheckContext& ctx) {
    SecondaryData data;
    loadSecondaryTexts(ctx.files, data);
    loadSecondaryTables(ctx.files, data);
    if (ctx.aborted) return;

    for (const int code : kInformationCodes)
        if (informationLines(data.information, code).empty())
            ctx.problem("INFORMA: no lines for paragraph " + std::to_string(code));
    if (paragraphLines(data.information, "20").empty())
        ctx.problem("INFORMA: no lines for paragraph 20");
    for (const int code : kSubjectCodes)
        checkSubjectCode(ctx, data.subjects, code);
    checkModalityColumns(ctx, data.degrees, 5, "CARRERAS");
    checkModalityColumns(ctx, data.fpTitles, 7, "FPS");
    checkDegreeRoutes(ctx, data.degrees);

    LineTable itinerary;
    if (ReadLineTable(ctx.files, "ITINERAR", itinerary, kItineraryWidth) < kLastResultLine)
        ctx.problem("ITINERAR: the results page reads lines up to 52");

    const int statements = data.statements.count();
    if (statements <= 35) ctx.problem("CUESTION: no interest statements after line 35");
    for (int i = 1; i <= statements; ++i) {
        const int w = statementWeight(data.statements[i]);
        const int f = statementFormat(data.statements[i]);
        if (!(w == 2 || w == 3 || w == 4 || w == 5 || w == 8 || w == 9) || f < 2 || f > 5)
            ctx.problem("CUESTION: line " + std::to_string(i) + " has weight " + std::to_string(w) +
                        " and answers " + std::to_string(f));
    }
    for (int h = 1; h <= kLastAdviceArea; ++h) {
        const auto& row = data.areas.statementsOf(h);
        const std::string what = "area " + std::to_string(h);
        if (row.empty()) ctx.problem("datitine: " + what + " has no statements");
        checkRow(ctx, row, statements, what, "CUESTION");
        if (h >= kFirstAdviceArea && !row.empty() && row.front() > 35)
            ctx.problem("datitine: advice " + what + " has no readiness statement");
    }
    for (int h = 1; h <= kRankedAreas; ++h) {
        const auto& row = data.areas.titlesOf(h);
        const std::string what = "the studies of area " + std::to_string(h);
        if (row.empty()) ctx.problem("datitine: " + what + " are empty");
        checkRow(ctx, row, data.titles.count(), what, "TITULOS");
        for (const int t : row)
            if (IsBlank(data.titles[t]))
                ctx.problem("datitine: " + what + " name the empty TITULOS line " +
                            std::to_string(t));
    }
}

}  // namespace rumbelo::data
