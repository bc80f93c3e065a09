#include "ui/dialog_template_win32.h"

namespace {
// Where the control count sits: after style and extended style.
constexpr std::size_t kCountWord = 4;
} // namespace

DialogTemplate::DialogTemplate(std::string_view caption, DWORD style, DWORD exStyle,
                               DialogRect rect, std::string_view fontName, WORD fontPoints) {
    AddDword(style | DS_SETFONT);
    AddDword(exStyle);
    AddWord(0); // the control count, filled in as controls are added
    AddWord(static_cast<WORD>(rect.x));
    AddWord(static_cast<WORD>(rect.y));
    AddWord(static_cast<WORD>(rect.width));
    AddWord(static_cast<WORD>(rect.height));
    AddWord(0); // no menu
    AddWord(0); // the standard dialog class
    AddText(caption);
    AddWord(fontPoints);
    AddText(fontName);
}

void DialogTemplate::AddControl(DialogControlClass kind, WORD id, std::string_view text,
                                DialogRect rect, DWORD style, DWORD exStyle) {
    AlignToDword();
    AddDword(style);
    AddDword(exStyle);
    AddWord(static_cast<WORD>(rect.x));
    AddWord(static_cast<WORD>(rect.y));
    AddWord(static_cast<WORD>(rect.width));
    AddWord(static_cast<WORD>(rect.height));
    AddWord(id);
    AddWord(0xFFFF); // a predefined class by number
    AddWord(static_cast<WORD>(kind));
    AddText(text);
    AddWord(0); // no creation data
    words_[kCountWord] = ++controls_;
}

const DLGTEMPLATE* DialogTemplate::Get() {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}

void DialogTemplate::AddWord(WORD value) {
    words_.push_back(value);
}

void DialogTemplate::AddDword(DWORD value) {
    AddWord(LOWORD(value));
    AddWord(HIWORD(value));
}

void DialogTemplate::AddText(std::string_view text) {
    if (!text.empty()) {
        const int length =
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::vector<wchar_t> wide(static_cast<std::size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            length);
        for (wchar_t c : wide)
            AddWord(static_cast<WORD>(c));
    }
    AddWord(0);
}

void DialogTemplate::AlignToDword() {
    // std::vector<WORD> storage is at least DWORD-aligned at its start.
    if (words_.size() % 2 != 0) AddWord(0);
}
