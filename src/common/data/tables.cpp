#include "common/data/tables.h"

#include <cassert>

namespace rumbelo {
namespace {
const std::string kEmpty;
}

FixedTable::FixedTable(std::size_t entryLength, int capacity)
    : entryLength_(entryLength), capacity_(capacity), entries_(1) {}

const std::string& FixedTable::operator[](int k) const {
    if (k < 0 || k >= static_cast<int>(entries_.size())) return kEmpty;
    return entries_[static_cast<std::size_t>(k)];
}

void FixedTable::set(int k, std::string_view value) {
    assert(k >= 0 && k <= capacity_);
    if (k < 0 || k > capacity_) return;
    if (k >= static_cast<int>(entries_.size())) entries_.resize(static_cast<std::size_t>(k) + 1);
    entries_[static_cast<std::size_t>(k)] = std::string(value.substr(0, entryLength_));
}

void FixedTable::clear() {
    entries_.resize(1);
}

void FixedTable::truncate(int n) {
    if (n >= 0 && n + 1 < static_cast<int>(entries_.size()))
        entries_.resize(static_cast<std::size_t>(n) + 1);
}

const std::string& GroupedTable::line(int group, int i) const {
    if (group < 1 || group > count() || i < 1) return kEmpty;
    const auto& g = groups[static_cast<std::size_t>(group - 1)];
    if (i > static_cast<int>(g.size())) return kEmpty;
    return g[static_cast<std::size_t>(i - 1)];
}

int GroupedTable::kind(int group) const {
    if (group < 1 || group > static_cast<int>(kinds.size())) return 0;
    return kinds[static_cast<std::size_t>(group - 1)];
}

}  // namespace rumbelo
