#pragma once
// What a drawing surface holds, shared by the control (creation, painting,
// destruction) and the drawing operations. Internal to src/ui.

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/handles.h"
#include "ui/drawing_surface.h"
#include "ui/surface_scale.h"

struct SurfaceState {
    HWND control = nullptr;
    // The control's size in dialog units, for a surface laid out in them; its
    // scale follows its client size whenever the surface is refitted.
    SurfaceLayout layout = SurfaceLayout::Pixels;
    int widthUnits = 0;
    int heightUnits = 0;
    std::atomic<bool> buffered{false};

    // Everything below is guarded by `lock`; the DC is null once the control
    // has been destroyed.
    std::mutex lock;
    SurfaceScale scale;
    int width = 0; // the control's client size, which the bitmap covers
    int height = 0;
    int fontDpi = 0; // the DPI the font was made for
    MemoryDc dc;
    OwnedBitmap bitmap;
    OwnedFont font;
    std::optional<SelectedObject> bitmapSelection;
    std::optional<SelectedObject> fontSelection;
    int penWidth = 1;
    OwnedPen pen;  // the last pen used, kept while colour and width stay the same
    COLORREF penColour = 0;
    int penMadeWidth = 0;
    COLORREF background = 0;  // kept even while text is drawn transparently

    // Gives back every GDI object, in the reverse order of taking them.
    void Release();
};

// The surface of a control, or null if it is not a live surface.
std::shared_ptr<SurfaceState> FindSurface(HWND control);

// Shows a changed part of the bitmap (pixels of the bitmap) on the screen.
void ShowOnScreen(SurfaceState& surface, RECT changed);

// The keyboard for a surface that is a tab stop reporting clicks (the colour
// field); see surface_keyboard_win32.cpp.
bool TakesKeyboard(HWND control);
// The answer to WM_GETDLGCODE for such a surface.
LRESULT KeyboardDialogCode(const MSG* message);
// A key pressed on it: true when the key is one that clicks it.
bool ClickByKey(HWND control, WPARAM key, LPARAM flags);
// Draws its focus rectangle, when it has the focus, over `area` just copied.
void DrawFocusCue(HWND control, HDC target, const RECT& area);
