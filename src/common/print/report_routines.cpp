#include "common/print/report_routines.h"

#include <algorithm>
#include <array>

#include "common/print/body_layout.h"
#include "common/print/column_layout.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

namespace {

// The two rules between the columns of a landscape page, in inches from the left.
// The first rule stands a little right of 3.6667 inches, where the last digit of a full
// centre line (its telephone) in the first column ran into it.
constexpr std::array<double, 2> kRuleX = {3.7067, 7.4067};
// The rules run at least this far down the page, in inches.
constexpr double kRuleBottom = 7.5;
// Text of a column stops this short of the next column, in inches.
constexpr double kColumnGap = 0.05;

int linesOfReport(int n) {
    return std::clamp(n, 0, ReportTable::kLastEntry);
}

bool failed(HardCopy& page) {
    page.abortDocument();
    return false;
}

// The right end, in pixels, of what column c of a landscape page may print: up to its rule,
// and short of the next column.
int columnEnd(const HardCopy& page, const ColumnLayout& layout, int c) {
    if (c == 2) return page.metrics().width;
    const int rule = page.unitPoint(0, kRuleX[static_cast<std::size_t>(c)]).x;
    const int next = page.gridPoint(layout.columnX[static_cast<std::size_t>(c + 1)], 0).x;
    return std::min(rule - 1, next - page.unitPoint(0, kColumnGap).x);
}

}  // namespace

bool PrintList(PageCanvas& canvas, const HeadingTexts& heading, const ReportTable& report, int n,
               bool fixedPitch, int fontSize, const BoldLines& bold) {
    n = linesOfReport(n);
    const int last = fontSize == 12 ? 50 : 70;  // a page holds lines 0..last of its count
    HardCopy page(canvas);
    if (!page.beginDocument(PageOrientation::Portrait)) return false;
    page.setFont(fixedPitch ? kFixedPitchFont : kProportionalFont, fontSize, false);
    page.PageInit(50, last + 8, 1);
    const int lineHeight = canvas.lineHeight();
    const int x = page.gridPoint(5, 0).x;
    PortraitHeading(page, heading, report.title());
    // Lines print over nothing; a white box would clip the line above.
    page.setTextBackground(TextBackground::Transparent);
    LineRows rows(page, 6, last + 1, lineHeight, true);
    int onPage = 0;
    for (int j = 1; j <= n; ++j) {
        // A new page only when a line is waiting for it: a full last page is not followed
        // by an empty sheet.
        if (onPage > last) {
            if (!page.newPage()) return failed(page);
            onPage = 0;
            rows = LineRows(page, 6, last + 1, lineHeight, false);
        }
        page.setFontSize(fontSize, bold.contains(j));
        page.moveToPixel({x, rows.y(onPage)});
        page.TextAt(report[j]);
        ++onPage;
    }
    return page.endDocument();
}

bool PrintColumns(PageCanvas& canvas, const HeadingTexts& heading, ReportTable& report, int n,
                  bool compact, const BoldLines& bold) {
    n = linesOfReport(n);
    if (n <= kLongestPortraitReport) return PrintList(canvas, heading, report, n, true, 10, bold);
    report.blankFrom(n + 1);
    const ColumnLayout layout = columnLayoutFor(n, compact);
    const int rowCount = layout.rows;
    HardCopy page(canvas);
    if (!page.beginDocument(PageOrientation::Landscape)) return false;
    page.setFont(kFixedPitchFont, layout.fontSize, false);
    page.PageInit(layout.gridWidth, rowCount + 8, 1);
    const LineRows rows(page, 6, rowCount, canvas.lineHeight(), true);
    // The rules join the heading's frame and reach past the last row.
    const double ruleBottom =
        std::max(kRuleBottom, static_cast<double>(rows.bottom()) / page.metrics().dpiY);
    for (int p = 0; p < layout.pages; ++p) {
        if (p > 0 && !page.newPage()) return failed(page);
        LandscapeHeading(page, heading, report.title(), layout.numbered ? p + 1 : 0);
        page.setTextBackground(TextBackground::Transparent);
        for (const double x : kRuleX) {
            page.MoveTo(kHeadingBottom, x);
            page.LineTo(ruleBottom, x);
        }
        const int first = p * 3 * rowCount + 1;
        for (int r = 0; r < rowCount; ++r) {
            for (int c = 0; c < 3; ++c) {
                const int line = first + r + c * rowCount;
                if (IsBlank(report[line])) continue;
                page.setFontSize(layout.fontSize, bold.contains(line));
                const int x = page.gridPoint(layout.columnX[static_cast<std::size_t>(c)], 0).x;
                page.moveToPixel({x, rows.y(r)});
                page.TextAt(fitText(canvas, report[line], columnEnd(page, layout, c) - x));
            }
        }
    }
    return page.endDocument();
}

}  // namespace rumbelo
