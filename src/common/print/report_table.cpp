#include "common/print/report_table.h"

#include <algorithm>

namespace rumbelo {

namespace {
const std::string kNoEntry;
}

void ReportTable::set(int k, std::string_view text) {
    if (k < 0 || k > kLastEntry) return;
    entries_[static_cast<std::size_t>(k)] = std::string(text.substr(0, kWidth));
}

const std::string& ReportTable::operator[](int k) const {
    if (k < 0 || k > kLastEntry) return kNoEntry;
    return entries_[static_cast<std::size_t>(k)];
}

void ReportTable::blankFrom(int from) {
    for (int k = std::max(from, 0); k <= kLastEntry; ++k)
        entries_[static_cast<std::size_t>(k)].clear();
}

void BoldLines::setSlot(int slot, int line) {
    if (slot >= 1 && slot <= kCapacity) slots_[static_cast<std::size_t>(slot)] = line;
}

void BoldLines::setCount(int count) {
    count_ = std::clamp(count, 0, kCapacity);
}

void BoldLines::add(int line) {
    if (count_ == kCapacity) return;
    ++count_;
    slots_[static_cast<std::size_t>(count_)] = line;
}

int BoldLines::slot(int k) const {
    return k >= 1 && k <= kCapacity ? slots_[static_cast<std::size_t>(k)] : 0;
}

bool BoldLines::contains(int line) const {
    const auto first = slots_.begin() + 1;
    return std::find(first, first + count_, line) != first + count_;
}

}  // namespace rumbelo
