#include "app/settings_storage.h"

#include <new>

#include "app/settings_file.h"
#include "platform/files.h"

std::string SettingsFilePath() { return ProgramFolder() + kSettingsFileName; }

void ReadSettingsFile() { ReadSettingsFileAt(SettingsFilePath(), ProgramSettings()); }

void ReadSettingsFileAt(const std::string& path, Settings& settings) {
    if (!IsPlainFile(path)) return;
    try {
        const auto bytes = ReadWholeFile(path);
        if (!bytes) return;
        SettingsValues values = settings.Snapshot();
        ApplySettingsFile(*bytes, values);
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
        return ReplaceFileContents(path, SettingsFilePieces(values, numbers));
    } catch (const std::bad_alloc&) {
        return false;
    }
}
