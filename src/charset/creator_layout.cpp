#include "charset/creator_layout.h"

#include "charset/character_set.h"

namespace {
constexpr int kSlotButtonWidth = 25;
constexpr int kSlotButtonHeight = 15;

int SlotButtonY(int slot) {
    return slot < kColonSlot ? 5 + 15 * slot : 160 + 15 * (slot - kColonSlot);
}
}  // namespace

std::string SlotLabel(int slot) {
    if (slot >= 0 && slot < kColonSlot) return std::string(1, static_cast<char>('0' + slot));
    if (slot == kColonSlot) return ":";
    if (slot == kAmSlot) return "AM";
    if (slot == kPmSlot) return "PM";
    return "";
}

DialogRect RecordButtonRect(int slot) {
    return {170, SlotButtonY(slot), kSlotButtonWidth, kSlotButtonHeight};
}

DialogRect ViewButtonRect(int slot) {
    return {205, SlotButtonY(slot), kSlotButtonWidth, kSlotButtonHeight};
}

// Written as the pieces it was made of; each but the last ends with the blank
// that separates it from the next.
const char kCreatorHelpText[] =
    "Instead of pushing the left column "
    "of buttons, press \"0\" through \"9\" as well as \":\", \"A\", and "
    "\"P\" to begin recording a character (it will actually start the "
    "instant you move the mouse), and then the space bar to stop "
    "recording (or click the mouse button to stop). Note that all pauses and drawing speed "
    "will be recorded "
    "as well as just the motion. Afterwards, pressing the buttons in the "
    "right column let you view them (click a second time to view with animation). "
    "The new, save, and load buttons let you create new sets, "
    "save the current set, or load an older one.";
