#include "app/number_box.h"

#include "base/number_text.h"

std::optional<std::int32_t> NumberBoxValue(std::string_view text, std::int32_t current,
                                           NumberRange range) {
    const double typed = ParseNumber(text);
    if (typed == static_cast<double>(current)) return std::nullopt;
    std::int32_t value = RoundHalfEven(typed);
    if (value < range.low) value = range.low;
    if (value > range.high) value = range.high;
    return value;
}
