#include "app/main_window_lists.h"

#include <gtest/gtest.h>

#include <set>

#include "clock/hotkey_names.h"
#include "clock/time_text.h"

namespace {

TEST(MainWindowLists, EveryEntryMeansSomethingToTheCodeThatReadsIt) {
    ASSERT_EQ(ClockStyleList().size(), 6u);
    for (const std::string& style : ClockStyleList())
        EXPECT_FALSE(FormatClockTime(style, 13, 5).empty()) << style;

    EXPECT_EQ(ModifierList(), (std::vector<std::string>{"Ctrl", "Alt", "Ctrl+Alt", "Ctrl+Shift",
                                                        "Alt+Shift", "Ctrl+Alt+Shift"}));
    std::set<unsigned> flags;
    for (const std::string& modifiers : ModifierList())
        flags.insert(HotkeyModifierFlags(modifiers));
    EXPECT_EQ(flags, (std::set<unsigned>{1, 2, 3, 5, 6, 7}));

    const std::vector<std::string>& keys = KeyList();
    ASSERT_EQ(keys.size(), 48u);
    EXPECT_EQ(keys.front(), "0");
    EXPECT_EQ(keys[10], "A");
    EXPECT_EQ(keys[35], "Z");
    EXPECT_EQ(keys[36], "F1");
    EXPECT_EQ(keys.back(), "F12");
    std::set<unsigned> codes;
    for (const std::string& key : keys)
        codes.insert(HotkeyKeyCode(key));
    EXPECT_EQ(codes.size(), 48u);
    EXPECT_EQ(codes.count(0u), 0u);
}

} // namespace
