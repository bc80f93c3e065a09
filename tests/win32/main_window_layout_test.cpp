// The main window as built and as filled from the settings.

#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace {

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    RECT units; // left, top, width, height in dialog units
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_RIGHT;
constexpr DWORD kList = kChild | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
constexpr DWORD kButton = kChild | WS_TABSTOP;
constexpr DWORD kNumber = kChild | WS_TABSTOP | ES_AUTOHSCROLL;

// In creation order, which is the tab order.
// clang-format off
const ExpectedControl kControls[] = {
    {2001, "Static", "Clock style:", {5, 10, 60, 10}, kLabel, 0},
    {2002, "ComboBox", "", {70, 8, 75, 75}, kList, 0},
    {2023, "Static", "Currently looks like:", {150, 10, 80, 10}, kLabel, 0},
    {2024, "Static", "HH:MM AM", {235, 8, 60, 10}, kChild, 0},
    {2004, "Static", "Shortcut key:", {5, 27, 60, 10}, kLabel, 0},
    {2003, "ComboBox", "", {70, 25, 75, 75}, kList, 0},
    {2005, "ComboBox", "", {150, 25, 40, 155}, kList | WS_VSCROLL, 0},
    {2022, "Button", "Show Now", {235, 25, 60, 15}, kButton, 0},
    {2008, "Static", "Character set:", {5, 47, 60, 10}, kLabel, 0},
    {2010, "Edit", "", {70, 45, 100, 15}, kChild | ES_READONLY, WS_EX_CLIENTEDGE},
    {2011, "Button", "Browse", {175, 45, 40, 15}, kButton, 0},
    {2013, "Button", "Edit", {220, 45, 35, 15}, kButton, 0},
    {2016, "Static", "Max pixel height:", {5, 67, 60, 10}, kLabel, 0},
    {2015, "Edit", "", {70, 65, 40, 15}, kNumber, WS_EX_CLIENTEDGE},
    {2021, "Button", "Leave mouse trails (OS dependent)", {120, 67, 130, 8},
     kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {2031, "Static", "Trails colour", {250, 67, 30, 10},
     kChild | WS_BORDER | SS_NOTIFY | SS_OWNERDRAW | WS_TABSTOP, 0},
    {2018, "Static", "Slowdown factor:", {5, 87, 60, 10}, kLabel, 0},
    {2017, "Edit", "", {70, 85, 40, 15}, kNumber, WS_EX_CLIENTEDGE},
    {2020, "Static", "Acceleration factor:", {120, 87, 65, 8}, kLabel, 0},
    {2019, "Edit", "", {190, 85, 40, 15}, kNumber, WS_EX_CLIENTEDGE},
    {2028, "Static", "", {10, 109, 285, 1}, kChild | SS_ETCHEDFRAME, 0},
    {2026, "Button", "Reset to Defaults", {145, 115, 75, 15}, kButton, 0},
    {2027, "Button", "Kill Clock Spindrift", {230, 115, 65, 15}, kButton, 0},
};
// clang-format on

// Dialog units to pixels as the dialog manager converts a control's place:
// its corner and its size each through the dialog's metrics.
RECT InPixels(HWND window, RECT units) {
    RECT corner{units.left, units.top, 0, 0};
    RECT size{0, 0, units.right, units.bottom};
    MapDialogRect(window, &corner);
    MapDialogRect(window, &size);
    return {corner.left, corner.top, corner.left + size.right, corner.top + size.bottom};
}

RECT ClientRectOf(HWND window, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::string> ListEntries(HWND list) {
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

LOGFONTA FontOf(HWND control) {
    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

int PointsToHeight(int points) {
    WindowDc screen(nullptr);
    return -(GetDeviceCaps(screen.Get(), LOGPIXELSY) * points) / 72;
}

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, TheWindowIsAHiddenDialogWithItsCaptionStylesAndSize) {
    EXPECT_EQ(MainWindowHandle(), window_);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
    char caption[64] = {};
    GetWindowTextA(window_, caption, sizeof caption);
    EXPECT_STREQ(caption, "The Spindrift Clock");

    const DWORD style = GetWindowLongA(window_, GWL_STYLE);
    for (DWORD bit : {DWORD(WS_POPUP), DWORD(WS_CAPTION), DWORD(WS_SYSMENU), DWORD(WS_MINIMIZEBOX),
                      DWORD(WS_CLIPSIBLINGS), DWORD(DS_MODALFRAME), DWORD(DS_CENTER),
                      DWORD(DS_SETFONT), DWORD(DS_3DLOOK), DWORD(DS_NOFAILCREATE)})
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    for (DWORD bit : {DWORD(WS_MAXIMIZEBOX), DWORD(WS_THICKFRAME), DWORD(WS_VISIBLE)})
        EXPECT_EQ(style & bit, 0u) << std::hex << bit;
    EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetMenu(window_), nullptr);

    RECT client{};
    GetClientRect(window_, &client);
    const RECT expected = InPixels(window_, {0, 0, 304, 137});
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);

    // Centred on the screen.
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_NEAR((frame.left + frame.right) / 2, screenWidth / 2, 2);
}

TEST_F(MainWindowLayout, EveryControlHasItsIdTextStylePlaceAndTabOrder) {
    HWND child = GetWindow(window_, GW_CHILD);
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE(expected.id);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), expected.id); // the tab order
        const HWND control = Control(expected.id);
        ASSERT_NE(control, nullptr);
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, expected.className);
        EXPECT_EQ(Text(expected.id), expected.text);
        // A combo box hands its scroll bar on to its list.
        const DWORD scroll = std::string(expected.className) == "ComboBox" ? WS_VSCROLL : 0;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), expected.style & ~scroll)
            << std::hex << GetWindowLongA(control, GWL_STYLE);
        if (scroll) {
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            ASSERT_TRUE(GetComboBoxInfo(control, &parts));
            EXPECT_EQ(GetWindowLongA(parts.hwndList, GWL_STYLE) & WS_VSCROLL,
                      static_cast<LONG>(expected.style & WS_VSCROLL));
        }
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE,
                  expected.exStyle);

        const RECT want = InPixels(window_, expected.units);
        const RECT got = ClientRectOf(window_, control);
        EXPECT_EQ(got.left, want.left);
        EXPECT_EQ(got.top, want.top);
        EXPECT_EQ(got.right, want.right);
        // A drop-down list is as tall as its edit field; the height is its list's.
        if (std::string(expected.className) != "ComboBox") {
            EXPECT_EQ(got.bottom, want.bottom);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "a control more than the table has";
}

TEST_F(MainWindowLayout, TheListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(ListEntries(Control(kClockStyleBox)),
              (std::vector<std::string>{"HH:MM AM (12hr)", "HH:MM (12hr)", "HHMM AM (12hr)",
                                        "HHMM (12hr)", "HH:MM (24hr)", "HHMM (24hr)"}));
    EXPECT_EQ(ListEntries(Control(kModifierBox)),
              (std::vector<std::string>{"Ctrl", "Alt", "Ctrl+Alt", "Ctrl+Shift", "Alt+Shift",
                                        "Ctrl+Alt+Shift"}));
    const std::vector<std::string> keys{
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A",  "B",  "C",  "D",  "E",  "F",
        "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q",  "R",  "S",  "T",  "U",  "V",
        "W", "X", "Y", "Z", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    EXPECT_EQ(ListEntries(Control(kKeyBox)), keys);
    for (int id : {kClockStyleBox, kModifierBox, kKeyBox})
        EXPECT_EQ(Selection(id), CB_ERR) << id;
}

TEST_F(MainWindowLayout, ThePreviewHasItsOwnBoldFontAndTheRestTheDialogFont) {
    const LOGFONTA preview = FontOf(Control(kPreview));
    EXPECT_STREQ(preview.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(preview.lfWeight, FW_BOLD);
    EXPECT_EQ(preview.lfHeight, PointsToHeight(10));
    const LOGFONTA label = FontOf(Control(kPreviewLabel));
    EXPECT_STREQ(label.lfFaceName, "MS Sans Serif");
    EXPECT_LE(label.lfWeight, FW_NORMAL); // normal, or "don't care"
    WindowDc screen(nullptr);
    EXPECT_EQ(label.lfHeight, -MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72));
}

TEST_F(MainWindowLayout, TheColourFieldIsADrawingSurfaceOfItsSize) {
    const RECT want = InPixels(window_, {250, 67, 30, 10});
    RECT client{};
    GetClientRect(Control(kTrailsColorSwatch), &client);
    const SIZE bitmap = SurfaceBitmapSize(Control(kTrailsColorSwatch));
    EXPECT_EQ(bitmap.cx, client.right);
    EXPECT_EQ(bitmap.cy, client.bottom);
    // Its border lies inside the rectangle.
    EXPECT_EQ(client.right, want.right - want.left - 2);
    // It never paints its text, which names it for screen readers.
    EXPECT_EQ(AccessibleName(Control(kTrailsColorSwatch)), "Trails colour");
}

using RefreshMainWindowTest = MainWindowTest;

TEST_F(RefreshMainWindowTest, TheDefaultsAreShownAndTheBuiltInSetIsLoaded) {
    RefreshMainWindow();
    ExpectDefaultsShown();
    EXPECT_TRUE(FileExists(ProgramFolder() + "default.set"));
    EXPECT_EQ(Text(kPreview), "HH:MM AM");
    EXPECT_FALSE(SettingsFileExists()) << "filling the window saves nothing";
}

TEST_F(RefreshMainWindowTest, HandEditedValuesAreShownAsTheyAre) {
    Settings& settings = ProgramSettings();
    settings.ClockStyle.Set("HHMM (24hr)");
    settings.ShortcutKeyModifiers.Set("Alt+Shift");
    settings.ShortcutKey.Set("F12");
    RefreshMainWindow();
    EXPECT_EQ(Selection(kClockStyleBox), 5);
    EXPECT_EQ(Selection(kModifierBox), 4);
    EXPECT_EQ(Selection(kKeyBox), 47);

    // Texts that match no entry (the lists compare case and all) leave the
    // selection where it was.
    settings.ClockStyle.Set("hhmm (24hr)");
    settings.ShortcutKeyModifiers.Set("Win");
    settings.ShortcutKey.Set("t");
    settings.TrailsColor = -1;
    settings.LeaveMouseTrails = 7;
    settings.MaxPixelHeight = -7;
    settings.SlowdownFactor = 5000;
    settings.AccelerationFactor = 0;
    settings.CharacterSet.Set("C:\\no such folder\\x.set");
    RefreshMainWindow();
    EXPECT_EQ(Selection(kClockStyleBox), 5);
    EXPECT_EQ(Selection(kModifierBox), 4);
    EXPECT_EQ(Selection(kKeyBox), 47);
    EXPECT_EQ(IsDlgButtonChecked(window_, kTrailsCheckBox), BST_CHECKED);
    EXPECT_EQ(SurfaceBitmapPixel(Control(kTrailsColorSwatch), 3, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Text(kHeightBox), "-7");
    EXPECT_EQ(Text(kSlowdownBox), "5000");
    EXPECT_EQ(Text(kAccelerationBox), "0");
    EXPECT_EQ(Text(kCharacterSetBox), "C:\\no such folder\\x.set");
    EXPECT_FALSE(SettingsFileExists());
}

TEST_F(RefreshMainWindowTest, AStyleNoEntryMatchesLeavesAFreshListWithoutSelection) {
    ProgramSettings().ClockStyle.Set("hh:mm (12hr)");
    ProgramSettings().TrailsColor = RGB(10, 200, 30);
    RefreshMainWindow();
    EXPECT_EQ(Selection(kClockStyleBox), CB_ERR);
    EXPECT_EQ(Selection(kModifierBox), 0);
    EXPECT_EQ(SurfaceBitmapPixel(Control(kTrailsColorSwatch), 3, 3), RGB(10, 200, 30));
}

} // namespace
