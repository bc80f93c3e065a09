#include "app/settings_storage.h"

#include "app/settings_file.h"
#include "app/settings_file_text.h"
#include "platform/code_pages.h"
#include "platform/files.h"

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
    auto bytes = ReadWholeFile(path);
    if (!bytes) return;
    SettingsValues values = settings.Snapshot();
    ApplySettingsFile(DecodeSettingsFile(std::move(*bytes), SystemCodePages()), values);
    settings.Assign(values);
}

void WriteSettingsFile() { WriteSettingsFileAt(SettingsFilePath(), ProgramSettings()); }

bool WriteSettingsFileAt(const std::string& path, const Settings& settings) {
    return ReplaceFileContents(
        path, EncodeSettingsFile(FormatSettingsFile(settings.Snapshot()), SystemCodePages()));
}
