#include "platform/screen.h"

#include <windows.h>

WorkAreaSize DesktopWorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) return {};
    return {area.right - area.left, area.bottom - area.top};
}

void MoveCursorTo(int x, int y) {
    SetCursorPos(x, y);
}

void ShowArrowCursor() {
    // A shared system cursor: never destroyed, so nothing to own.
    SetCursor(static_cast<HCURSOR>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_CURSOR, 0, 0,
                                              LR_SHARED | LR_DEFAULTSIZE)));
}
