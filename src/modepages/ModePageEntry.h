#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tarvel {

/// Slots of a mode page entry: 0 page number, 1-4 header, 5-12 block descriptor,
/// 13-44 page data bytes 0x00-0x1F.
inline constexpr int kSlotCount = 45;
inline constexpr int kHeaderSlot = 1;
inline constexpr int kBlockDescriptorSlot = 5;
inline constexpr int kPageDataSlot = 13;

/// One mode page as 45 slot texts. Each slot holds its field text followed by the
/// slot's separator ("|", or "," for the last slot): the form in which the slots
/// follow each other in a catalog line.
struct ModePageEntry {
    std::array<std::string, kSlotCount> slotTexts;
};

/// The separator that ends the given slot's text: "|" for slots 0-43, "," for slot 44.
char SlotSeparator(int slot);

/// Returns a new entry whose 45 slots are empty texts; the caller owns it until it is appended.
std::unique_ptr<ModePageEntry> NewModePageEntry();

/// Destroys an entry and its slots.
void FreeModePageEntry(std::unique_ptr<ModePageEntry> entry);

/// Sets slot `slot` (0-44) to `fieldText` followed by the slot's separator.
void SetSlotText(ModePageEntry& entry, int slot, std::string_view fieldText);

/// Returns the field text of a slot: the part before the first occurrence of its
/// separator, or the whole slot when it holds none.
std::string SlotText(const ModePageEntry& entry, int slot);

/// Returns a human name for a slot, such as "Page Number", "Header byte 2",
/// "Block Descriptor byte 7" or "Page Data byte 0x1F".
std::string SlotName(int slot);

}  // namespace tarvel
