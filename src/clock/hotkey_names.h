#pragma once
// The names the settings use for the shortcut key, as the system's codes.

#include <cstdint>
#include <string_view>

// RegisterHotKey's modifier flags for a modifier text such as "Ctrl+Shift":
// "Ctrl" anywhere in it adds 2 (MOD_CONTROL), "Alt" 1 (MOD_ALT), "Shift" 4
// (MOD_SHIFT). Case matters; a text naming none of them gives 0.
std::uint32_t HotkeyModifierFlags(std::string_view modifiers);

// The virtual-key code of one of the 48 key names the main window offers:
// "0"-"9" and "A"-"Z" their ASCII codes, "F1"-"F12" 0x70-0x7B. Any other text,
// lower-case letters included, gives 0.
std::uint32_t HotkeyKeyCode(std::string_view key);
