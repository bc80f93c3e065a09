#pragma once
// The open Character Creator's state, shared by its window, commands, fonts,
// scale, recording and viewing. Internal to src/charset: each of those
// declares its own functions in a header of its own.

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
    // Recording tasks that have not ended yet. A finishing task frees the
    // recording slot a moment before it ends, so the next recording may
    // start while it is still there: a count, not a flag, so that the old
    // task's end never hides the new one from the wait at closing.
    std::atomic<int> recordingTasks{0};
};
