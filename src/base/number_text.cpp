#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}

double ParseRadixLiteral(std::string_view text, std::size_t i) {
    int base = 8;  // "&" followed by anything but a base letter is octal
    if (i < text.size()) {
        switch (text[i]) {
        case 'H': case 'h': base = 16; ++i; break;
        case 'B': case 'b': base = 2; ++i; break;
        case 'O': case 'o': case 'Q': case 'q': base = 8; ++i; break;
        default: break;
        }
    }
    double value = 0;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i)
        value = value * base + DigitValue(text[i]);
    return value;
}

// A double holds about 17 significant digits; the ones after these cannot
// change the result, so a number with thousands of digits costs no more than
// one with twenty.
constexpr std::size_t kSignificantDigits = 40;
constexpr long long kExponentLimit = 100000;  // far beyond any double

double ParseDecimal(std::string_view text, std::size_t i) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    char significant[kSignificantDigits];  // digits after dropping the leading zeros
    std::size_t count = 0;
    long long pointExponent = 0;  // decimal exponent of "0.<significant>"
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c)) break;
        anyDigit = true;
        if (count == 0 && c == '0') {
            if (seenPoint) --pointExponent;
            continue;
        }
        if (count < kSignificantDigits) significant[count++] = c;
        if (!seenPoint) ++pointExponent;
    }
    if (!anyDigit) return 0;

    long long exponent = 0;
    if (i < text.size() &&
        (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j)
                if (exponent < kExponentLimit) exponent = exponent * 10 + (text[j] - '0');
            if (expNegative) exponent = -exponent;
        }
    }
    if (count == 0) return 0;

    // The value is 0.<significant> x 10^scale.
    const long long scale = pointExponent + exponent;
    double magnitude = 0;
    if (count <= 15 && scale >= static_cast<long long>(count) && scale <= 15) {
        // A whole number of up to 15 digits is exact in a double: the common
        // case of every recorded coordinate, so it skips the general conversion.
        for (std::size_t d = 0; d < count; ++d) magnitude = magnitude * 10 + (significant[d] - '0');
        for (long long d = static_cast<long long>(count); d < scale; ++d) magnitude *= 10;
    } else {
        char normalized[kSignificantDigits + 32];
        std::snprintf(normalized, sizeof normalized, "0.%.*se%lld", static_cast<int>(count),
                      significant, scale);
        magnitude = std::strtod(normalized, nullptr);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ParseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
    if (i < text.size() && text[i] == '&') return ParseRadixLiteral(text, i + 1);
    return ParseDecimal(text, i);
}

std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (value >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (value <= kMin) return std::numeric_limits<std::int32_t>::min();
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    return static_cast<std::int32_t>(whole);
}

std::int32_t SaturateToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ParseWholeNumber(std::string_view text) { return RoundHalfEven(ParseNumber(text)); }

std::string FormatNumber(std::int64_t value) { return std::to_string(value); }
