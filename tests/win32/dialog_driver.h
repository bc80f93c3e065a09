#pragma once
// Works a modal dialog from the outside, as a user would: a thread of its own
// waits for a visible dialog with the caption and then runs an action on it
// once (typing into its boxes, pressing its buttons). The dialog's own thread
// is meanwhile inside the call that shows it.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class DialogDriver {
  public:
    DialogDriver(std::string caption, std::function<void(HWND dialog)> action,
                 int timeoutMilliseconds = 20000);
    ~DialogDriver(); // waits for the action to finish, or for the time to run out
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool Acted() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Sets a control's text and tells its dialog, as typing would.
void TypeInto(HWND dialog, int id, const std::string& text);
// Presses a dialog button by its id.
void Press(HWND dialog, int id);
