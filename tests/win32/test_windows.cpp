#include "test_windows.h"

#include <atomic>
#include <mutex>
#include <thread>

#include <oleacc.h>

#include "platform/handles.h"
#include "platform/system_library.h"

bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMilliseconds)) return false;
        Sleep(1);
    }
    return true;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

COLORREF WindowPixel(HWND window, int x, int y) {
    WindowDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

HWND FindTopLevelWindow(const char* className, const char* caption) {
    const HWND window = FindWindowA(className, caption);
    return window && IsWindowVisible(window) ? window : nullptr;
}

namespace {
BOOL CALLBACK CollectText(HWND child, LPARAM collected) {
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    auto& all = *reinterpret_cast<std::string*>(collected);
    if (!all.empty()) all += "|";
    all += text;
    return TRUE;
}
}  // namespace

std::string ChildTexts(HWND window) {
    std::string texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::string AccessibleName(HWND control) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    const HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
    const auto fromWindow = LibraryEntry<FromWindow>(oleacc, "AccessibleObjectFromWindow");
    IAccessible* accessible = nullptr;
    std::string name = "(no answer)";
    if (fromWindow &&
        SUCCEEDED(fromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                             reinterpret_cast<void**>(&accessible)))) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        if (accessible->get_accName(self, &text) == S_OK && text) {
            name.assign(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr,
                                                                     0, nullptr, nullptr)),
                        '\0');
            WideCharToMultiByte(CP_UTF8, 0, text, -1, name.data(), static_cast<int>(name.size()),
                                nullptr, nullptr);
            name.pop_back(); // the terminator
            SysFreeString(text);
        }
        accessible->Release();
    }
    if (oleacc) FreeLibrary(oleacc);
    return name;
}

struct MessageBoxWatcher::State {
    std::string caption;
    int answer = IDOK;
    std::atomic<bool> stop{false};
    mutable std::mutex lock;
    std::vector<Seen> boxes;
    std::thread thread;
};

MessageBoxWatcher::MessageBoxWatcher(std::string caption, int answer)
    : state_(std::make_unique<State>()) {
    state_->caption = std::move(caption);
    state_->answer = answer;
    state_->thread = std::thread([state = state_.get()] {
        while (!state->stop) {
            const HWND box = FindWindowA("#32770", state->caption.c_str());
            if (box && IsWindowVisible(box)) {
                Seen seen{ChildTexts(box), GetWindow(box, GW_OWNER),
                          GetWindowLongA(box, GWL_EXSTYLE), GetWindowLongA(box, GWL_STYLE)};
                {
                    std::lock_guard guard(state->lock);
                    state->boxes.push_back(seen);
                }
                SendMessageA(box, WM_COMMAND, state->answer, 0);
            }
            Sleep(5);
        }
    });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    state_->stop = true;
    state_->thread.join();
}

std::vector<MessageBoxWatcher::Seen> MessageBoxWatcher::Boxes() const {
    std::lock_guard guard(state_->lock);
    return state_->boxes;
}

std::vector<long> LiveHandleCounts() {
    std::vector<long> counts;
    for (int kind = 0; kind < static_cast<int>(HandleKind::KindCount); ++kind)
        counts.push_back(LiveHandles(static_cast<HandleKind>(kind)));
    return counts;
}
