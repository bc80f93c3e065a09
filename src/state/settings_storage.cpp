#include "state/settings_storage.h"

#include <new>

#include "platform/code_pages.h"
#include "platform/files.h"
#include "state/settings_file.h"
#include "state/settings_file_text.h"

namespace {

// The file's texts are UTF-8, the record's in the program's code page.
TextCodePages SystemCodePages() {
    return {ProgramCodePage(), LegacyCodePage(), ConvertCodePage};
}

} // namespace

std::string SettingsFilePath() { return ProgramFolder() + kSettingsFileName; }

void ReadSettingsFile() { ReadSettingsFileAt(SettingsFilePath(), ProgramSettings()); }

void ReadSettingsFileAt(const std::string& path, Settings& settings) {
    if (!IsPlainFile(path)) return;
    try {
        const auto bytes = ReadWholeFile(path);
        if (!bytes) return;
        SettingsValues values = settings.Snapshot();
        const TextCodePages pages = SystemCodePages();
        ApplySettingsFile(*bytes, values, &pages);
        settings.Assign(values);
    } catch (const std::bad_alloc&) {
        // Values too large to hold: the record keeps what it had, all of it.
    }
}

void WriteSettingsFile() { WriteSettingsFileAt(SettingsFilePath(), ProgramSettings()); }

bool WriteSettingsFileAt(const std::string& path, const Settings& settings) {
    try {
        const SettingsValues values = settings.Snapshot();
        SettingsNumberTexts numbers;
        std::vector<std::string_view> pieces = SettingsFilePieces(values, numbers);
        std::deque<std::string> converted;
        EncodeSettingsPieces(pieces, converted, SystemCodePages());
        return ReplaceFileContents(path, pieces);
    } catch (const std::bad_alloc&) {
        return false;
    }
}
