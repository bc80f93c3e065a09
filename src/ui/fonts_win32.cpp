#include "ui/fonts_win32.h"

#include "platform/handles.h"

HFONT CreateSansSerifFont(int points, int weight) {
    WindowDc screen(nullptr);
    LOGFONTA font{};
    // Integer division truncates toward zero: -13 for 10 pt and -10 for 8 pt at 96 dpi.
    font.lfHeight = -(GetDeviceCaps(screen.Get(), LOGPIXELSY) * points) / 72;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}
