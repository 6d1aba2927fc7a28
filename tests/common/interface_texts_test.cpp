#include <gtest/gtest.h>

#include <set>

#include "common/data/readers.h"
#include "common/texts/interface_texts.h"

namespace rumbelo {
namespace {

TEST(InterfaceTexts, SlotsCutTextsToTheirLength) {
    TextTable table;
    table.set(6, std::string(30, 'a'));    // slot of 10
    table.set(163, std::string(75, 'b'));  // slot of 75
    table.set(502, "unused");
    InterfaceTexts texts;
    texts.distribute(table);
    EXPECT_EQ(texts[6], std::string(10, 'a'));
    EXPECT_EQ(texts[163], std::string(75, 'b'));
    EXPECT_EQ(texts[502], "");
    EXPECT_EQ(texts[84], "");  // an empty line gives an empty text
}

TEST(InterfaceTexts, SlotLengthsFollowTheLayoutTable) {
    EXPECT_EQ(InterfaceTexts::slotLength(1), 15);
    EXPECT_EQ(InterfaceTexts::slotLength(175), 10);
    EXPECT_EQ(InterfaceTexts::slotLength(188), 2);
    EXPECT_EQ(InterfaceTexts::slotLength(457), 30);
    EXPECT_EQ(InterfaceTexts::slotLength(484), 33);
    EXPECT_EQ(InterfaceTexts::slotLength(663), 25);
    for (int k : {0, 502, 503, 515, 553, 664})
        EXPECT_EQ(InterfaceTexts::slotLength(k), 0) << k;
    int slots = 0;
    for (int k = 1; k <= InterfaceTexts::kLastUsed; ++k)
        slots += InterfaceTexts::hasSlot(k);
    EXPECT_EQ(slots, 663 - 2 - 39);
}

TEST(InterfaceTexts, RunsReadNeighbouringSlots) {
    InterfaceTexts texts;
    texts.set(14, "uno");
    texts.set(15, "dos");
    EXPECT_EQ(texts.run(14, 16), (std::vector<std::string>{"uno", "dos", ""}));
    texts.set(88, "Bachillerato  ");
    EXPECT_EQ(texts.trimmed(88), "Bachillerato");
}

// The Spanish texts shipped in the program folder: each used text is written and fits.
TEST(ShippedTextos, EveryUsedTextIsWrittenAndFitsItsSlot) {
    RecordingSink sink;
    bool abort = false;
    DataFiles files(RUMBELO_PROGRAM_DIR, sink, abort);
    TextTable table;
    ReadTextsFile(files, "textos", table);
    ASSERT_FALSE(abort) << (sink.messages.empty() ? "" : sink.messages[0]);
    EXPECT_GE(table.count(), InterfaceTexts::kLastUsed);
    // Numbers with a slot that nothing in the program shows.
    const std::set<int> shownNowhere = {7,   32,  34,  39,  40,  41,  50,  51,  55,  78,  90,
                                        122, 126, 166, 167, 268, 269, 282, 337, 556, 576, 599};
    for (int k = 1; k <= InterfaceTexts::kLastUsed; ++k) {
        if (!InterfaceTexts::hasSlot(k)) {
            EXPECT_EQ(table[k], "") << "text " << k << " has no slot";
            continue;
        }
        EXPECT_LE(static_cast<int>(table[k].size()), InterfaceTexts::slotLength(k)) << "text " << k;
        if (!shownNowhere.count(k)) {
            EXPECT_NE(table[k], "") << "text " << k << " is empty";
        }
    }
}

}  // namespace
}  // namespace rumbelo
