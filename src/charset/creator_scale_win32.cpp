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
    // The area's position (5, 5) and size (155, 200) converted with the
    // window's dialog-unit metrics, as they are now.
    const DialogRect rect = kDrawingAreaRect;
    RECT area{rect.x, rect.y, rect.width, rect.height};
    MapDialogRect(creator.window, &area);
    RECT measure{0, 0, 1024, 1024};
    MapDialogRect(creator.window, &measure);
    // At 96 DPI the area is its own 96-DPI size, whatever the fonts measure.
    const SIZE at96 =
        WindowDpi(creator.window) == kBaseDpi
            ? SIZE{area.right, area.bottom}
            : DialogSizeAt(rect.width, rect.height, kCreatorFontFace, kCreatorFontPoints, kBaseDpi);
    AreaGeometry geometry;
    geometry.origin = {area.left, area.top};
    geometry.scale = {area.right, area.bottom, at96.cx, at96.cy};
    geometry.per1024 = {measure.right, measure.bottom};
    std::lock_guard guard(creator.geometryLock);
    creator.geometry = geometry;
}

void FollowNewScale(CreatorWindow& creator) {
    RemakeCreatorFonts(creator);
    RefitDrawingSurface(GetDlgItem(creator.window, kDrawingAreaId));
    MeasureArea(creator);
}
