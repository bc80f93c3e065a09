#include "ui/display_scale_win32.h"

#include "platform/handles.h"
#include "platform/system_library.h"
#include "ui/display_scale.h"

namespace {

// user32 is loaded with the program; the entries newer than Windows 7 are
// looked up rather than imported, so the program still starts there.
template <typename Function> Function User32Entry(const char* name) {
    return LibraryEntry<Function>(GetModuleHandleA("user32.dll"), name);
}

int ScreenDpi() {
    WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

// Whether the window is per-monitor aware in the second version's way: laid
// out for its monitor's DPI and laid out again when it moves. Otherwise the
// program is system aware (its manifest asks for nothing else), or per-monitor
// aware in the first version's way where that is forced on every program
// (Wine does): either way dialogs are laid out at the system DPI and stay so,
// and the screen's DPI is that one.
bool ScaledPerMonitor(HWND window) {
    using GetContextFunction = HANDLE(WINAPI*)(HWND);
    using EqualFunction = BOOL(WINAPI*)(HANDLE, HANDLE);
    static const auto getContext = User32Entry<GetContextFunction>("GetWindowDpiAwarenessContext");
    static const auto equal = User32Entry<EqualFunction>("AreDpiAwarenessContextsEqual");
    const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    return getContext && equal && window && equal(getContext(window), perMonitorV2);
}

// A monitor's own DPI, from shcore (Windows 8.1 and later), which pulls in
// other DLLs: loaded from the system folder at the first run that asks, and
// kept. Zero where it cannot tell.
int OwnMonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
    static const auto getDpiForMonitor =
        LibraryEntry<GetDpiForMonitorFunction>(LoadSystemLibrary("shcore.dll"), "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (!getDpiForMonitor || FAILED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y))) return 0;
    return static_cast<int>(y);
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Entry<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && ScaledPerMonitor(window))
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
    return ScreenDpi();
}

int SystemDpi() {
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    static const auto getDpiForSystem = User32Entry<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpiForSystem)
        if (const UINT dpi = getDpiForSystem(); dpi > 0) return static_cast<int>(dpi);
    return ScreenDpi();
}

SIZE DialogSizeAt(int widthUnits, int heightUnits, const char* face, int points, int dpi) {
    OwnedFont font(CreateFontA(DialogFontHeightAt(points, dpi), 0, 0, 0, FW_DONTCARE, FALSE, FALSE,
                               FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               PROOF_QUALITY, FF_DONTCARE, face));
    MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!font || !dc) return {0, 0};
    SelectedObject selected(dc.Get(), font.Get());
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE alphabet{};
    TEXTMETRICA metrics{};
    if (!GetTextExtentPoint32A(dc.Get(), kAlphabet, 52, &alphabet) ||
        !GetTextMetricsA(dc.Get(), &metrics))
        return {0, 0};
    const int baseX = DialogBaseUnitX(alphabet.cx);
    return {DialogUnitsToPixelsX(widthUnits, baseX),
            DialogUnitsToPixelsY(heightUnits, metrics.tmHeight)};
}

MonitorInUse MonitorAtCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);  // on failure (0, 0): the primary monitor's corner
    const HMONITOR monitor = MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT area{};
    if (GetMonitorInfoA(monitor, &info))
        area = info.rcWork;
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);  // the primary monitor's
    const int dpi = OwnMonitorDpi(monitor);
    return {ScreenRect{area.left, area.top, area.right, area.bottom}, dpi > 0 ? dpi : SystemDpi()};
}
