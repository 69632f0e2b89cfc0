#include <gtest/gtest.h>

#include "modepages/ModePageList.h"

namespace tarvel {
namespace {

TEST(ModePageEntry, SlotsHoldTheFieldTextAndTheirSeparator) {
    auto entry = NewModePageEntry();
    for (const std::string& slot : entry->slotTexts)
        EXPECT_EQ(slot, "");

    SetSlotText(*entry, 0, "08");
    SetSlotText(*entry, 1, "7");
    SetSlotText(*entry, 2, "");
    SetSlotText(*entry, 43, "XX");
    SetSlotText(*entry, 44, "XX");
    EXPECT_EQ(entry->slotTexts[0], "08|");
    EXPECT_EQ(entry->slotTexts[1], "7|");
    EXPECT_EQ(entry->slotTexts[2], "|");
    EXPECT_EQ(entry->slotTexts[43], "XX|");
    EXPECT_EQ(entry->slotTexts[44], "XX,");

    EXPECT_EQ(SlotText(*entry, 0), "08");
    EXPECT_EQ(SlotText(*entry, 1), "7");
    EXPECT_EQ(SlotText(*entry, 2), "");
    EXPECT_EQ(SlotText(*entry, 44), "XX");
}

TEST(ModePageEntry, SlotTextStopsAtTheFirstSeparatorOrTakesTheWholeSlot) {
    auto entry = NewModePageEntry();
    entry->slotTexts[3] = "123";     // read from a line, no separator
    entry->slotTexts[4] = "ab|cd|";  // separator inside
    entry->slotTexts[44] = "a|b,";   // the last slot ends at ","
    EXPECT_EQ(SlotText(*entry, 3), "123");
    EXPECT_EQ(SlotText(*entry, 4), "ab");
    EXPECT_EQ(SlotText(*entry, 44), "a|b");
}

TEST(ModePageEntry, SlotNamesFollowTheGroups) {
    EXPECT_EQ(SlotName(0), "Page Number");
    EXPECT_EQ(SlotName(4), "Header byte 3");
    EXPECT_EQ(SlotName(5), "Block Descriptor byte 0");
    EXPECT_EQ(SlotName(13), "Page Data byte 0x00");
    EXPECT_EQ(SlotName(44), "Page Data byte 0x1F");
}

std::unique_ptr<ModePageEntry> PageNumbered(const char* number) {
    auto entry = NewModePageEntry();
    SetSlotText(*entry, 0, number);
    return entry;
}

TEST(ModePageList, KeepsTheOrderOfAddingAndWalksBothWays) {
    ModePageState state;
    for (const char* number : {"01", "02", "03"})
        AppendModePage(PageNumbered(number), state);
    const ModePageList& list = state.list;
    ASSERT_EQ(list.size(), 3u);

    std::string forward, backward;
    for (auto pos = list.first(); pos != list.none(); pos = list.next(pos))
        forward += SlotText(*list.entryAt(pos), 0);
    for (auto pos = list.last(); pos != list.none(); pos = list.previous(pos))
        backward += SlotText(*list.entryAt(pos), 0);
    EXPECT_EQ(forward, "010203");
    EXPECT_EQ(backward, "030201");
    EXPECT_EQ(list.entryAt(list.none()), nullptr);
}

TEST(ModePageList, EmptyingFreesEveryEntryAndLeavesNoCurrentEntry) {
    ModePageState state;
    EmptyModePageList(state);  // an empty list stays empty
    EXPECT_TRUE(state.list.empty());
    EXPECT_EQ(state.current, nullptr);

    for (int i = 0; i < 3; ++i)
        AppendModePage(NewModePageEntry(), state);
    state.current = state.list.entryAt(state.list.last());
    EmptyModePageList(state);
    EXPECT_TRUE(state.list.empty());
    EXPECT_EQ(state.list.first(), state.list.none());
    EXPECT_EQ(state.list.last(), state.list.none());
    EXPECT_EQ(state.current, nullptr);
}

TEST(ModePageList, TheProgramHasOneState) {
    EXPECT_EQ(&ModePages(), &ModePages());
    EXPECT_EQ(ModePages().count, 0);
    EXPECT_EQ(ModePages().editExisting, 0);
    EXPECT_EQ(ModePages().addNew, 0);
}

}  // namespace
}  // namespace tarvel
