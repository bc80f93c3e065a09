#include "state/settings_file.h"

#include <cstdint>
#include <optional>

#include "base/line_reader.h"
#include "base/number_text.h"
#include "base/text.h"
#include "state/settings_file_text.h"

namespace {

using NumberField = std::int32_t SettingsValues::*;
using TextField = SharedString SettingsValues::*;

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
constexpr std::size_t kLineCount = std::size(kLines);

// Which of the nine keys a line's key is; none for any other text. Compared in
// place, so a line of any length costs no copy.
std::optional<std::size_t> KnownKey(std::string_view key) {
    for (std::size_t i = 0; i < kLineCount; ++i)
        if (EqualsIgnoringAsciiCase(key, kLines[i].keyName)) return i;
    return std::nullopt;
}

}  // namespace

std::vector<std::string_view> SettingsFilePieces(const SettingsValues& values,
                                                 SettingsNumberTexts& numbers) {
    std::vector<std::string_view> pieces;
    pieces.reserve(kLineCount * 3);
    std::size_t number = 0;
    for (const auto& line : kLines) {
        pieces.emplace_back(line.keyText);
        if (line.number) {
            numbers.at(number) = FormatNumber(values.*line.number);
            pieces.emplace_back(numbers.at(number++));
        } else {
            pieces.push_back((values.*line.text).View());
        }
        pieces.emplace_back("\r\n");
    }
    return pieces;
}

std::string FormatSettingsFile(const SettingsValues& values) {
    SettingsNumberTexts numbers;
    return JoinPieces(SettingsFilePieces(values, numbers));
}

void ApplySettingsFile(std::string_view bytes, SettingsValues& values,
                       const TextCodePages* pages) {
    // Only the last line of each key counts, so the values are found first and
    // each is copied out once at the end.
    std::optional<std::string_view> found[kLineCount];
    LineReader reader(bytes);
    std::string_view line;
    while (reader.Next(line)) {
        const auto colon = line.find(':');
        const bool hasColon = colon != std::string_view::npos;
        const auto known = KnownKey(TrimBlanks(hasColon ? line.substr(0, colon) : line));
        if (!known) continue;
        const std::string_view value = TrimBlanks(hasColon ? line.substr(colon + 1) : line);
        if (!value.empty()) found[*known] = value;
    }
    for (std::size_t i = 0; i < kLineCount; ++i) {
        if (!found[i]) continue;
        if (kLines[i].number)
            values.*kLines[i].number = ParseWholeNumber(*found[i]);
        else
            values.*kLines[i].text =
                pages ? DecodeSettingsText(*found[i], *pages) : std::string(*found[i]);
    }
}
