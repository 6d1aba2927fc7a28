#pragma once
// The rows a list of the degrees form shows, with the degree each row stands for, so that a
// double click opens the degree of the clicked row whatever the order of the list.
#include <string>
#include <vector>

namespace rumbelo::degrees {

struct ListRows {
    std::vector<std::string> rows;
    std::vector<int> degrees;  // degrees[i] = degree number of row i, 0 for a row of text

    void add(std::string row, int degree = 0) {
        rows.push_back(std::move(row));
        degrees.push_back(degree);
    }
    int size() const { return static_cast<int>(rows.size()); }
    // The degree of row i; 0 outside the rows.
    int degreeAt(int i) const {
        return i >= 0 && i < size() ? degrees[static_cast<std::size_t>(i)] : 0;
    }
};

}  // namespace rumbelo::degrees
