#include "common/print/plain_printout.h"

#include <algorithm>

#include "common/print/report_heading.h"
#include "common/text/fixed_text.h"

namespace rumbelo {
namespace {

constexpr std::size_t kIndent = 8;
constexpr std::size_t kLineWidth = 68;  // the eight blanks included
constexpr std::size_t kPageNumberIndent = 29;

std::string pageNumberLine(int page) {
    return spaces(kPageNumberIndent) + "-" + std::to_string(page) + "-";
}

}  // namespace

std::vector<PlainLine> plainPrintoutLines(const std::vector<std::string>& lines, int bold,
                                          int linesPerPage, int topBlanks) {
    linesPerPage = std::max(4, linesPerPage);
    std::vector<PlainLine> out;
    int onPage = 0, page = 1;
    const auto write = [&](std::string text, bool isBold) {
        if (onPage == linesPerPage) {
            ++page;
            onPage = 0;
        }
        out.push_back({std::move(text), isBold, page});
        ++onPage;
    };
    const bool numbered = static_cast<int>(lines.size()) >= kNumberedFrom;
    for (int i = 0; i < topBlanks; ++i)
        write("", false);
    write(numbered ? pageNumberLine(1) : std::string(), false);
    write("", false);
    int numberedPage = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        write(cut(spaces(kIndent) + lines[i], kLineWidth), static_cast<int>(i) < bold);
        // The device moved to a new page with this line: the page's number comes next.
        if (numbered && page != numberedPage) {
            numberedPage = page;
            write("", false);
            write(pageNumberLine(page), false);
            write("", false);
        }
    }
    return out;
}

bool PrintPlain(PageCanvas& canvas, const std::vector<std::string>& lines, int bold,
                int topBlanks) {
    if (!canvas.beginDocument(PageOrientation::Portrait)) return false;
    canvas.setFont(kFixedPitchFont, 12, false);
    const int lineHeight = std::max(1, canvas.lineHeight());
    const int perPage = canvas.metrics().height / lineHeight;
    int page = 1, row = 0;
    for (const PlainLine& line : plainPrintoutLines(lines, bold, perPage, topBlanks)) {
        if (line.page != page) {
            if (!canvas.newPage()) {
                canvas.abortDocument();
                return false;
            }
            page = line.page;
            row = 0;
        }
        canvas.setFont(kFixedPitchFont, 12, line.bold);
        if (!line.text.empty())
            canvas.text({0, row * lineHeight}, line.text, TextBackground::Transparent);
        ++row;
    }
    return canvas.endDocument();
}

}  // namespace rumbelo
