#include "charset/creator_window.h"

// The Creator window arrives in its own change; until then "Edit" opens nothing.
void RunCreatorDialog(HWND) {}
