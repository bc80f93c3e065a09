#pragma once
// The rule of the main window's number boxes, applied when a box loses the
// focus: what the typed text becomes, or nothing when it names the value the
// setting already has.

#include <cstdint>
#include <optional>
#include <string_view>

struct NumberRange {
    std::int32_t low = 0;
    std::int32_t high = 0;
};

// The text is read as a settings-file number but not yet rounded. If that
// equals `current` exactly, the result is empty: the setting stays and the box
// keeps the text as typed ("323.0" while 323). Otherwise the number is rounded
// half to even and brought into the range; anything that is not a number
// counts as 0, and anything too large, however large, becomes `high`.
std::optional<std::int32_t> NumberBoxValue(std::string_view text, std::int32_t current,
                                           NumberRange range);
