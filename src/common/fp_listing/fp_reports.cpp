#include "common/fp_listing/fp_reports.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

bool needsPrintSelection(int lines, int communities, bool printing) {
    return printing && communities == kAllCommunities && lines > kPrintSelectionLines;
}

namespace {
// A name that fills its field would run into the number after it and read as one word.
std::string nameAndPhone(const std::string& name, const std::string& phone) {
    if (phone.empty() || name.empty() || name.back() == ' ') return name + phone;
    return name + ' ' + phone;
}
}  // namespace

std::string joinedLine(const ListingRow& row) {
    // A title's row has no second column: cutting it to the centre name's width would
    // only shorten the title.
    if (row.phone.empty()) return cut(row.text, kRowWidth);
    return cut(nameAndPhone(cut(row.text, kCentreNameWidth), row.phone), kRowWidth);
}

int placeReport(const Listing& listing, const std::string& title, int boldCount,
                ReportTable& report, BoldLines& bold) {
    report.clear();
    bold.clear();
    report.setTitle(title);
    int n = 0;
    for (const ListingRow& row : listing.rows)
        report.set(++n, joinedLine(row));
    for (int k = 1; k <= boldCount && k <= n; ++k)
        bold.setSlot(k, k);
    bold.setCount(std::min(boldCount, n));
    return n;
}

std::string upperName(std::string s) {
    for (char& ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
            ch = static_cast<char>(b - 0x20);
    }
    return s;
}

TitleReportBuilder::TitleReportBuilder(ReportTable& report, BoldLines& bold,
                                       const std::string& title)
    : report_(report), bold_(bold) {
    report_.clear();
    bold_.clear();
    report_.setTitle(title);
}

void TitleReportBuilder::line(const std::string& text, bool isBold) {
    report_.set(++count_, text);
    if (isBold) {
        bold_.setSlot(++slots_, count_);
        bold_.setCount(slots_);
    }
}

void TitleReportBuilder::lines(const std::vector<std::string>& rows) {
    for (const std::string& row : rows)
        line(row);
}

void TitleReportBuilder::community(const std::string& name, const Listing& listing,
                                   const std::string& open, const std::string& close) {
    if (listing.rows.empty()) return;
    communityHeading(open + upperName(name) + close);
    line(std::string());
    for (const ListingRow& row : listing.rows)
        line(cut(nameAndPhone(row.text, row.phone), kRowWidth));
}

void TitleReportBuilder::communityHeading(const std::string& text) {
    line(text);
    headings_.push_back(count_);
}

void TitleReportBuilder::markCommunityHeadings() {
    bold_.setCount(slots_);
    for (int heading : headings_)
        if (heading <= ReportTable::kLastEntry) bold_.add(heading);
}

bool PrintSelection::choose(int c) {
    if (c < 1 || c > kAllCommunities || isChosen(c)) return false;
    chosen_.push_back(c);
    return true;
}

int PrintSelection::removeAt(int i) {
    if (i < 0 || i >= static_cast<int>(chosen_.size())) return 0;
    const int c = chosen_[static_cast<std::size_t>(i)];
    chosen_.erase(chosen_.begin() + i);
    return c;
}

bool PrintSelection::isChosen(int c) const {
    return std::find(chosen_.begin(), chosen_.end(), c) != chosen_.end();
}

}  // namespace rumbelo::fp_listing
