// Any bytes as a number: never undefined behaviour, and the two readings agree.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseNumber(text);
    if (std::isnan(value)) std::abort();  // no text reads as NaN
    if (ParseWholeNumber(text) != RoundHalfEven(value)) std::abort();
    const std::int32_t whole = RoundHalfEven(value);
    if (ParseWholeNumber(FormatNumber(whole)) != whole) std::abort();
    return 0;
}
