#include "app/settings_file.h"

#include <cstdint>

#include "base/line_reader.h"
#include "base/number_text.h"
#include "base/text.h"

namespace {

using NumberField = std::int32_t SettingsValues::*;
using TextField = std::string SettingsValues::*;

struct SettingsLine {
    const char* keyText;  // as written, colon and blank included
    const char* keyName;  // as matched, in lower case
    NumberField number;   // one of the two is set
    TextField text;
};

// In file order.
constexpr SettingsLine kLines[] = {
    {"TrailsColor: ", "trailscolor", &SettingsValues::TrailsColor, nullptr},
    {"ClockStyle: ", "clockstyle", nullptr, &SettingsValues::ClockStyle},
    {"ShortcutKeyModifiers: ", "shortcutkeymodifiers", nullptr,
     &SettingsValues::ShortcutKeyModifiers},
    {"ShortcutKey: ", "shortcutkey", nullptr, &SettingsValues::ShortcutKey},
    {"CharacterSet: ", "characterset", nullptr, &SettingsValues::CharacterSet},
    {"MaxPixelHeight: ", "maxpixelheight", &SettingsValues::MaxPixelHeight, nullptr},
    {"LeaveMouseTrails: ", "leavemousetrails", &SettingsValues::LeaveMouseTrails, nullptr},
    {"SlowdownFactor: ", "slowdownfactor", &SettingsValues::SlowdownFactor, nullptr},
    {"AccelerationFactor: ", "accelerationfactor", &SettingsValues::AccelerationFactor, nullptr},
};

}  // namespace

std::string FormatSettingsFile(const SettingsValues& values) {
    std::string file;
    for (const auto& line : kLines) {
        file += line.keyText;
        file += line.number ? FormatNumber(values.*line.number) : values.*line.text;
        file += "\r\n";
    }
    return file;
}

void ApplySettingsFile(std::string_view bytes, SettingsValues& values) {
    LineReader reader(bytes);
    std::string_view line;
    while (reader.Next(line)) {
        const auto colon = line.find(':');
        const bool hasColon = colon != std::string_view::npos;
        const std::string key = AsciiLower(TrimBlanks(hasColon ? line.substr(0, colon) : line));
        const std::string_view value = TrimBlanks(hasColon ? line.substr(colon + 1) : line);
        if (value.empty()) continue;
        for (const auto& known : kLines) {
            if (key != known.keyName) continue;
            if (known.number)
                values.*known.number = ParseWholeNumber(value);
            else
                values.*known.text = std::string(value);
            break;
        }
    }
}
