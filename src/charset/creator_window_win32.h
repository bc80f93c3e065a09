#pragma once
// The open Character Creator, shared by its window, commands, fonts, recording
// and viewing. Internal to src/charset.

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "charset/character_set.h"
#include "charset/recording_rules.h"
#include "platform/handles.h"

struct CreatorFonts {
    OwnedFont highlight;  // 10 pt bold: recorded slots, the slot being recorded
    OwnedFont plain;      // 8 pt normal
};

// Which font a slot button shows: the window's own, or one of the two above.
enum class ButtonFont : std::uint8_t { Window, Highlight, Plain };

// Where the drawing area lies in the window as it is now. Recomputed when the
// window moves to a display of another scale.
struct AreaGeometry {
    POINT origin{};  // the area's top-left corner, client pixels
    AreaScale scale; // its size in pixels now and at 96 DPI
    POINT per1024{}; // the pixels of 1024 x 1024 dialog units
};

struct CreatorWindow {
    HWND window = nullptr;
    HWND owner = nullptr;
    bool ownerDisabled = false;  // whether we disabled the owner and so enable it again
    // Written by the window's thread, read by the recording thread at every
    // sample: always through AreaNow and under the lock.
    mutable std::mutex geometryLock;
    AreaGeometry geometry;
    OwnedAccelerators accelerators;
    // The window's thread alone touches the fonts; the recording thread asks
    // it for a button's font with SetButtonFont.
    CreatorFonts fonts;
    std::array<ButtonFont, 2 * kGlyphSlotCount> buttonFonts{}; // record, then view buttons
    HWND rememberedFocus = nullptr;
    std::atomic<bool> closing{false};    // the window is going: commands and views stop
    std::atomic<bool> destroyed{false};  // the window is gone
    std::atomic<bool> recordingThread{false};  // a recording task has not ended yet
};

// The open Creator, or null.
CreatorWindow* OpenCreator();

// A message of the window thread, through the Creator's keyboard table and
// dialog navigation when it is meant for the Creator, else dispatched plainly.
void DispatchCreatorMessage(CreatorWindow& creator, MSG& message);

// Ends the window at once: a running recording is stopped and waited for, the
// owner is enabled again, and the window is destroyed.
void EndCreator(CreatorWindow& creator);

// The drawing area as it is now.
AreaGeometry AreaNow(const CreatorWindow& creator);
// Measures the area from the window's dialog-unit metrics and stores it.
void MeasureArea(CreatorWindow& creator);
// After the window has been scaled to another DPI (the system scales the
// dialog and its controls first): fonts, the drawing area's picture and the
// area's geometry made again for the new scale.
inline constexpr UINT kScaleChangedMessage = WM_APP + 0x21;
void FollowNewScale(CreatorWindow& creator);

// Fonts, made for the window's DPI.
CreatorFonts MakeCreatorFonts(HWND window);
// Gives slot button `id` a font, from any thread: set without redrawing, then
// the button redrawn at once, on the window's thread.
void SetButtonFont(CreatorWindow& creator, int id, ButtonFont font);
// The window's thread's side of SetButtonFont, on kButtonFontMessage.
inline constexpr UINT kButtonFontMessage = WM_APP + 0x20;
void ApplyButtonFont(CreatorWindow& creator, int id, ButtonFont font);
// After a change of scale: both fonts made again for the window's DPI, every
// slot button that shows one of them given its new one, the old ones released.
void RemakeCreatorFonts(CreatorWindow& creator);

// Recording and viewing.
void StartRecording(CreatorWindow& creator, int slot);
void WaitForRecordingTask(CreatorWindow& creator);
void ShowGlyph(CreatorWindow& creator, int slot);
// Where a point of a recording (recording units) is drawn: its pixels in the
// area as it is now, in dialog units of the window.
RecordedPoint DrawingPosition(const AreaGeometry& area, RecordedPoint units);
RecordedPoint PixelsToDialogUnits(const AreaGeometry& area, RecordedPoint pixels);
POINT DialogUnitsToPixels(HWND window, int u, int v);

// The file commands, with their questions and dialogs.
void NewSetCommand(CreatorWindow& creator);
void LoadSetCommand(CreatorWindow& creator);
void SaveSetCommand(CreatorWindow& creator);
