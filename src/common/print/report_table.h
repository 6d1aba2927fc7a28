#pragma once
// What a section hands to the report printer: the lines of the report and the numbers of
// the lines printed bold. Text is Windows-1252.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rumbelo {

// Entry 0 is the report's title (or the student's name), entries 1..n its lines. Each
// entry holds at most 60 characters; longer text is cut.
class ReportTable {
  public:
    static constexpr int kLastEntry = 1300;
    static constexpr std::size_t kWidth = 60;

    ReportTable() : entries_(kLastEntry + 1) {}

    // Entries beyond 1300 do not exist: writing one changes nothing, reading one gives "".
    void set(int k, std::string_view text);
    const std::string& operator[](int k) const;
    void setTitle(std::string_view text) { set(0, text); }
    const std::string& title() const { return entries_[0]; }

    // Empties entries from..1300.
    void blankFrom(int from);
    void clear() { blankFrom(0); }

  private:
    std::vector<std::string> entries_;
};

// Slot 0 of the original list is the count; slots 1..count hold line numbers. Sections set
// slots by number ("bold slot 3") or append; at most 90 slots.
class BoldLines {
  public:
    static constexpr int kCapacity = 90;

    // Slot 1..90; other slots are ignored.
    void setSlot(int slot, int line);
    // The count is kept within 0..90.
    void setCount(int count);
    // Appends a line after the counted slots; a full list ignores it.
    void add(int line);
    void clear() { count_ = 0; }

    int count() const { return count_; }
    int slot(int k) const;
    // Whether report line `line` is printed bold: it is in one of the counted slots.
    bool contains(int line) const;

  private:
    std::array<int, kCapacity + 1> slots_{};
    int count_ = 0;
};

}  // namespace rumbelo
