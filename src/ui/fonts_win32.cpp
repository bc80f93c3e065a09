#include "ui/fonts_win32.h"

#include "ui/display_scale.h"

HFONT CreateSansSerifFont(int points, int weight, int dpi) {
    LOGFONTA font{};
    // -13 for 10 pt and -10 for 8 pt at 96 dpi.
    font.lfHeight = FontHeightAt(points, dpi);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}
