#include "app/main_window_lists.h"

#include <iterator>

#include "clock/time_text.h"

const std::vector<std::string>& ClockStyleList() {
    static const std::vector<std::string> list(std::begin(kClockStyles), std::end(kClockStyles));
    return list;
}

const std::vector<std::string>& ModifierList() {
    static const std::vector<std::string> list{"Ctrl",       "Alt",       "Ctrl+Alt",
                                               "Ctrl+Shift", "Alt+Shift", "Ctrl+Alt+Shift"};
    return list;
}

const std::vector<std::string>& KeyList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> keys;
        for (char c = '0'; c <= '9'; ++c)
            keys.emplace_back(1, c);
        for (char c = 'A'; c <= 'Z'; ++c)
            keys.emplace_back(1, c);
        for (int f = 1; f <= 12; ++f)
            keys.push_back("F" + std::to_string(f));
        return keys;
    }();
    return list;
}
