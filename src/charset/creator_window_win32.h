#pragma once
// The open Character Creator, shared by its window, commands, fonts, recording
// and viewing. Internal to src/charset.

#include <windows.h>

#include <atomic>

#include "charset/recording_rules.h"
#include "platform/handles.h"

struct CreatorFonts {
    OwnedFont highlight;  // 10 pt bold: recorded slots, the slot being recorded
    OwnedFont plain;      // 8 pt normal
};

struct CreatorWindow {
    HWND window = nullptr;
    HWND owner = nullptr;
    bool ownerDisabled = false;  // whether we disabled the owner and so enable it again
    POINT areaOrigin{};          // the drawing area's top-left corner, client pixels
    SIZE areaSize{};             // its size in pixels
    POINT per1024{};             // the pixels of 1024 x 1024 dialog units
    OwnedAccelerators accelerators;
    CreatorFonts fonts;
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

// Fonts.
CreatorFonts MakeCreatorFonts();
// Sets a button's font without redrawing, then redraws it at once.
void SetButtonFont(HWND window, int id, HFONT font);

// Recording and viewing.
void StartRecording(CreatorWindow& creator, int slot);
void WaitForRecordingTask(CreatorWindow& creator);
void ShowGlyph(CreatorWindow& creator, int slot);
RecordedPoint PixelsToDialogUnits(const CreatorWindow& creator, RecordedPoint pixels);
POINT DialogUnitsToPixels(HWND window, int u, int v);

// The file commands, with their questions and dialogs.
void NewSetCommand(CreatorWindow& creator);
void LoadSetCommand(CreatorWindow& creator);
void SaveSetCommand(CreatorWindow& creator);
