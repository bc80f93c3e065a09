#include "clock/hotkey_names.h"

#include <string>

std::uint32_t HotkeyModifierFlags(std::string_view modifiers) {
    std::uint32_t flags = 0;
    if (modifiers.find("Ctrl") != std::string_view::npos) flags |= 0x0002;
    if (modifiers.find("Alt") != std::string_view::npos) flags |= 0x0001;
    if (modifiers.find("Shift") != std::string_view::npos) flags |= 0x0004;
    return flags;
}

std::uint32_t HotkeyKeyCode(std::string_view key) {
    if (key.size() == 1) {
        const char c = key[0];
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return static_cast<unsigned char>(c);
        return 0;
    }
    for (int f = 1; f <= 12; ++f)
        if (key == "F" + std::to_string(f)) return 0x70 + f - 1;
    return 0;
}
