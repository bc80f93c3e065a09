#include "clock/hotkey_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HotkeyNames, ModifierNamesAreFoundAnywhereWithTheirCase) {
    EXPECT_EQ(HotkeyModifierFlags("Ctrl"), 2u);
    EXPECT_EQ(HotkeyModifierFlags("Alt"), 1u);
    EXPECT_EQ(HotkeyModifierFlags("Ctrl+Alt"), 3u);
    EXPECT_EQ(HotkeyModifierFlags("Ctrl+Shift"), 6u);
    EXPECT_EQ(HotkeyModifierFlags("Alt+Shift"), 5u);
    EXPECT_EQ(HotkeyModifierFlags("Ctrl+Alt+Shift"), 7u);
    EXPECT_EQ(HotkeyModifierFlags("xxShiftyCtrlz"), 6u);
    EXPECT_EQ(HotkeyModifierFlags(""), 0u);
    EXPECT_EQ(HotkeyModifierFlags("ctrl+ALT+shift"), 0u);
    EXPECT_EQ(HotkeyModifierFlags("Win"), 0u);
}

TEST(HotkeyNames, TheFortyEightKeyNamesAndNothingElse) {
    EXPECT_EQ(HotkeyKeyCode("T"), 0x54u);
    EXPECT_EQ(HotkeyKeyCode("F12"), 0x7Bu);
    int named = 0;
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(HotkeyKeyCode(std::string(1, c)), unsigned(c)) << ++named;
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(HotkeyKeyCode(std::string(1, c)), unsigned(c)) << ++named;
    for (int f = 1; f <= 12; ++f)
        EXPECT_EQ(HotkeyKeyCode("F" + std::to_string(f)), 0x6Fu + f) << ++named;
    for (const char* other : {"t", "f1", "F0", "F13", "F01", " T", "T ", "TT", "", ":", "Space"})
        EXPECT_EQ(HotkeyKeyCode(other), 0u) << other;
}

}  // namespace
