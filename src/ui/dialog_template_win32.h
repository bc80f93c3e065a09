#pragma once
// Dialog templates built in memory: a window and its controls laid out in
// dialog units, handed to CreateDialogIndirectParamA. The dialog manager then
// creates the controls in the order they were added, which is also their tab
// order, converting every rectangle with the dialog's font metrics.

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/dialog_rect.h"

// The predefined control classes a template can name by number.
enum class DialogControlClass : WORD { Button = 0x80, Edit = 0x81, Static = 0x82, ComboBox = 0x85 };

class DialogTemplate {
  public:
    // The window: its caption (ANSI), style (DS_SETFONT is added), extended
    // style, rectangle and font.
    DialogTemplate(std::string_view caption, DWORD style, DWORD exStyle, DialogRect rect,
                   std::string_view fontName, WORD fontPoints);

    // A control with the given id, ANSI text and complete style.
    void AddControl(DialogControlClass kind, WORD id, std::string_view text, DialogRect rect,
                    DWORD style, DWORD exStyle = 0);

    // The template's bytes, DWORD-aligned where the format wants it. The
    // result stays valid until the next AddControl.
    const DLGTEMPLATE* Get();

  private:
    void AddWord(WORD value);
    void AddDword(DWORD value);
    void AddText(std::string_view text);
    void AlignToDword();

    std::vector<WORD> words_; // WORD-aligned storage; the dialog manager reads it in place
    WORD controls_ = 0;
};
