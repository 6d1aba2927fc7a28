#pragma once
// Every caption, hint and message the pupil sees comes from "textos": line k is interface
// text k. At start-up each used text is copied once into its slot, cut to the slot's length,
// so that translations cannot overflow the layouts made for these lengths.
#include <string>
#include <vector>

#include "common/data/tables.h"

namespace rumbelo {

class InterfaceTexts {
  public:
    static constexpr int kLastUsed = 663;

    // The slot length of text k, or 0 for a number without a slot (502-503, 515-553 and
    // anything beyond 663).
    static int slotLength(int k);
    static bool hasSlot(int k) { return slotLength(k) > 0; }

    // Copies every text with a slot from the table, cut to its length.
    void distribute(const TextTable& table);

    // Slot k; empty for numbers without a slot.
    const std::string& operator[](int k) const;
    // Slot k without trailing blanks.
    std::string trimmed(int k) const;
    // Slots first..last, read as an array.
    std::vector<std::string> run(int first, int last) const;

    // Fills slot k directly (tests and tools).
    void set(int k, const std::string& text);

  private:
    std::vector<std::string> slots_ = std::vector<std::string>(kLastUsed + 1);
};

}  // namespace rumbelo
