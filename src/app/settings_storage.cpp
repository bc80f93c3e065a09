#include "app/settings_storage.h"

#include "app/settings_file.h"
#include "platform/files.h"

std::string SettingsFilePath() { return ProgramFolder() + kSettingsFileName; }

void ReadSettingsFile() { ReadSettingsFileAt(SettingsFilePath(), ProgramSettings()); }

void ReadSettingsFileAt(const std::string& path, Settings& settings) {
    if (!IsPlainFile(path)) return;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return;
    SettingsValues values = settings.Snapshot();
    ApplySettingsFile(*bytes, values);
    settings.Assign(values);
}

void WriteSettingsFile() { WriteSettingsFileAt(SettingsFilePath(), ProgramSettings()); }

bool WriteSettingsFileAt(const std::string& path, const Settings& settings) {
    return ReplaceFileContents(path, FormatSettingsFile(settings.Snapshot()));
}
