#pragma once
// Whether a byte string is plain ASCII, or well-formed UTF-8.

#include <string_view>

bool IsAscii(std::string_view text);

// Well-formed UTF-8 as Windows decodes it strictly: shortest forms only, no
// surrogate halves, nothing above U+10FFFF, no sequence cut short. ASCII and
// the empty text are UTF-8 too.
bool IsUtf8(std::string_view text);
