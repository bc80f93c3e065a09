// The drawing operations of a surface, on the calling thread's target.

#include <algorithm>
#include <cstdint>

#include "ui/drawing_surface.h"
#include "ui/surface_state_win32.h"

namespace {

// The calling thread's target. A plain handle, looked up at each operation,
// so a thread never keeps a destroyed surface alive or draws into it.
thread_local HWND t_target = nullptr;

constexpr int kTransparent = -2;

COLORREF ToColour(int colour) {
    return static_cast<COLORREF>(colour) & 0x00FFFFFF;
}

COLORREF DrawingColour(HDC dc, int colour) {
    return colour == kCurrentColour ? GetTextColor(dc) : ToColour(colour);
}

POINT ToPixels(const SurfaceState& surface, int x, int y) {
    return {ScaleX(surface.scale, x), ScaleY(surface.scale, y)};
}

// The part of the bitmap inside a box around two points, widened by `margin`.
RECT ChangedArea(const SurfaceState& surface, POINT a, POINT b, int margin) {
    auto clampTo = [](std::int64_t v, int limit) {
        return static_cast<LONG>(std::clamp<std::int64_t>(v, 0, limit));
    };
    return {clampTo(std::int64_t{std::min(a.x, b.x)} - margin, surface.width),
            clampTo(std::int64_t{std::min(a.y, b.y)} - margin, surface.height),
            clampTo(std::int64_t{std::max(a.x, b.x)} + margin + 1, surface.width),
            clampTo(std::int64_t{std::max(a.y, b.y)} + margin + 1, surface.height)};
}

RECT WholeArea(const SurfaceState& surface) {
    return {0, 0, surface.width, surface.height};
}

// Runs one operation on the target under its lock. `draw` returns the part
// of the bitmap it changed; unbuffered, that part is then shown, outside the
// lock, before the operation returns.
template <typename Draw> void OnTarget(Draw&& draw) {
    try {
        const auto surface = FindSurface(t_target);
        if (!surface) return;
        RECT changed{};
        {
            std::lock_guard guard(surface->lock);
            if (!surface->dc) return;
            changed = draw(*surface, surface->dc.Get());
        }
        if (!surface->buffered.load()) ShowOnScreen(*surface, changed);
    } catch (...) {
        // Drawing is called from window procedures; nothing may unwind into them.
    }
}

HPEN PenFor(SurfaceState& surface, COLORREF colour) {
    if (!surface.pen || surface.penColour != colour || surface.penMadeWidth != surface.penWidth) {
        surface.pen.Reset(CreatePen(PS_SOLID, surface.penWidth, colour));
        surface.penColour = colour;
        surface.penMadeWidth = surface.penWidth;
    }
    return surface.pen.Get();
}

}  // namespace

void SurfaceAttach(HWND window, int id, bool buffered) {
    const HWND control = GetDlgItem(window, id);
    const auto surface = FindSurface(control);
    t_target = surface ? control : nullptr;
    if (surface) surface->buffered.store(buffered);
}

void SurfaceDetach() {
    t_target = nullptr;
}

void SurfaceClear(int colour) {
    OnTarget([&](SurfaceState& surface, HDC dc) {
        const COLORREF fill = colour == kCurrentColour ? surface.background : ToColour(colour);
        OwnedBrush brush(CreateSolidBrush(fill));
        const RECT all = WholeArea(surface);
        if (brush) FillRect(dc, &all, brush.Get());
        MoveToEx(dc, 0, 0, nullptr);
        return all;
    });
}

void SurfaceMoveTo(int x, int y) {
    OnTarget([&](SurfaceState& surface, HDC dc) {
        const POINT to = ToPixels(surface, x, y);
        MoveToEx(dc, to.x, to.y, nullptr);
        return RECT{};
    });
}

void SurfaceLine(int x, int y, int colour) {
    OnTarget([&](SurfaceState& surface, HDC dc) {
        POINT from{};
        GetCurrentPositionEx(dc, &from);
        const POINT to = ToPixels(surface, x, y);
        SelectedObject pen(dc, PenFor(surface, DrawingColour(dc, colour)));
        LineTo(dc, to.x, to.y);
        return ChangedArea(surface, from, to, surface.penWidth / 2 + 1);
    });
}

void SurfacePixel(int x, int y, int colour) {
    OnTarget([&](SurfaceState& surface, HDC dc) {
        const POINT at = ToPixels(surface, x, y);
        SetPixelV(dc, at.x, at.y, DrawingColour(dc, colour));
        MoveToEx(dc, at.x, at.y, nullptr);
        return ChangedArea(surface, at, at, 0);
    });
}

void SurfacePenWidth(int pixels) {
    OnTarget([&](SurfaceState& surface, HDC) {
        surface.penWidth = std::max(pixels, 0);
        return RECT{};
    });
}

void SurfaceForeground(int colour) {
    OnTarget([&](SurfaceState&, HDC dc) {
        SetTextColor(dc, colour == -1 ? GetSysColor(COLOR_WINDOWTEXT) : ToColour(colour));
        return RECT{};
    });
}

void SurfaceBackground(int colour) {
    OnTarget([&](SurfaceState& surface, HDC dc) {
        if (colour == kTransparent) {
            SetBkMode(dc, TRANSPARENT);
            return RECT{};
        }
        surface.background = colour == -1 ? GetSysColor(COLOR_BTNFACE) : ToColour(colour);
        SetBkColor(dc, surface.background);
        SetBkMode(dc, OPAQUE);
        return RECT{};
    });
}

void SurfacePrint(std::string_view text) {
    OnTarget([&](SurfaceState& surface, HDC dc) {
        POINT at{};
        GetCurrentPositionEx(dc, &at);
        const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT32_MAX));
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.data(), length, &extent);
        TextOutA(dc, at.x, at.y, text.data(), length);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        MoveToEx(dc, 0, at.y + metrics.tmHeight + metrics.tmExternalLeading, nullptr);
        return ChangedArea(surface, at, POINT{at.x + extent.cx, at.y + extent.cy}, 0);
    });
}

bool SurfaceCopy(HDC source, const RECT& sourceRect, POINT destination) {
    bool copied = false;
    OnTarget([&](SurfaceState& surface, HDC dc) {
        const POINT to = ToPixels(surface, destination.x, destination.y);
        const int width = sourceRect.right - sourceRect.left;
        const int height = sourceRect.bottom - sourceRect.top;
        copied = source && BitBlt(dc, to.x, to.y, width, height, source, sourceRect.left,
                                  sourceRect.top, SRCCOPY);
        return copied ? ChangedArea(surface, to, POINT{to.x + width - 1, to.y + height - 1}, 0)
                      : RECT{};
    });
    return copied;
}

void SurfaceRefresh() {
    try {
        const auto surface = FindSurface(t_target);
        if (!surface) return;
        RECT all{};
        {
            // The size changes when the surface is refitted to a new scale.
            std::lock_guard guard(surface->lock);
            all = WholeArea(*surface);
        }
        ShowOnScreen(*surface, all);
    } catch (...) {
    }
}

COLORREF SurfaceBitmapPixel(HWND control, int x, int y) {
    const auto surface = FindSurface(control);
    if (!surface) return CLR_INVALID;
    std::lock_guard guard(surface->lock);
    if (!surface->dc || x < 0 || y < 0 || x >= surface->width || y >= surface->height)
        return CLR_INVALID;
    return GetPixel(surface->dc.Get(), x, y);
}

SIZE SurfaceBitmapSize(HWND control) {
    const auto surface = FindSurface(control);
    if (!surface) return {0, 0};
    std::lock_guard guard(surface->lock);
    return {surface->width, surface->height};
}
