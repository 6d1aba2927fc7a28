#include "common/fp_listing/listing.h"

#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

int Listing::titleAt(int i) const {
    return i >= 0 && i < size() ? rows[static_cast<std::size_t>(i)].title : 0;
}

std::string centreName(const std::string& centreLine) {
    return cols(centreLine, 2, 45);
}
std::string centreText(const std::string& centreLine) {
    std::string text = cols(centreLine, 2, 44);
    if (text.size() > 17 && text[16] != ' ' && text[17] != ' ') text.insert(17, 1, ' ');
    return padTo(text, static_cast<int>(kCentreNameWidth));
}
std::string centrePhone(const std::string& centreLine) {
    return cols(centreLine, 46, 54);
}

GridRows gridRows(const Listing& listing, bool withPhones, std::size_t textWidth,
                  const std::string& emptyText) {
    GridRows grid;
    for (const ListingRow& row : listing.rows) {
        grid.text.push_back(cut(row.text, textWidth));
        grid.phone.push_back(withPhones ? row.phone : std::string());
        grid.titles.push_back(row.title);
    }
    if (grid.text.empty() && !emptyText.empty()) {
        grid.text.push_back(emptyText);
        grid.phone.emplace_back();
        grid.titles.push_back(0);
    }
    grid.topRow = listing.topRow;
    return grid;
}

}  // namespace rumbelo::fp_listing
