// spindrift-probe: looks at and works another program's windows for the
// end-to-end tests. It reads one command per line on standard input and
// answers each with one line on standard output: "ok ..." or "error ...".
//
//   find CAPTION                 ok N HWND...   visible top-level windows with that caption
//   wait CAPTION MS              ok HWND        the first one, waiting up to MS
//   text HWND ID                 ok TEXT        a control's text
//   check HWND ID                ok 0|1|2       a button's check state
//   selection HWND ID            ok INDEX       a list's selection (-1 for none)
//   click HWND ID                ok             BM_CLICK, waiting until it has been handled
//   post-click HWND ID           ok             BM_CLICK, not waiting
//   choose HWND ID INDEX         ok             CB_SETCURSEL, then CBN_SELENDOK to the window
//   edit HWND ID TEXT            ok             sets a box's text, then EN_KILLFOCUS to the window
//   cursor                       ok X Y
//   set-cursor X Y               ok
//   trace MS [QUIET]             ok X,Y ...     the cursor sampled every millisecond for MS
//                                               (or, with QUIET, until it has moved and then
//                                               stood still for QUIET ms); the distinct
//                                               points in order, repeats in a row dropped
//   trace-start                  ok             the same, sampling in the background while
//   trace-end MS [QUIET]         ok X,Y ...     other commands run, MS counted from the start
//   trace-end-timed MS [QUIET]   ok X,Y,T ...   the same, each point with the moment it was
//                                               first seen: T in ms of the system's monotonic
//                                               raw clock (Python's CLOCK_MONOTONIC_RAW)
//   window CAPTION               ok HWND        opens a window over the screen, on a
//                                               thread of its own: another program's window
//   boxes CAPTION                ok N TEXT...   message boxes with the caption and their
//                                               texts, tab-separated
//   press CAPTION                ok N           presses OK on each such box
//   minimize CAPTION             ok N           minimises such windows; N of them are iconic
//   work-area                    ok L T R B
//   dpi                          ok DPI         the screen's pixels per inch
//   rect HWND                    ok L T R B     a window's rectangle on the screen
//   client HWND                  ok L T R B     its client area's rectangle on the screen
//   item-rect HWND ID            ok L T R B     a control's rectangle on the screen
//   alpha CAPTION                ok A           a layered window's alpha (-1: none found)
//   load NAME                    ok 0|1         LoadLibraryA with the default search order
//   quit
//
// Window handles are written and read as decimal numbers.

#include <windows.h>
#include <mmsystem.h>

#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr DWORD kSendTimeoutMs = 10000;

HWND ParseWindow(const std::string& text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(text.c_str(), nullptr, 10)));
}

std::string WindowNumber(HWND window) {
    return std::to_string(reinterpret_cast<UINT_PTR>(window));
}

std::string WindowText(HWND window) {
    char text[4096] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return {};
    return std::string(text, length);
}

struct Search {
    std::string caption;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    char caption[512] = {};
    if (IsWindowVisible(window) && GetWindowTextA(window, caption, sizeof caption) >= 0 &&
        search->caption == caption)
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(const std::string& caption) {
    Search search{caption, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What a message box says: its static text (the icon is a static too, with
// no text).
std::string BoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0) continue;
        const std::string part = WindowText(child);
        if (!part.empty()) text += (text.empty() ? "" : " ") + part;
    }
    return text;
}

std::string RectAnswer(const RECT& r) {
    return "ok " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
           std::to_string(r.right) + " " + std::to_string(r.bottom);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// Wine's performance counter is the system's monotonic raw clock.
double MonotonicMilliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// A window over the screen with a message loop of its own: a program
// that has the keyboard focus, and under the pointer, so that Wine learns the
// pointer's moves from the display at once.
HWND OpenWindow(const std::string& caption) {
    std::atomic<HWND> made{nullptr};
    std::thread([&made, caption] {
        WNDCLASSA plain{};
        plain.lpfnWndProc = DefWindowProcA;
        plain.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        plain.lpszClassName = "SpindriftProbeWindow";
        RegisterClassA(&plain);
        // A pixel short of the screen's size: Wine confines the pointer to a
        // full-screen window that has the focus.
        const HWND window =
            CreateWindowExA(0, plain.lpszClassName, caption.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                            GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1,
                            nullptr, nullptr, nullptr, nullptr);
        made = window ? window : HWND_MESSAGE;
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
            DispatchMessageA(&message);
    }).detach();
    while (!made)
        Sleep(5);
    return made == HWND_MESSAGE ? nullptr : made.load();
}

// The cursor, sampled about every millisecond on a thread of its own, so that
// the probe can work windows while it traces.
class CursorTrace {
  public:
    void Start() {
        Stop();
        points_.clear();
        times_.clear();
        start_ = lastChange_ = GetTickCount();
        moved_ = false;
        stop_ = false;
        thread_ = std::thread([this] { Sample(); });
    }

    // Waits until the cursor has moved and then stood still for `quiet` ms (0:
    // never), or until `milliseconds` have passed since the start.
    std::string Finish(int milliseconds, int quiet, bool timed) {
        for (;;) {
            const DWORD now = GetTickCount();
            {
                std::lock_guard guard(lock_);
                if (now - start_ >= static_cast<DWORD>(milliseconds)) break;
                if (quiet > 0 && moved_ && now - lastChange_ >= static_cast<DWORD>(quiet)) break;
            }
            Sleep(5);
        }
        Stop();
        std::ostringstream out;
        out << "ok";
        for (std::size_t i = 0; i < points_.size(); ++i) {
            out << ' ' << points_[i].x << ',' << points_[i].y;
            if (timed) out << ',' << times_[i];
        }
        return out.str();
    }

    ~CursorTrace() { Stop(); }

  private:
    void Sample() {
        while (!stop_) {
            POINT now{};
            GetCursorPos(&now);
            {
                std::lock_guard guard(lock_);
                if (points_.empty() || now.x != points_.back().x || now.y != points_.back().y) {
                    moved_ = !points_.empty();
                    if (moved_) lastChange_ = GetTickCount();
                    points_.push_back(now);
                    times_.push_back(MonotonicMilliseconds());
                }
            }
            Sleep(1);
        }
    }

    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex lock_;
    std::vector<POINT> points_;
    std::vector<double> times_;
    DWORD start_ = 0;
    DWORD lastChange_ = 0;
    bool moved_ = false;
};

CursorTrace g_trace;

std::string Run(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    auto rest = [&] {
        std::string text;
        std::getline(in, text);
        if (!text.empty() && text.front() == ' ') text.erase(0, 1);
        return text;
    };
    // Reads "HWND ID": gives the window, and its control in `item`.
    auto control = [&](HWND& item, int& id) {
        std::string w;
        in >> w >> id;
        item = GetDlgItem(ParseWindow(w), id);
        return ParseWindow(w);
    };

    if (command == "find") {
        const auto found = TopLevelWindows(rest());
        std::string answer = "ok " + std::to_string(found.size());
        for (HWND w : found)
            answer += " " + WindowNumber(w);
        return answer;
    }
    if (command == "wait") {
        int ms = 0;
        in >> ms;
        const std::string caption = rest();
        const DWORD start = GetTickCount();
        do {
            const auto found = TopLevelWindows(caption);
            if (!found.empty()) return "ok " + WindowNumber(found.front());
            Sleep(20);
        } while (GetTickCount() - start < static_cast<DWORD>(ms));
        return "error timeout";
    }
    if (command == "text" || command == "check" || command == "selection" || command == "click" ||
        command == "post-click" || command == "choose" || command == "edit") {
        HWND item = nullptr;
        int id = 0;
        const HWND window = control(item, id);
        if (!item) return "error no control " + std::to_string(id);
        if (command == "text") return "ok " + WindowText(item);
        if (command == "check") return "ok " + std::to_string(Send(item, BM_GETCHECK, 0, 0));
        if (command == "selection")
            return "ok " + std::to_string(static_cast<int>(Send(item, CB_GETCURSEL, 0, 0)));
        if (command == "click") {
            Send(item, BM_CLICK, 0, 0);
            return "ok";
        }
        if (command == "post-click") {
            PostMessageA(item, BM_CLICK, 0, 0);
            return "ok";
        }
        if (command == "choose") {
            int index = 0;
            in >> index;
            Send(item, CB_SETCURSEL, index, 0);
            Send(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(item));
            return "ok";
        }
        const std::string text = rest();
        Send(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        Send(window, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(item));
        return "ok";
    }
    if (command == "cursor") {
        POINT p{};
        GetCursorPos(&p);
        return "ok " + std::to_string(p.x) + " " + std::to_string(p.y);
    }
    if (command == "set-cursor") {
        int x = 0, y = 0;
        in >> x >> y;
        SetCursorPos(x, y);
        return "ok";
    }
    if (command == "trace" || command == "trace-end" || command == "trace-end-timed") {
        int ms = 0, quiet = 0;
        in >> ms >> quiet;
        if (command == "trace") g_trace.Start();
        return g_trace.Finish(ms, quiet, command == "trace-end-timed");
    }
    if (command == "window") {
        const HWND window = OpenWindow(rest());
        return window ? "ok " + WindowNumber(window) : "error no window";
    }
    if (command == "trace-start") {
        g_trace.Start();
        return "ok";
    }
    if (command == "boxes") {
        const auto found = TopLevelWindows(rest());
        std::string answer = "ok " + std::to_string(found.size());
        for (HWND box : found)
            answer += "\t" + BoxText(box);
        return answer;
    }
    if (command == "press") {
        const auto found = TopLevelWindows(rest());
        for (HWND box : found)
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        return "ok " + std::to_string(found.size());
    }
    if (command == "load") {
        const HMODULE module = LoadLibraryA(rest().c_str());
        if (module) FreeLibrary(module);
        return module ? "ok 1" : "ok 0";
    }
    if (command == "minimize") {
        const auto found = TopLevelWindows(rest());
        for (HWND w : found)
            ShowWindowAsync(w, SW_MINIMIZE);
        int iconic = 0;
        for (int tries = 0; tries < 500 && iconic < static_cast<int>(found.size()); ++tries) {
            Sleep(10);
            iconic = 0;
            for (HWND w : found)
                iconic += IsIconic(w) ? 1 : 0;
        }
        return "ok " + std::to_string(iconic);
    }
    if (command == "work-area") {
        RECT area{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        return RectAnswer(area);
    }
    if (command == "dpi") {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return "ok " + std::to_string(dpi);
    }
    if (command == "rect") {
        std::string w;
        in >> w;
        RECT r{};
        if (!GetWindowRect(ParseWindow(w), &r)) return "error no window";
        return RectAnswer(r);
    }
    if (command == "item-rect") {
        HWND item = nullptr;
        int id = 0;
        control(item, id);
        RECT r{};
        if (!item || !GetWindowRect(item, &r)) return "error no control " + std::to_string(id);
        return RectAnswer(r);
    }
    if (command == "client") {
        std::string w;
        in >> w;
        RECT r{};
        const HWND window = ParseWindow(w);
        if (!GetClientRect(window, &r)) return "error no window";
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return RectAnswer(r);
    }
    if (command == "alpha") {
        const auto found = TopLevelWindows(rest());
        BYTE alpha = 0;
        DWORD flags = 0;
        if (found.empty() || !GetLayeredWindowAttributes(found.front(), nullptr, &alpha, &flags))
            return "ok -1";
        return "ok " + std::to_string(alpha);
    }
    return "error unknown command " + command;
}

} // namespace

int main() {
    timeBeginPeriod(1);                   // Sleep(1) sleeps about a millisecond, for the traces
    _setmode(_fileno(stdout), _O_BINARY); // answers end in LF alone
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "quit") break;
        const std::string answer = Run(line);
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}
