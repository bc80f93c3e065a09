#include "charset/creator_open_win32.h"

#include <atomic>

namespace {

std::atomic<CreatorWindow*> g_open{nullptr};
std::atomic<HWND> g_openWindow{nullptr};

bool MeantForCreator(const CreatorWindow& creator, HWND target) {
    return target == creator.window || IsChild(creator.window, target);
}

} // namespace

CreatorWindow* OpenCreator() {
    return g_open.load();
}

bool ClaimOpenCreator(CreatorWindow& creator) {
    CreatorWindow* none = nullptr;
    return g_open.compare_exchange_strong(none, &creator);
}

void ReleaseOpenCreator() {
    g_open = nullptr;
}

HWND OpenCreatorWindow() {
    return g_openWindow.load();
}

void PublishOpenCreatorWindow(HWND window) {
    g_openWindow = window;
}

void DispatchCreatorMessage(CreatorWindow& creator, MSG& message) {
    if (!creator.destroyed && message.hwnd && MeantForCreator(creator, message.hwnd)) {
        if (creator.accelerators &&
            TranslateAcceleratorA(creator.window, creator.accelerators.Get(), &message))
            return;
        if (IsDialogMessageA(creator.window, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}
