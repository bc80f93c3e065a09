#include "creator_session.h"

#include <commdlg.h>
#include <dlgs.h>

#include "charset/character_set.h"
#include "charset/creator_state.h"
#include "charset/creator_window.h"
#include "platform/handles.h"
#include "platform/time.h"
#include "state/program_state.h"
#include "state/settings.h"
#include "state/settings_storage.h"
#include "temp_folder.h"
#include "test_windows.h"
#include "ui/drawing_surface.h"
#include "ui/surface_scale.h"

namespace {

constexpr int kSetBoxId = 2010;
constexpr UINT kFlushMessage = WM_APP + 1;
constexpr UINT_PTR kOwnerTimer = 7;

std::atomic<int> g_timerTicks{0};
std::atomic<long> g_flushed{0};
std::atomic<long> g_flushSent{0};

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kOwnerTimer) {
        ++g_timerTicks;
        return 0;
    }
    if (message == kFlushMessage) {
        g_flushed = static_cast<long>(wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* StandInClass() {
    static const char* name = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = StandInProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SpindriftStandInMain";
        RegisterClassA(&windowClass);
        return "SpindriftStandInMain";
    }();
    return name;
}

}  // namespace

CreatorSession::CreatorSession() {
    std::atomic<HWND> owner{nullptr};
    thread_ = std::thread([this, &owner] {
        // A hidden stand-in: never activated, so closing windows costs no wait
        // for a window manager.
        const HWND main = CreateWindowExA(0, StandInClass(), "Stand-in main window",
                                          WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                                          GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_READONLY, 10, 10,
                        200, 24, main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSetBoxId)),
                        GetModuleHandleA(nullptr), nullptr);
        SetTimer(main, kOwnerTimer, 20, nullptr);
        SetMainWindowHandle(main);
        owner = main;
        RunCreatorDialog(main);
        slotWhenEnded_ = ProgramCreatorState().RecordingSlot.load();
        ownerEnabledAfter_ = IsWindowEnabled(main) != FALSE;
        KillTimer(main, kOwnerTimer);
        SetMainWindowHandle(nullptr);
        DestroyWindow(main);
        PumpMessages();
        ended_ = true;
    });
    WaitUntil([&] { return owner.load() != nullptr; });
    owner_ = owner;
    WaitUntil([&] { return CreatorWindowHandle() != nullptr || ended_; });
    window_ = CreatorWindowHandle();
    if (window_) WaitUntil([&] { return IsWindowVisible(window_) != FALSE; });
}

CreatorSession::~CreatorSession() {
    if (!ended_) Close();
    if (thread_.joinable()) thread_.join();
}

void CreatorSession::Post(int id, int code) const {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

void CreatorSession::Send(int id, int code) const {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

void CreatorSession::PressKey(WORD virtualKey) const {
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(window_, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(window_, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

bool CreatorSession::Flush() const {
    // A posted message that arrives just as a message box is ending is dropped
    // by the box's loop, so the marker is posted again until one gets through.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        const long marker = ++g_flushSent;
        PostMessageA(owner_, kFlushMessage, static_cast<WPARAM>(marker), 0);
        if (WaitUntil([&] { return g_flushed.load() >= marker; }, 500)) return true;
    }
    return false;
}

bool CreatorSession::Close(int timeoutMilliseconds) {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    const bool closed = WaitUntil([&] { return ended_.load(); }, timeoutMilliseconds);
    if (closed && thread_.joinable()) thread_.join();
    return closed;
}

bool CreatorSession::OwnerEnabledWhileOpen() const {
    return IsWindowEnabled(owner_) != FALSE;
}

int CreatorSession::OwnerTimerTicks() const {
    return g_timerTicks;
}

std::string CreatorSession::OwnerSetBoxText() const {
    char text[1024] = {};
    GetDlgItemTextA(owner_, kSetBoxId, text, sizeof text);
    return text;
}

POINT CreatorSession::AreaOrigin() const {
    RECT area{5, 5, 155, 200};
    MapDialogRect(window_, &area);
    return {area.left, area.top};
}

SIZE CreatorSession::AreaSize() const {
    RECT area{5, 5, 155, 200};
    MapDialogRect(window_, &area);
    return {area.right, area.bottom};
}

POINT CreatorSession::Per1024() const {
    RECT measure{0, 0, 1024, 1024};
    MapDialogRect(window_, &measure);
    return {measure.right, measure.bottom};
}

POINT CreatorSession::AreaToScreen(RecordedPoint sample) const {
    const POINT origin = AreaOrigin();
    POINT at{origin.x + sample.x, origin.y + sample.y};
    ClientToScreen(window_, &at);
    return at;
}

CreatorTestState::CreatorTestState() : settingsPath_(SettingsFilePath()) {
    hadSettingsFile_ = FileExists(settingsPath_);
    if (hadSettingsFile_) settingsBytes_ = ReadBytes(settingsPath_);
    CreatorState& state = ProgramCreatorState();
    state.RecordingActive = 0;
    state.RecordingSlot = -1;
    state.LastViewedSlot = -1;
    state.UnsavedCharacters = 0;
    ProgramCharacterSet().Clear();
    SetDefaultSettings();
}

CreatorTestState::~CreatorTestState() {
    if (hadSettingsFile_)
        WriteBytes(settingsPath_, settingsBytes_);
    else
        DeleteFileA(settingsPath_.c_str());
    ProgramCharacterSet().Clear();
    SetDefaultSettings();
}

bool AnswerFileDialog(const char* title, const std::string& name, int timeoutMilliseconds) {
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = FindTopLevelWindow("#32770", title)) != nullptr; },
                   timeoutMilliseconds))
        return false;
    // The name field: a combo box in newer dialogs, an edit box in older ones.
    HWND field = GetDlgItem(dialog, cmb13);
    if (!field) field = GetDlgItem(dialog, edt1);
    if (!field) return false;
    if (!WaitUntil([&] { return IsWindowVisible(field) != FALSE; }, timeoutMilliseconds))
        return false;
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return WaitUntil([&] { return !IsWindow(dialog); }, timeoutMilliseconds);
}

FontSeen ControlFont(HWND control) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA seen{};
    if (!font || !GetObjectA(font, sizeof seen, &seen)) return {};
    return {seen.lfFaceName, seen.lfHeight, seen.lfWeight};
}

LONG FontHeightFor(int points) {
    WindowDc screen(nullptr);
    return -(GetDeviceCaps(screen.Get(), LOGPIXELSY) * points) / 72;
}

void MoveCursorAlong(const CreatorSession& session, const std::vector<RecordedPoint>& path,
                     int stepMilliseconds) {
    StepSchedule schedule = StartSchedule();
    for (const RecordedPoint& sample : path) {
        const POINT at = session.AreaToScreen(sample);
        SetCursorPos(at.x, at.y);
        WaitNextStep(schedule, stepMilliseconds);
    }
}

bool AreaShowsSummary(HWND area, const std::string& text) {
    const SIZE size = SurfaceBitmapSize(area);
    if (size.cx <= 0 || size.cy <= 0) return false;
    WindowDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    LOGFONTA logFont{};
    logFont.lfHeight = FontHeightFor(8);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    OwnedFont font(CreateFontIndirectA(&logFont));
    SelectedObject pickBitmap(dc.Get(), bitmap.Get());
    SelectedObject pickFont(dc.Get(), font.Get());
    OwnedBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc.Get(), &all, white.Get());
    // Drawing position (5, 5) of the area.
    const SurfaceScale scale = DialogUnitScale(size.cx, size.cy, 155, 200);
    const int x = ScaleX(scale, 5);
    const int y = ScaleY(scale, 5);
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    TextOutA(dc.Get(), x, y, text.c_str(), static_cast<int>(text.size()));
    SIZE extent{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    // The text's box and a margin of a few pixels around it.
    for (int py = std::max(0, y - 3); py < std::min<LONG>(size.cy, y + extent.cy + 3); ++py)
        for (int px = std::max(0, x - 3); px < std::min<LONG>(size.cx, x + extent.cx + 20); ++px)
            if (GetPixel(dc.Get(), px, py) != SurfaceBitmapPixel(area, px, py)) return false;
    return true;
}
