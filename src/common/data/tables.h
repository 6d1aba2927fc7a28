#pragma once
// The in-memory shapes the sections share. Entries are Windows-1252 strings with a fixed
// maximum length; entry 0 holds the file name as opened (or a heading set later).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rumbelo {

// A table of numbered lines with a capacity and a maximum entry length. Entries past the
// stored lines read as empty strings, as the fixed arrays they model did.
class FixedTable {
  public:
    FixedTable(std::size_t entryLength, int capacity);

    std::size_t entryLength() const { return entryLength_; }
    int capacity() const { return capacity_; }
    int count() const { return static_cast<int>(entries_.size()) - 1; }

    // Entry k (0..capacity); empty beyond the stored lines.
    const std::string& operator[](int k) const;
    // Sets entry k (0..capacity), cut to the entry length; the table grows as needed.
    void set(int k, std::string_view value);

    void clear();          // entry 0 stays
    void truncate(int n);  // keeps entries 0..n

  private:
    std::size_t entryLength_;
    int capacity_;
    std::vector<std::string> entries_;  // entries_[0] always exists
};

struct LineTable : FixedTable {
    LineTable() : FixedTable(60, 1000) {}
};
struct TextTable : FixedTable {
    TextTable() : FixedTable(75, 1000) {}
};
struct WideTable : FixedTable {
    WideTable() : FixedTable(90, 250) {}
};

// Blocks of g lines of at most 50 characters ("asignacar", "asignafp", "asignaot", ...).
struct GroupedTable {
    int groupSize = 0;
    int groupCapacity = 0;
    // groups[k-1][i-1] = line i of group k. A group cut short by the end of the file
    // holds fewer lines; its missing lines read as empty.
    std::vector<std::vector<std::string>> groups;
    // For "asignacar": the digit at the start of each group's first line (0 when none).
    std::vector<int> kinds;

    int count() const { return static_cast<int>(groups.size()); }
    const std::string& line(int group, int i) const;
    int kind(int group) const;
};

}  // namespace rumbelo
