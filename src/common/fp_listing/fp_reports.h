#pragma once
// What an FP browser puts on paper: the centres of a place, and a title's report (its
// texts, then its centres community by community), with the rule that sends a long title
// report to the choice of communities first. Fills the report table and the bold lines.
// Qt-free.
#include <string>
#include <vector>

#include "common/fp_listing/listing.h"
#include "common/print/report_table.h"

namespace rumbelo::fp_listing {

// A title report longer than this, over every community, asks which communities to print.
constexpr int kPrintSelectionLines = 150;
constexpr int kAllCommunities = 19;

// Whether a title report of `lines` lines over `communities` communities, asked by the
// print button, goes to the choice of communities instead of the printer.
bool needsPrintSelection(int lines, int communities, bool printing);

// A report line of a listing row: the first 44 characters of its text, then its second
// column, cut to 60; a row without a second column (a title) keeps its 60 characters.
std::string joinedLine(const ListingRow& row);

// Centres of a place: entry 0 = `title`, lines 1.. the listing's rows joined; the first
// `boldCount` lines are bold. Returns the number of lines.
int placeReport(const Listing& listing, const std::string& title, int boldCount,
                ReportTable& report, BoldLines& bold);

// Capitals of a Windows-1252 name: a-z and the accented letters (a heading reading
// "ANDALUCíA" would look like a typing error), while ß and ÿ, without capitals there,
// stay as they are.
std::string upperName(std::string s);

// A title report line by line. Lines past the report table's end are counted but not
// stored, so a long report can still be measured against the print-selection rule.
class TitleReportBuilder {
  public:
    TitleReportBuilder(ReportTable& report, BoldLines& bold, const std::string& title);

    // A line; a bold one takes the next bold slot.
    void line(const std::string& text, bool isBold = false);
    void lines(const std::vector<std::string>& rows);
    // A community's centres, when it has any: `open`, its name in capitals, `close`, an
    // empty line, then each row as its text followed by its second column, cut to 60.
    void community(const std::string& name, const Listing& listing, const std::string& open,
                   const std::string& close);

    // A community heading line of the section's own making, marked bold with the others.
    void communityHeading(const std::string& text);

    int count() const { return count_; }
    int communityHeadings() const { return static_cast<int>(headings_.size()); }
    // The bold list once the report is shown: the fixed slots, then every community
    // heading line after them.
    void markCommunityHeadings();

  private:
    ReportTable& report_;
    BoldLines& bold_;
    int count_ = 0;
    int slots_ = 0;
    std::vector<int> headings_;
};

// The communities chosen for a title report, in the order they were clicked.
class PrintSelection {
  public:
    // False (and nothing changes) when c is already chosen or out of range.
    bool choose(int c);
    // Removes entry i (from 0) and returns its community; 0 for no entry.
    int removeAt(int i);
    void clear() { chosen_.clear(); }
    const std::vector<int>& chosen() const { return chosen_; }
    bool isChosen(int c) const;

  private:
    std::vector<int> chosen_;
};

}  // namespace rumbelo::fp_listing
