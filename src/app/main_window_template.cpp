#include "app/main_window_template.h"

#include "app/main_window_ids.h"

namespace {

using enum DialogControlClass;

constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                               WS_CLIPSIBLINGS | DS_MODALFRAME | DS_CENTER | DS_SETFONT |
                               DS_3DLOOK | DS_NOFAILCREATE;
constexpr DialogRect kWindowRect{0, 0, 304, 137};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_RIGHT;
constexpr DWORD kList = kChild | CBS_DROPDOWNLIST | CBS_HASSTRINGS; // unsorted, no tab stop
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kNumberBox = kChild | WS_TABSTOP | ES_AUTOHSCROLL;

// clang-format off
const MainWindowRow kRows[] = {
    {Static, kClockStyleLabel, "Clock style:", {5, 10, 60, 10}, kLabel},
    {ComboBox, kClockStyleBox, "", {70, 8, 75, 75}, kList},
    {Static, kPreviewLabel, "Currently looks like:", {150, 10, 80, 10}, kLabel},
    {Static, kPreview, "HH:MM AM", {235, 8, 60, 10}, kChild | SS_LEFT},
    {Static, kShortcutLabel, "Shortcut key:", {5, 27, 60, 10}, kLabel},
    {ComboBox, kModifierBox, "", {70, 25, 75, 75}, kList},
    {ComboBox, kKeyBox, "", {150, 25, 40, 155}, kList | WS_VSCROLL},
    {Button, kShowNowButton, "Show Now", {235, 25, 60, 15}, kButton},
    {Static, kCharacterSetLabel, "Character set:", {5, 47, 60, 10}, kLabel},
    {Edit, kCharacterSetBox, "", {70, 45, 100, 15}, kChild | ES_LEFT | ES_READONLY,
     WS_EX_CLIENTEDGE},
    {Button, kBrowseButton, "Browse", {175, 45, 40, 15}, kButton},
    {Button, kEditButton, "Edit", {220, 45, 35, 15}, kButton},
    {Static, kHeightLabel, "Max pixel height:", {5, 67, 60, 10}, kLabel},
    {Edit, kHeightBox, "", {70, 65, 40, 15}, kNumberBox, WS_EX_CLIENTEDGE},
    {Button, kTrailsCheckBox, "Leave mouse trails (OS dependent)", {120, 67, 130, 8},
     kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
    // Its text is never painted: it names the field for screen readers.
    {std::nullopt, kTrailsColorSwatch, "Trails colour", {250, 67, 30, 10},
     kChild | WS_BORDER | SS_NOTIFY | WS_TABSTOP},
    {Static, kSlowdownLabel, "Slowdown factor:", {5, 87, 60, 10}, kLabel},
    {Edit, kSlowdownBox, "", {70, 85, 40, 15}, kNumberBox, WS_EX_CLIENTEDGE},
    {Static, kAccelerationLabel, "Acceleration factor:", {120, 87, 65, 8}, kLabel},
    {Edit, kAccelerationBox, "", {190, 85, 40, 15}, kNumberBox, WS_EX_CLIENTEDGE},
    {Static, kRule, "", {10, 109, 285, 1}, kChild | SS_ETCHEDFRAME},
    {Button, kResetButton, "Reset to Defaults", {145, 115, 75, 15}, kButton},
    {Button, kKillButton, "Kill Clock Spindrift", {230, 115, 65, 15}, kButton},
};
// clang-format on

} // namespace

std::span<const MainWindowRow> MainWindowRows() {
    return kRows;
}

DialogTemplate MainWindowTemplate() {
    DialogTemplate dialog(kMainWindowCaption, kWindowStyle, WS_EX_CONTROLPARENT, kWindowRect,
                          "MS Sans Serif", 8);
    for (const MainWindowRow& row : kRows) {
        if (row.kind)
            dialog.AddControl(*row.kind, static_cast<WORD>(row.id), row.text, row.rect, row.style,
                              row.exStyle);
    }
    return dialog;
}
