// Any bytes as a settings file: never undefined behaviour, and whatever was
// read is written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    SettingsValues read = DefaultSettingsValues();
    ApplySettingsFile(file, read);
    SettingsValues again = DefaultSettingsValues();
    ApplySettingsFile(FormatSettingsFile(read), again);
    if (!(again == read)) std::abort();
    return 0;
}
