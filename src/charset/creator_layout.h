#pragma once
// What the Character Creator window holds: its control identifiers, their
// texts and where they stand, in dialog units of the window. The window is
// built from these; the keyboard table and the commands refer to the ids.

#include <cstdint>
#include <string>

#include "ui/dialog_rect.h"

inline constexpr char kCreatorCaption[] = "Mouse Motion Capture Character Creator";

// The window's own position and size, and its styles: popup, visible,
// clipping siblings, caption, system menu; centred, modal frame, own font,
// 3-D look, created even when a control fails.
inline constexpr int kCreatorX = 199;
inline constexpr int kCreatorY = 112;
inline constexpr int kCreatorWidth = 380;
inline constexpr int kCreatorHeight = 211;
inline constexpr std::uint32_t kCreatorStyle = 0x94C808D4u;
// The window's font, which also fixes the size of its dialog units.
inline constexpr char kCreatorFontFace[] = "MS Sans Serif";
inline constexpr int kCreatorFontPoints = 8;

inline constexpr int kDrawingAreaId = 1001;
inline constexpr int kRecordButtonBase = 1500;  // + slot
inline constexpr int kViewButtonBase = 1600;    // + slot
inline constexpr int kHelpTextId = 1034;
inline constexpr int kStopRecordingId = 1023;
inline constexpr int kLoadSetId = 1030;
inline constexpr int kNewSetId = 1031;
inline constexpr int kSaveSetId = 1032;
inline constexpr int kQuitEditorId = 1033;

inline constexpr DialogRect kDrawingAreaRect{5, 5, 155, 200};
inline constexpr DialogRect kHelpTextRect{240, 5, 135, 140};

// A slot's button label: "0" to "9", ":", "AM", "PM".
std::string SlotLabel(int slot);

// Where a slot's record and view buttons stand: the digits every 15 units
// from y 5, then a gap of 5 before ":", "AM" and "PM".
DialogRect RecordButtonRect(int slot);
DialogRect ViewButtonRect(int slot);

struct CommandButton {
    int id;
    const char* text;
    DialogRect rect;
};
// The five command buttons, in creation (and tab) order.
inline constexpr CommandButton kCommandButtons[] = {
    {kStopRecordingId, "Stop Recording", {240, 150, 65, 15}},
    {kQuitEditorId, "Quit Editor", {240, 190, 65, 15}},
    {kLoadSetId, "Load Set", {310, 150, 65, 15}},
    {kNewSetId, "New Set", {310, 170, 65, 15}},
    {kSaveSetId, "Save Set", {310, 190, 65, 15}},
};

// The help text; the static control wraps its words.
extern const char kCreatorHelpText[];

// The keyboard table: plain virtual keys, no modifier, each sending a command
// while the Creator is the active window. Both the semicolon key and the
// minus key record the colon.
struct CreatorKey {
    std::uint16_t virtualKey;
    std::uint16_t command;
};
inline constexpr CreatorKey kCreatorKeys[] = {
    {'0', kRecordButtonBase + 0},  {'1', kRecordButtonBase + 1},  {'2', kRecordButtonBase + 2},
    {'3', kRecordButtonBase + 3},  {'4', kRecordButtonBase + 4},  {'5', kRecordButtonBase + 5},
    {'6', kRecordButtonBase + 6},  {'7', kRecordButtonBase + 7},  {'8', kRecordButtonBase + 8},
    {'9', kRecordButtonBase + 9},  {186, kRecordButtonBase + 10}, {189, kRecordButtonBase + 10},
    {'A', kRecordButtonBase + 11}, {'P', kRecordButtonBase + 12}, {' ', kStopRecordingId},
};
