#include "modepages/ModePageEntry.h"

#include <cassert>
#include <cstdio>

namespace tarvel {

char SlotSeparator(int slot) { return slot == kSlotCount - 1 ? ',' : '|'; }

std::unique_ptr<ModePageEntry> NewModePageEntry() { return std::make_unique<ModePageEntry>(); }

void FreeModePageEntry(std::unique_ptr<ModePageEntry> entry) { entry.reset(); }

void SetSlotText(ModePageEntry& entry, int slot, std::string_view fieldText) {
    assert(slot >= 0 && slot < kSlotCount);
    std::string& text = entry.slotTexts[slot];
    text.assign(fieldText);
    text.push_back(SlotSeparator(slot));
}

std::string SlotText(const ModePageEntry& entry, int slot) {
    assert(slot >= 0 && slot < kSlotCount);
    const std::string& text = entry.slotTexts[slot];
    return text.substr(0, text.find(SlotSeparator(slot)));
}

std::string SlotName(int slot) {
    char name[32];
    if (slot == 0)
        return "Page Number";
    if (slot < kBlockDescriptorSlot)
        std::snprintf(name, sizeof name, "Header byte %d", slot - kHeaderSlot);
    else if (slot < kPageDataSlot)
        std::snprintf(name, sizeof name, "Block Descriptor byte %d", slot - kBlockDescriptorSlot);
    else
        std::snprintf(name, sizeof name, "Page Data byte 0x%02X", slot - kPageDataSlot);
    return name;
}

}  // namespace tarvel
