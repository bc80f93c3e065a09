#include "clock/trail_overlay_win32.h"

#include "clock/run_placement.h"
#include "platform/screen.h"
#include "platform/time.h"
#include "ui/display_scale.h"
#include "ui/drawing_surface.h"

namespace {

constexpr char kOverlayClass[] = "SpindriftTrailOverlay";
constexpr int kSurfaceId = 1;
constexpr BYTE kOpacity = 128;
constexpr int kInkWidth = 5;
constexpr int kFadeStep = 8;
constexpr int kFadeWaitMilliseconds = 50;

// A guest on the desktop: no taskbar button or Alt+Tab entry (a tool
// window), never the active window, and with the layered style added below,
// clicks pass through it to the window underneath.
constexpr DWORD kGuestStyles = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;

// A click on the overlay must not activate it: it would take the focus from
// the user's window, and Wine waits for a window manager when an active
// window goes.
LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterOverlayClass() {
    static const bool registered = [] {
        WNDCLASSEXA overlay{};
        overlay.cbSize = sizeof overlay;
        overlay.lpfnWndProc = OverlayProc;
        overlay.hInstance = GetModuleHandleA(nullptr);
        overlay.lpszClassName = kOverlayClass;
        overlay.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
        // No background brush: the surface covers the whole client area.
        return RegisterClassExA(&overlay) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

void SetOpacity(HWND window, int alpha) {
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

// The run's thread has no message loop, but it looks at its messages after
// every change: the system counts a window whose thread never does so as hung
// (and may swap in a ghost after a few seconds), programs that broadcast with
// SendMessage would wait on it, and Wine copies a window's picture to the
// display only when a thread of the program looks. Messages waiting for the
// overlay (mouse moves, mostly) get the default handling.
void AnswerMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchMessageA(&message);
}

// Fills the overlay's picture (the thread's surface) from the screen while
// the overlay is still hidden: only the block it shows, never the whole
// desktop, which on a few 4K monitors would be a hundred megabytes. Virtual-
// screen coordinates are the screen DC's own, negative ones included.
bool CopyScreenBlock(const ClockLayout& layout) {
    const OverlayImageCopy copy = OverlayImageSource(layout, VirtualScreen());
    if (copy.source.Empty()) return true;  // all off the screen: the blank fill stays
    WindowDc screen(nullptr);
    const RECT source{copy.source.left, copy.source.top, copy.source.right, copy.source.bottom};
    return screen &&
           SurfaceCopy(screen.Get(), source, POINT{copy.destination.x, copy.destination.y});
}

}  // namespace

TrailOverlay TrailOverlay::Open(const ClockLayout& layout, int dpi) {
    TrailOverlay overlay;
    if (!RegisterOverlayClass()) return overlay;
    const int width = layout.TotalWidth;
    const int height = layout.TotalHeight;
    // A borderless popup: its client area is the whole window.
    overlay.window_.Reset(CreateWindowExA(WS_EX_CONTROLPARENT | kGuestStyles, kOverlayClass, "1",
                                          WS_POPUP, layout.Left, layout.Top, width, height, nullptr,
                                          nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!overlay.window_) return overlay;
    overlay.layout_ = layout;
    const HWND window = overlay.window_.Get();
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetOpacity(window, kOpacity);
    if (!CreateDrawingSurface(window, kSurfaceId, 0, 0, width, height, WS_TABSTOP,
                              SurfaceLayout::Pixels)) {
        overlay.Close();
        return overlay;
    }

    SurfaceAttach(window, kSurfaceId, false);
    if (!CopyScreenBlock(layout)) {
        overlay.Close();
        return overlay;
    }
    // The ink keeps its width beside the writing: 5 pixels at 96 DPI.
    SurfacePenWidth(PixelsAtDpi(kInkWidth, dpi));
    // Shown without activation: the user's window keeps the keyboard focus,
    // and the overlay never becomes the active window that the system would
    // have to hand the focus back from when it goes.
    ShowWindow(window, SW_SHOWNOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    AnswerMessages();
    return overlay;
}

TrailOverlay::~TrailOverlay() {
    Close();
}

void TrailOverlay::BeginStroke(ScreenPoint first, int colour) {
    if (!window_) return;
    colour_ = colour == -1 ? static_cast<int>(GetSysColor(COLOR_WINDOWTEXT)) : colour;
    const ScreenPoint at = OverlayPoint(layout_, first);
    SurfacePixel(at.x, at.y, colour_);
    AnswerMessages();
}

void TrailOverlay::InkTo(ScreenPoint point) {
    if (!window_) return;
    const ScreenPoint at = OverlayPoint(layout_, point);
    SurfaceLine(at.x, at.y, colour_);
    AnswerMessages();
}

void TrailOverlay::FadeOut(StepSchedule& schedule, RunStop& stop) {
    if (!window_) return;
    for (int alpha = kOpacity; alpha >= 0 && !stop.Stopped(); alpha -= kFadeStep) {
        SetOpacity(window_.Get(), alpha);
        AnswerMessages();
        stop.Wait(schedule, kFadeWaitMilliseconds);
    }
    Close();
}

void TrailOverlay::Close() {
    if (!window_) return;
    SurfaceDetach();
    window_.Reset();
}
