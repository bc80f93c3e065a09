#include "clock/time_text.h"

std::string FormatClockTime(std::string_view style, int hour, int minute) {
    // Midnight is 12 AM and noon 12 PM.
    const char* suffix = hour >= 12 ? "PM" : "AM";
    int hour12 = hour > 12 ? hour - 12 : hour;
    if (hour12 == 0) hour12 = 12;

    const std::string mm = std::string(minute < 10 ? "0" : "") + std::to_string(minute);
    const std::string h12 = std::to_string(hour12);
    const std::string h24 = std::to_string(hour);

    if (style == kClockStyles[0]) return h12 + ":" + mm + " " + suffix;
    if (style == kClockStyles[1]) return h12 + ":" + mm;
    if (style == kClockStyles[2]) return h12 + mm + " " + suffix;
    if (style == kClockStyles[3]) return h12 + mm;
    if (style == kClockStyles[4]) return h24 + ":" + mm;
    if (style == kClockStyles[5]) return h24 + mm;
    return {};
}
