#pragma once
// Recording a glyph from live mouse motion, and showing a recorded one.
// Internal to src/charset.

#include <windows.h>

#include "charset/creator_window_win32.h"

void StartRecording(CreatorWindow& creator, int slot);
void WaitForRecordingTask(CreatorWindow& creator);
void ShowGlyph(CreatorWindow& creator, int slot);

// Where a point of a recording (recording units) is drawn: its pixels in the
// area as it is now, in dialog units of the window.
RecordedPoint DrawingPosition(const AreaGeometry& area, RecordedPoint units);
RecordedPoint PixelsToDialogUnits(const AreaGeometry& area, RecordedPoint pixels);
POINT DialogUnitsToPixels(HWND window, int u, int v);
