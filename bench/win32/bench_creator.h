#pragma once
// The Character Creator opened for a benchmark, over a hidden owner on a
// thread of its own, and recordings started and stopped through its commands.

#include <windows.h>

#include <thread>

#include "charset/creator_layout.h"
#include "charset/creator_state.h"
#include "charset/creator_window.h"
#include "charset/recording_rules.h"

struct BenchCreator {
    HWND window = nullptr;
    POINT origin{};   // the drawing area's top-left corner, client pixels
    POINT per1024{};  // the pixels of 1024 x 1024 dialog units
};

inline BenchCreator OpenBenchCreator(std::thread& thread) {
    thread = std::thread([] {
        const HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                           nullptr, GetModuleHandleA(nullptr), nullptr);
        RunCreatorDialog(owner);
        DestroyWindow(owner);
    });
    while (!CreatorWindowHandle()) Sleep(1);
    BenchCreator creator;
    creator.window = CreatorWindowHandle();
    while (!IsWindowVisible(creator.window)) Sleep(1);
    RECT area{5, 5, 0, 0};
    MapDialogRect(creator.window, &area);
    creator.origin = {area.left, area.top};
    RECT measure{0, 0, 1024, 1024};
    MapDialogRect(creator.window, &measure);
    creator.per1024 = {measure.right, measure.bottom};
    return creator;
}

// A sample position (pixels from the area's top-left corner) on the screen.
inline POINT AreaToScreen(const BenchCreator& creator, RecordedPoint sample) {
    POINT at{creator.origin.x + sample.x, creator.origin.y + sample.y};
    ClientToScreen(creator.window, &at);
    return at;
}

inline void MoveTo(const BenchCreator& creator, RecordedPoint sample) {
    const POINT at = AreaToScreen(creator, sample);
    SetCursorPos(at.x, at.y);
}

inline void StartBenchRecording(const BenchCreator& creator, int slot) {
    PostMessageA(creator.window, WM_COMMAND, kRecordButtonBase + slot, 0);
    while (ProgramCreatorState().RecordingSlot != slot) Sleep(1);
    Sleep(100);  // the task has cleared the area and watches the cursor
}

inline void StopBenchRecording(const BenchCreator& creator) {
    PostMessageA(creator.window, WM_COMMAND, kStopRecordingId, 0);
    while (ProgramCreatorState().RecordingSlot != -1) Sleep(1);
}

inline void CloseBenchCreator(const BenchCreator& creator, std::thread& thread) {
    PostMessageA(creator.window, WM_COMMAND, kQuitEditorId, 0);
    thread.join();
}
