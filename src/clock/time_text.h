#pragma once
// The time as the clock writes it, in one of six styles.

#include <string>
#include <string_view>

// The six style names, in the order the main window lists them.
inline constexpr const char* kClockStyles[] = {
    "HH:MM AM (12hr)", "HH:MM (12hr)", "HHMM AM (12hr)",
    "HHMM (12hr)",     "HH:MM (24hr)", "HHMM (24hr)",
};

// Formats hour (0..23) and minute (0..59) in the named style. The hour has no
// leading zero, the minute always two digits. A style that matches none of the
// six names byte for byte gives the empty text.
std::string FormatClockTime(std::string_view style, int hour, int minute);

// The current local time in the ClockStyle setting: what a clock run writes
// and what the main window previews.
std::string ClockTimeText();
