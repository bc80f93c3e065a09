#pragma once
// Helpers for tests that make windows and look at the screen.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Polls a condition every millisecond or so until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 10000);

// Dispatches every message waiting for the calling thread's windows.
void PumpMessages();

// The colour a window shows at a client position, read from its own DC: what
// the system puts on the screen (Wine copies it to the X display only when a
// thread of the process next looks at its messages).
COLORREF WindowPixel(HWND window, int x, int y);

// The live count of every handle kind the program's owners hold.
std::vector<long> LiveHandleCounts();

// A visible top-level window of the given class and caption, or null.
HWND FindTopLevelWindow(const char* className, const char* caption);

// The texts of a window's child controls, joined with "|".
std::string ChildTexts(HWND window);

// The name a screen reader gives a control, asked of the system's
// accessibility layer (oleacc); "(no answer)" when it gives none.
std::string AccessibleName(HWND control);

// Watches, from a thread of its own, for message boxes with a caption, notes
// what each one says and answers it with `answer` (OK unless told otherwise:
// IDYES or IDNO for a question), until it is destroyed.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::string caption, int answer = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    struct Seen {
        std::string texts;  // the texts of its controls, joined with "|"
        HWND owner;
        LONG exStyle;
        LONG style;
    };
    std::vector<Seen> Boxes() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};
