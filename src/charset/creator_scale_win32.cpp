// The Character Creator at the display's scale: where its drawing area lies
// in pixels, how large it would be at 96 DPI (the size recordings are stored
// in), and what is made again when the window moves to another scale.

#include "charset/creator_scale_win32.h"

#include "charset/creator_fonts_win32.h"
#include "charset/creator_layout.h"
#include "ui/display_scale.h"
#include "ui/display_scale_win32.h"
#include "ui/drawing_surface.h"

AreaGeometry AreaNow(const CreatorWindow& creator) {
    std::lock_guard guard(creator.geometryLock);
    return creator.geometry;
}

void MeasureArea(CreatorWindow& creator) {
    // Where the area control is, in the window's client pixels: after a
    // rescale the dialog manager places it by its own rounding, which can be
    // a pixel or two away from where the window's dialog units would put it.
    const HWND control = GetDlgItem(creator.window, kDrawingAreaId);
    RECT area{};
    if (!control || !GetWindowRect(control, &area)) return;
    MapWindowPoints(HWND_DESKTOP, creator.window, reinterpret_cast<POINT*>(&area), 2);
    const SIZE size{area.right - area.left, area.bottom - area.top};
    RECT measure{0, 0, 1024, 1024};
    MapDialogRect(creator.window, &measure);
    // At 96 DPI the area is its own 96-DPI size, whatever the fonts measure.
    const DialogRect rect = kDrawingAreaRect;
    const SIZE at96 =
        WindowDpi(creator.window) == kBaseDpi
            ? size
            : DialogSizeAt(rect.width, rect.height, kCreatorFontFace, kCreatorFontPoints, kBaseDpi);
    AreaGeometry geometry;
    geometry.origin = {area.left, area.top};
    geometry.scale = {size.cx, size.cy, at96.cx, at96.cy};
    geometry.per1024 = {measure.right, measure.bottom};
    std::lock_guard guard(creator.geometryLock);
    creator.geometry = geometry;
}

void FollowNewScale(CreatorWindow& creator) {
    RemakeCreatorFonts(creator);
    RefitDrawingSurface(GetDlgItem(creator.window, kDrawingAreaId));
    MeasureArea(creator);
}
