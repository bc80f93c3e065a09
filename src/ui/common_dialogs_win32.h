#pragma once
// The system's common dialogs: the file-open, file-save and colour dialogs of
// comdlg32. The DLL is loaded from the system folder the first time a dialog
// is shown, not imported: it pulls in dozens of others by name, which must
// all be found under the program's restricted search, never beside the
// program. It then stays loaded for the rest of the run.

#include <windows.h>
#include <commdlg.h>

// As GetOpenFileNameA, GetSaveFileNameA and ChooseColorA; FALSE, as for a
// cancelled dialog, when the system has no common dialogs.
BOOL ShowOpenFileDialog(OPENFILENAMEA& dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEA& dialog);
BOOL ShowColourDialog(CHOOSECOLORA& choice);
