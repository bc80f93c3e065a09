#pragma once
// Runs the Character Creator for a test: on a thread of its own, modal over a
// stand-in main window that holds a character set box (id 2010) and ticks a
// timer, while the test drives it from its own thread with posted keys and
// commands and the real cursor.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "charset/recording_rules.h"

class CreatorSession {
public:
    // Opens the Creator and waits until it is there (check Window()).
    CreatorSession();
    // Closes it if it is still open.
    ~CreatorSession();
    CreatorSession(const CreatorSession&) = delete;
    CreatorSession& operator=(const CreatorSession&) = delete;

    HWND Window() const { return window_; }
    HWND Owner() const { return owner_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    // A command as a click (code 0) or a key (code 1) sends it, posted.
    void Post(int id, int code = 0) const;
    // A command sent: returns when the Creator has handled it (a whole view,
    // animation included). Not for commands that ask or report.
    void Send(int id, int code = 0) const;
    // A key of the keyboard table, posted as the system would deliver it.
    void PressKey(WORD virtualKey) const;
    // Waits until everything posted so far has been handled.
    bool Flush() const;

    // Posts WM_CLOSE (the close box) and waits for RunCreatorDialog to return.
    bool Close(int timeoutMilliseconds = 10000);
    bool Ended() const { return ended_; }
    // What held when RunCreatorDialog returned.
    int SlotWhenEnded() const { return slotWhenEnded_; }
    bool OwnerEnabledWhileOpen() const;
    bool OwnerEnabledAfter() const { return ownerEnabledAfter_; }
    int OwnerTimerTicks() const;

    std::string OwnerSetBoxText() const;

    // The drawing area in pixels of the Creator's client area, from its
    // dialog-unit position (5, 5) and size (155, 200).
    POINT AreaOrigin() const;
    SIZE AreaSize() const;
    // A sample position (pixels from the area's top-left corner) on the screen.
    POINT AreaToScreen(RecordedPoint sample) const;
    // Pixels of 1024 x 1024 dialog units.
    POINT Per1024() const;

private:
    std::thread thread_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    std::atomic<bool> ended_{false};
    std::atomic<int> slotWhenEnded_{-2};
    std::atomic<bool> ownerEnabledAfter_{false};
};

// The Creator's state, character set and settings back at their start, and
// the settings file beside the program put back as it was when it ends.
class CreatorTestState {
public:
    CreatorTestState();
    ~CreatorTestState();
    CreatorTestState(const CreatorTestState&) = delete;
    CreatorTestState& operator=(const CreatorTestState&) = delete;

private:
    std::string settingsPath_;
    bool hadSettingsFile_ = false;
    std::string settingsBytes_;
};

// The file dialog with this title, once it is shown, given a name and its OK
// pressed. False when no such dialog appeared in time.
bool AnswerFileDialog(const char* title, const std::string& name, int timeoutMilliseconds = 10000);

// The face, height and weight of a control's font.
struct FontSeen {
    std::string face;
    LONG height = 0;
    LONG weight = 0;
};
FontSeen ControlFont(HWND control);
// The height a font of `points` gets on this screen.
LONG FontHeightFor(int points);

// Moves the real cursor along sample positions of the area, one every
// `stepMilliseconds`, on a schedule; returns when the last one is reached.
void MoveCursorAlong(const CreatorSession& session, const std::vector<RecordedPoint>& path,
                     int stepMilliseconds = 10);

// Whether the area shows exactly the text "Done: N points." at its place in
// black (compared with the same text drawn into a white bitmap of the area's
// size in the same font), and nothing black around it.
bool AreaShowsSummary(HWND area, const std::string& text);
