// The Creator's set commands: "New Set", "Load Set" and "Save Set".

#include "charset/creator_commands_win32.h"

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "base/number_text.h"
#include "base/text.h"
#include "charset/character_set.h"
#include "charset/creator_fonts_win32.h"
#include "charset/creator_layout.h"
#include "charset/creator_state.h"
#include "charset/set_file_io.h"
#include "platform/files.h"
#include "state/program_state.h"
#include "state/settings.h"
#include "state/settings_storage.h"
#include "ui/file_dialog_win32.h"

namespace {

// The main window's character set box.

constexpr UINT kQuestionStyle = MB_YESNO | MB_SYSTEMMODAL;
constexpr UINT kErrorStyle = MB_ICONHAND | MB_SYSTEMMODAL;
constexpr UINT kConfirmationStyle = MB_ICONINFORMATION;
static_assert(kQuestionStyle == 0x1004 && kErrorStyle == 0x1010 && kConfirmationStyle == 0x40);

constexpr DWORD kLoadDialogFlags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                                   OFN_CREATEPROMPT | OFN_ENABLESIZING;
constexpr DWORD kSaveDialogFlags =
    OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_CREATEPROMPT | OFN_ENABLESIZING;
static_assert(kLoadDialogFlags == 0x803802 && kSaveDialogFlags == 0x802802);

// Message boxes have no owner window.
bool AnsweredYes(const char* question) {
    return MessageBoxA(nullptr, question, "Warning", kQuestionStyle) == IDYES;
}

void ShowError(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), "Error", kErrorStyle);
}

void ShowInMainWindow(const std::string& name) {
    if (const HWND main = MainWindowHandle()) SetDlgItemTextA(main, kMainCharacterSetBox, name.c_str());
}

// The unsaved-work question; true when the command may go on. The window may
// have been closed while the question was open.
bool MayDiscardUnsaved(const CreatorWindow& creator, const char* question) {
    if (ProgramCreatorState().UnsavedCharacters && !AnsweredYes(question)) return false;
    return !creator.closing;
}

}  // namespace

void NewSetCommand(CreatorWindow& creator) {
    if (!MayDiscardUnsaved(creator,
                           "You have unsaved characters. Would you like to start over and lose "
                           "this work?"))
        return;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot) {
        ProgramCharacterSet().SetSlot(slot, "");
        SetButtonFont(creator, kViewButtonBase + slot, ButtonFont::Plain);
    }
    ProgramCreatorState().UnsavedCharacters = 0;
}

void LoadSetCommand(CreatorWindow& creator) {
    if (!MayDiscardUnsaved(creator,
                           "You have unsaved characters. Would you like to load anyway and lose "
                           "this work?"))
        return;
    const std::string name = AskSetFileName(creator.window, SetFileDialog::Open,
                                            "Please select a file to load from", kLoadDialogFlags);
    if (creator.closing) return;
    LoadSetNamed(name);
}

void SaveSetCommand(CreatorWindow& creator) {
    const std::string name = AskSetFileName(creator.window, SetFileDialog::Save,
                                            "Please select a file to save to", kSaveDialogFlags);
    if (creator.closing) return;
    SaveSetNamed(name);
}

void LoadSetNamed(const std::string& chosen) {
    const std::string name(TrimBlanks(chosen));
    // A cancelled dialog, or a file that went away since.
    if (!IsPlainFile(name)) return;
    const SetFileLoad loaded = ReadSetFile(name);
    if (loaded.unreadable) {
        ShowSetFileUnreadable(name);
        return;
    }
    RefreshViewButtonFonts();
    ShowSetFileLoaded(loaded);
    ProgramCreatorState().UnsavedCharacters = 0;
    ShowInMainWindow(name);
    // The CharacterSet setting stays as it was: the file is written with it.
    WriteSettingsFile();
}

void SaveSetNamed(const std::string& chosen) {
    const std::string name(TrimBlanks(chosen));
    if (name.empty()) return;
    if (!WriteSetFile(name)) {
        ShowError("Error: I could not save your data set of mouse motion digits to " + name +
                  " -- the folder may be read-only, the disk full or the file in use.");
        return;
    }
    MessageBoxA(nullptr, ("Your data set of mouse motion digits has been saved to " + name).c_str(),
                "Saved Successfully", kConfirmationStyle);
    ProgramCreatorState().UnsavedCharacters = 0;
    // From now on the saved file is the set the program starts with.
    ProgramSettings().CharacterSet.Set(name);
    ShowInMainWindow(name);
    WriteSettingsFile();
}
