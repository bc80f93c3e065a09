#pragma once
// The program's file dialog for character set files, shared by "Browse" in
// the main window and by "Load Set" and "Save Set" in the Character Creator.

#include <windows.h>

#include <string>

enum class SetFileDialog { Open, Save };

// Shows the system's file-open or file-save dialog for "*.set" files, owned by
// `owner` and placed 30 pixels to the right of and below its top-left corner,
// starting in the program folder with an empty name and the default extension
// "set". `flags` are the caller's; the routine always adds OFN_EXPLORER,
// OFN_ENABLEHOOK (the hook places the dialog), OFN_HIDEREADONLY and
// OFN_NOCHANGEDIR, so the current folder never changes. Returns the chosen
// name, or an empty text when the user cancels.
std::string AskSetFileName(HWND owner, SetFileDialog kind, const char* title, DWORD flags);
