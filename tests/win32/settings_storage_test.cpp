#include "state/settings_storage.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "state/settings_file.h"
#include "temp_folder.h"

namespace {

TEST(SettingsStorage, WritesAndReadsBackTheNineValuesInARealFolder) {
    TempFolder dir;
    const std::string path = dir / kSettingsFileName;
    Settings written;
    SettingsValues v = DefaultSettingsValues();
    v.ShortcutKeyModifiers = "Ctrl+Alt";
    v.TrailsColor = -1;
    v.MaxPixelHeight = 800;
    written.Assign(v);
    ASSERT_TRUE(WriteSettingsFileAt(path, written));
    EXPECT_EQ(ReadBytes(path), FormatSettingsFile(v));

    Settings read;
    read.Assign(DefaultSettingsValues());
    ReadSettingsFileAt(path, read);
    EXPECT_EQ(read.Snapshot(), v);
}

TEST(SettingsStorage, AMissingHiddenOrLockedFileLeavesTheDefaults) {
    TempFolder dir;
    const std::string path = dir / kSettingsFileName;
    Settings s;
    s.Assign(DefaultSettingsValues());
    ReadSettingsFileAt(path, s);
    EXPECT_EQ(s.Snapshot(), DefaultSettingsValues());
    EXPECT_FALSE(FileExists(path));  // reading never creates the file

    WriteBytes(path, "SlowdownFactor: 12\r\n");
    {
        ExclusiveHold hold(path);
        ReadSettingsFileAt(path, s);
        EXPECT_EQ(s.SlowdownFactor.load(), 5);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ReadSettingsFileAt(path, s);
    EXPECT_EQ(s.SlowdownFactor.load(), 5);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ReadSettingsFileAt(path, s);
    EXPECT_EQ(s.SlowdownFactor.load(), 12);

    RemoveDirectoryA(path.c_str());
    DeleteFileA(path.c_str());
    CreateDirectoryA(path.c_str(), nullptr);  // a folder of that name is no settings file
    s.Assign(DefaultSettingsValues());
    ReadSettingsFileAt(path, s);
    EXPECT_EQ(s.Snapshot(), DefaultSettingsValues());
}

TEST(SettingsStorage, ASettingsFileThatCannotBeReplacedIsLeftUntouched) {
    TempFolder dir;
    const std::string path = dir / kSettingsFileName;
    const std::string before = "ClockStyle: HHMM (24hr)\r\nSlowdownFactor: 9\r\n";
    WriteBytes(path, before);
    Settings s;
    s.Assign(DefaultSettingsValues());
    {
        ExclusiveHold hold(path);
        EXPECT_FALSE(WriteSettingsFileAt(path, s));
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(WriteSettingsFileAt(dir / "missing-folder\\" + kSettingsFileName, s));
}

TEST(SettingsStorage, TheSettingsFileLivesBesideTheProgram) {
    EXPECT_EQ(SettingsFilePath(), ProgramFolder() + "spindrift-clock.ini");
}

}  // namespace
