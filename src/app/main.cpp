// The program's entry point.

#include <windows.h>

#include "app/settings.h"
#include "app/settings_storage.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetDefaultSettings();
    ReadSettingsFile();
    return 0;
}
