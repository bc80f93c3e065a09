#pragma once
// The fixed contents of the main window's three lists, in the order shown.

#include <string>
#include <vector>

// The six clock style names.
const std::vector<std::string>& ClockStyleList();
// "Ctrl", "Alt", "Ctrl+Alt", "Ctrl+Shift", "Alt+Shift", "Ctrl+Alt+Shift".
const std::vector<std::string>& ModifierList();
// "0"-"9", "A"-"Z", then "F1"-"F12": 48 names.
const std::vector<std::string>& KeyList();
