// The shared file dialog for character set files.

#include "ui/file_dialog_win32.h"

#include <vector>

#include "platform/files.h"
#include "ui/common_dialogs_win32.h"

namespace {

constexpr int kDialogOffset = 30;

// With OFN_EXPLORER the hook procedure belongs to a child of the real dialog,
// so the placement moves the parent once the dialog has been laid out.
UINT_PTR CALLBACK PlaceDialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
        if (notice->hdr.code == CDN_INITDONE) {
            HWND owner = notice->lpOFN->hwndOwner;
            RECT ownerRect{};
            if (owner != nullptr && GetWindowRect(owner, &ownerRect)) {
                SetWindowPos(GetParent(child), nullptr, ownerRect.left + kDialogOffset,
                             ownerRect.top + kDialogOffset, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    return 0;
}

}  // namespace

std::string AskSetFileName(HWND owner, SetFileDialog kind, const char* title, DWORD flags) {
    // Long paths are allowed: the buffer is well past MAX_PATH.
    std::vector<char> name(32768, '\0');
    const std::string folder = ProgramFolder();
    static const char kFilter[] = "All mouse movement sets (*.set)\0*.set\0";

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "set";
    dialog.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    dialog.lpfnHook = PlaceDialogHook;

    const BOOL chosen =
        kind == SetFileDialog::Open ? ShowOpenFileDialog(dialog) : ShowSaveFileDialog(dialog);
    return chosen ? std::string(name.data()) : std::string();
}
