#include "platform/code_pages.h"

#include <windows.h>

#include <climits>
#include <new>

unsigned ProgramCodePage() {
    return GetACP();
}

unsigned LegacyCodePage() {
    // The system locale's code page, not GetACP(): under the manifest that is
    // UTF-8 for this process only. A locale with no ANSI code page says 0.
    DWORD codePage = 0;
    const int got =
        GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPSTR>(&codePage), sizeof codePage);
    return got != 0 && codePage != 0 ? codePage : GetACP();
}

namespace {

std::optional<std::string> FromUtf16(std::wstring_view wide, unsigned codePage) {
    if (wide.empty()) return std::string();
    if (wide.size() > INT_MAX / 4) return std::nullopt;
    try {
        const int wideLength = static_cast<int>(wide.size());
        // UTF-8 takes no best-fit flag and reports no default character; any
        // other code page must say when it had to put one in.
        const bool toUtf8 = codePage == CP_UTF8;
        const DWORD flags = toUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
        BOOL usedDefault = FALSE;
        BOOL* const reportDefault = toUtf8 ? nullptr : &usedDefault;
        const int size = WideCharToMultiByte(codePage, flags, wide.data(), wideLength, nullptr, 0,
                                             nullptr, reportDefault);
        if (size <= 0 || usedDefault) return std::nullopt;
        std::string converted(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(codePage, flags, wide.data(), wideLength, converted.data(), size,
                            nullptr, reportDefault);
        if (usedDefault) return std::nullopt;
        return converted;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> ConvertCodePage(std::string_view text, unsigned from, unsigned to) {
    const std::optional<std::wstring> wide = ToUtf16(text, from);
    return wide ? FromUtf16(*wide, to) : std::nullopt;
}

std::optional<std::wstring> ToUtf16(std::string_view text, unsigned codePage) {
    if (text.empty()) return std::wstring();
    if (text.size() > INT_MAX / 4) return std::nullopt;
    try {
        const int length = static_cast<int>(text.size());
        const int wideLength =
            MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
        if (wideLength <= 0) return std::nullopt;
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                            wideLength);
        return wide;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
