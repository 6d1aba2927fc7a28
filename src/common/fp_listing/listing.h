#pragma once
// The two-column listing of training centres an FP browser shows in its grid and prints:
// a text per row, a telephone beside the centres, and the title a row stands for. Qt-free.
#include <string>
#include <vector>

namespace rumbelo::fp_listing {

constexpr std::size_t kCentreNameWidth = 44;  // columns 2-45 of a centre line
constexpr std::size_t kRowWidth = 60;

struct ListingRow {
    std::string text{};
    std::string phone{};  // second column: the centre's telephone, or empty
    int title = 0;        // the title this row names, 0 for a centre, heading or blank row
};

struct Listing {
    std::vector<ListingRow> rows;
    int headingRows = 0;  // rows before the first centre (listing by place)
    int centreRows = 0;   // centres that stayed (they teach something listed)
    int topRow = 0;       // the row the grid scrolls to

    bool hasCentres() const { return centreRows > 0; }
    int size() const { return static_cast<int>(rows.size()); }
    // The title of row i; 0 outside the rows or for a row without one.
    int titleAt(int i) const;
};

// A centre line's name field (columns 2-45) and telephone (columns 46-54).
std::string centreName(const std::string& centreLine);
std::string centrePhone(const std::string& centreLine);
// The name field as the pupil reads it, at most 44 characters: columns 2-44, with a blank
// after column 18 when a locality of 17 characters would run into the name that follows
// it at once. Column 45 is left out: it holds the key of the centre's comarca or area, no
// part of its name.
std::string centreText(const std::string& centreLine);

// What the grid shows: the first column (cut to `textWidth`), and the second column only
// when `withPhones`. A listing without rows shows one row of `emptyText`, when given.
struct GridRows {
    std::vector<std::string> text;
    std::vector<std::string> phone;
    std::vector<int> titles;
    int topRow = 0;
};
GridRows gridRows(const Listing& listing, bool withPhones, std::size_t textWidth,
                  const std::string& emptyText = {});

}  // namespace rumbelo::fp_listing
