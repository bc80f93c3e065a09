#pragma once
// Numbers as text. Reading follows the rules of the settings file and of the
// main window's number boxes; writing is plain decimal.

#include <cstdint>
#include <string>
#include <string_view>

// Reads the number at the start of a text: leading blanks, tabs and LFs are
// skipped; then either a radix literal ("&H" hex, "&B" binary, "&O" or "&Q"
// octal, "&" followed by anything else octal) or a decimal number with an
// optional sign, at most one decimal point and an optional exponent introduced
// by E, e, D or d. Reading stops at the first byte that cannot continue the
// number. No digit gives 0. Values too large for a double become infinity.
double ParseNumber(std::string_view text);

// Rounds to the nearest integer, a value exactly halfway going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values beyond the signed 32-bit
// range saturate to its limits; NaN gives 0.
std::int32_t RoundHalfEven(double value);

// A 64-bit result held at the signed 32-bit limits instead of wrapping.
std::int32_t SaturateToInt32(std::int64_t value);

// ParseNumber followed by RoundHalfEven: how a number setting is read.
std::int32_t ParseWholeNumber(std::string_view text);

// Plain decimal: no blank, no plus sign, no leading zeros, "-" when negative.
std::string FormatNumber(std::int64_t value);
