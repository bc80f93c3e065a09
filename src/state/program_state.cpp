#include "state/program_state.h"

#include <atomic>

namespace {
std::atomic<HWND> g_mainWindow{nullptr};
}

HWND MainWindowHandle() { return g_mainWindow.load(); }
void SetMainWindowHandle(HWND window) { g_mainWindow.store(window); }
