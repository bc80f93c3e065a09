// The drawing surface control: a subclassed owner-drawn STATIC that paints
// itself from its off-screen bitmap.

#include "ui/drawing_surface.h"

#include <unordered_map>

#include "ui/display_scale_win32.h"
#include "ui/fonts_win32.h"
#include "ui/surface_state_win32.h"

namespace {

// The STATIC's own window procedure, kept on the control itself. Subclassed
// through user32 alone: the common controls' subclass helpers would make the
// program import comctl32 (see platform/system_library.h).
constexpr char kOriginalProcProperty[] = "SpindriftSurfaceProc";

WNDPROC OriginalProc(HWND control) {
    return reinterpret_cast<WNDPROC>(GetPropA(control, kOriginalProcProperty));
}

// Live surfaces by control. Drawing threads find their target here, so a
// control destroyed while another thread still has it attached is simply no
// longer found; the shared state outlives the lookup that is using it.
std::mutex g_surfacesLock;
std::unordered_map<HWND, std::shared_ptr<SurfaceState>> g_surfaces;

void Forget(HWND control) {
    std::shared_ptr<SurfaceState> surface;
    {
        std::lock_guard registry(g_surfacesLock);
        const auto found = g_surfaces.find(control);
        if (found == g_surfaces.end()) return;
        surface = std::move(found->second);
        g_surfaces.erase(found);
    }
    std::lock_guard guard(surface->lock);
    surface->Release();
}

void BlitToScreen(SurfaceState& surface, HDC target, const RECT& area) {
    {
        std::lock_guard guard(surface.lock);
        if (!surface.dc) return;
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
               surface.dc.Get(), area.left, area.top, SRCCOPY);
    }
    DrawFocusCue(surface.control, target, area);
}

void Paint(HWND control) {
    PaintDc paint(control);
    if (!paint) return;
    if (const auto surface = FindSurface(control))
        BlitToScreen(*surface, paint.Get(), paint.Area());
}

LRESULT CALLBACK SurfaceProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = OriginalProc(control);
    try {
        switch (message) {
        case WM_PAINT:
            Paint(control);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the bitmap covers every pixel
        case WM_GETDLGCODE:
            if (TakesKeyboard(control)) return KeyboardDialogCode(reinterpret_cast<MSG*>(lParam));
            break;
        case WM_KEYDOWN:
            if (TakesKeyboard(control) && ClickByKey(control, wParam, lParam)) return 0;
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            if (TakesKeyboard(control)) InvalidateRect(control, nullptr, FALSE);
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            RemovePropA(control, kOriginalProcProperty);
            Forget(control);
            break;
        }
    } catch (...) {
        // Nothing may unwind into the window manager; a failed paint shows later.
    }
    return original ? CallWindowProcA(original, control, message, wParam, lParam)
                    : DefWindowProcA(control, message, wParam, lParam);
}

bool Subclass(HWND control) {
    const auto original = GetWindowLongPtrA(control, GWLP_WNDPROC);
    if (!original || !SetPropA(control, kOriginalProcProperty, reinterpret_cast<HANDLE>(original)))
        return false;
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SurfaceProc));
    return true;
}

// The bitmap, its DC and the drawing state a new surface starts with.
bool PrepareBitmap(SurfaceState& surface) {
    WindowDc screen(nullptr);
    if (!screen) return false;
    surface.dc.Reset(CreateCompatibleDC(screen.Get()));
    // A control of no size still gets a pixel, so that its DC is usable.
    surface.bitmap.Reset(CreateCompatibleBitmap(screen.Get(), surface.width > 0 ? surface.width : 1,
                                                surface.height > 0 ? surface.height : 1));
    surface.fontDpi = WindowDpi(surface.control);
    surface.font.Reset(CreateSansSerifFont(8, FW_NORMAL, surface.fontDpi));
    if (!surface.dc || !surface.bitmap) return false;
    const HDC dc = surface.dc.Get();
    surface.bitmapSelection.emplace(dc, surface.bitmap.Get());
    if (surface.font) surface.fontSelection.emplace(dc, surface.font.Get());

    surface.background = GetSysColor(COLOR_BTNFACE);
    OwnedBrush face(CreateSolidBrush(surface.background));
    const RECT all{0, 0, surface.width, surface.height};
    if (face) FillRect(dc, &all, face.Get());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, surface.background);
    SetBkMode(dc, OPAQUE);
    MoveToEx(dc, 0, 0, nullptr);
    return true;
}

SIZE ClientSize(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return {client.right, client.bottom};
}

SurfaceScale ScaleFor(const SurfaceState& surface) {
    return surface.layout == SurfaceLayout::DialogUnits
               ? DialogUnitScale(surface.width, surface.height, surface.widthUnits,
                                 surface.heightUnits)
               : PixelScale();
}

// A new bitmap of the control's present client size, showing the old picture
// stretched to it, in place of the old one. Called under the surface's lock.
void RefitBitmap(SurfaceState& surface, SIZE client) {
    WindowDc screen(nullptr);
    if (!screen) return;
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.cx > 0 ? client.cx : 1,
                                              client.cy > 0 ? client.cy : 1));
    MemoryDc copy(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !copy) return;
    {
        SelectedObject target(copy.Get(), bitmap.Get());
        SetStretchBltMode(copy.Get(), HALFTONE);
        SetBrushOrgEx(copy.Get(), 0, 0, nullptr);
        StretchBlt(copy.Get(), 0, 0, client.cx, client.cy, surface.dc.Get(), 0, 0, surface.width,
                   surface.height, SRCCOPY);
    }
    // The pen's position keeps its place in the picture.
    POINT at{};
    GetCurrentPositionEx(surface.dc.Get(), &at);
    if (surface.width > 0 && surface.height > 0)
        MoveToEx(surface.dc.Get(), MulDiv(at.x, client.cx, surface.width),
                 MulDiv(at.y, client.cy, surface.height), nullptr);
    // The old bitmap leaves the DC before it is deleted.
    SelectObject(surface.dc.Get(), bitmap.Get());
    surface.bitmap = std::move(bitmap);
    surface.width = client.cx;
    surface.height = client.cy;
    surface.scale = ScaleFor(surface);
}

void RefitFont(SurfaceState& surface, int dpi) {
    OwnedFont font(CreateSansSerifFont(8, FW_NORMAL, dpi));
    if (!font) return;
    // The old font leaves the DC before it is deleted; the first selection
    // keeps the DC's own font to put back at the end.
    if (surface.fontSelection)
        SelectObject(surface.dc.Get(), font.Get());
    else
        surface.fontSelection.emplace(surface.dc.Get(), font.Get());
    surface.font = std::move(font);
    surface.fontDpi = dpi;
}

// Gives a new STATIC its bitmap and its painting; false if either fails.
bool AdoptControl(HWND control, SurfaceLayout layout, int widthUnits, int heightUnits) {
    try {
        auto surface = std::make_shared<SurfaceState>();
        surface->control = control;
        surface->layout = layout;
        surface->widthUnits = widthUnits;
        surface->heightUnits = heightUnits;
        const SIZE client = ClientSize(control);
        surface->width = client.cx;
        surface->height = client.cy;
        surface->scale = ScaleFor(*surface);
        if (!PrepareBitmap(*surface)) return false;
        {
            std::lock_guard registry(g_surfacesLock);
            g_surfaces[control] = surface;
        }
        if (Subclass(control)) return true;
        Forget(control);
        return false;
    } catch (...) {
        return false;  // a surface that was not registered is released with its last owner
    }
}

}  // namespace

void SurfaceState::Release() {
    fontSelection.reset();
    bitmapSelection.reset();
    pen.Reset();
    font.Reset();
    bitmap.Reset();
    dc.Reset();
}

std::shared_ptr<SurfaceState> FindSurface(HWND control) {
    std::lock_guard registry(g_surfacesLock);
    const auto found = g_surfaces.find(control);
    return found == g_surfaces.end() ? nullptr : found->second;
}

void ShowOnScreen(SurfaceState& surface, RECT changed) {
    if (changed.right <= changed.left || changed.bottom <= changed.top) return;
    // Copied straight through the control's DC rather than by invalidating and
    // waiting for WM_PAINT: visible before this returns, from any thread, and
    // a fraction of the cost per ink segment.
    WindowDc screen(surface.control);
    if (screen) BlitToScreen(surface, screen.Get(), changed);
}

HWND CreateDrawingSurface(HWND parent, int id, int x, int y, int width, int height, DWORD style,
                          SurfaceLayout layout, const char* name) {
    RECT area{x, y, x + width, y + height};
    if (layout == SurfaceLayout::DialogUnits) {
        // As the dialog manager places a control of a template: its corner and
        // its size each converted (its far corner converted can lie a pixel
        // off), so that the control is exactly its size in dialog units.
        RECT units{x, y, width, height};
        MapDialogRect(parent, &units);
        area = {units.left, units.top, units.left + units.right, units.top + units.bottom};
    }
    const HWND control = CreateWindowExA(
        0, "STATIC", name, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | style, area.left, area.top,
        area.right - area.left, area.bottom - area.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!control) return nullptr;
    if (AdoptControl(control, layout, width, height)) return control;
    DestroyWindow(control);
    return nullptr;
}

void RefitDrawingSurface(HWND control) {
    try {
        const auto surface = FindSurface(control);
        if (!surface) return;
        const SIZE client = ClientSize(control);
        const int dpi = WindowDpi(control);
        {
            std::lock_guard guard(surface->lock);
            if (!surface->dc) return;
            if (client.cx != surface->width || client.cy != surface->height)
                RefitBitmap(*surface, client);
            if (dpi != surface->fontDpi) RefitFont(*surface, dpi);
        }
        InvalidateRect(control, nullptr, FALSE);
    } catch (...) {
        // Called from window procedures; the surface keeps its old picture.
    }
}
