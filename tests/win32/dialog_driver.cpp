#include "dialog_driver.h"

#include <atomic>
#include <thread>

struct DialogDriver::State {
    std::atomic<bool> stop{false};
    std::atomic<bool> acted{false};
    std::thread thread;
};

DialogDriver::DialogDriver(std::string caption, std::function<void(HWND)> action,
                           int timeoutMilliseconds)
    : state_(std::make_unique<State>()) {
    state_->thread = std::thread([state = state_.get(), caption = std::move(caption),
                                  action = std::move(action), timeoutMilliseconds] {
        const DWORD start = GetTickCount();
        while (!state->stop && GetTickCount() - start < static_cast<DWORD>(timeoutMilliseconds)) {
            const HWND dialog = FindWindowA("#32770", caption.c_str());
            if (dialog && IsWindowVisible(dialog)) {
                action(dialog);
                state->acted = true;
                return;
            }
            Sleep(5);
        }
    });
}

DialogDriver::~DialogDriver() {
    state_->stop = true;
    state_->thread.join();
}

bool DialogDriver::Acted() const {
    return state_->acted;
}

void TypeInto(HWND dialog, int id, const std::string& text) {
    const HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, EN_UPDATE), reinterpret_cast<LPARAM>(control));
}

void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
