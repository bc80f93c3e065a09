#include "platform/files.h"

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "temp_folder.h"

namespace {

TEST(Files, ProgramFolderIsTheExecutablesFolderWithABackslash) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(std::string(exe).rfind(folder, 0), 0u);
    EXPECT_EQ(std::string(exe).find('\\', folder.size()), std::string::npos);
}

TEST(Files, OnlyOrdinaryFilesCountAsPresent) {
    TempFolder dir;
    WriteBytes(dir / "plain.txt", "x");
    WriteBytes(dir / "hidden.txt", "x");
    SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(dir / "system.txt", "x");
    SetFileAttributesA((dir / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    WriteBytes(dir / "readonly.txt", "x");
    SetFileAttributesA((dir / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA((dir / "folder.txt").c_str(), nullptr);

    EXPECT_TRUE(IsPlainFile(dir / "plain.txt"));
    EXPECT_TRUE(IsPlainFile(dir / "PLAIN.TXT"));  // names match without regard to case
    EXPECT_TRUE(IsPlainFile(dir / "readonly.txt"));
    EXPECT_FALSE(IsPlainFile(dir / "hidden.txt"));
    EXPECT_FALSE(IsPlainFile(dir / "system.txt"));
    EXPECT_FALSE(IsPlainFile(dir / "folder.txt"));
    EXPECT_FALSE(IsPlainFile(dir / "missing.txt"));
    EXPECT_FALSE(IsPlainFile(dir / "*.txt"));
    EXPECT_FALSE(IsPlainFile(dir / "plain.tx?"));
    EXPECT_FALSE(IsPlainFile(""));
    EXPECT_FALSE(IsPlainFile(dir.Path()));
    EXPECT_EQ(LiveHandles(HandleKind::Find), 0);
}

TEST(Files, ReadsAWholeFileUnlessAnotherProgramHoldsIt) {
    TempFolder dir;
    const std::string bytes("a\r\nb\0c\x1a\xff", 8);
    WriteBytes(dir / "f.bin", bytes);
    EXPECT_EQ(ReadWholeFile(dir / "f.bin"), bytes);
    EXPECT_EQ(ReadWholeFile(dir / "missing"), std::nullopt);
    WriteBytes(dir / "empty", "");
    EXPECT_EQ(ReadWholeFile(dir / "empty"), std::string());
    {
        ExclusiveHold hold(dir / "f.bin");
        ASSERT_TRUE(hold.Held());
        EXPECT_EQ(ReadWholeFile(dir / "f.bin"), std::nullopt);
    }
    EXPECT_EQ(ReadWholeFile(dir / "f.bin"), bytes);
    EXPECT_EQ(LiveHandles(HandleKind::Kernel), 0);
}

TEST(Files, ReplacesAFileWholeAndLeavesNoTemporaryFile) {
    TempFolder dir;
    EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "first"));
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "first");
    EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "second, longer"));
    EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "3"));
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "3");

    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((dir / "*").c_str(), &found);
    int files = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(files, 1);
}

// The replaced file keeps what it was: hidden stays hidden, an archive bit
// cleared by a backup stays cleared. Each row's attributes are compared with
// what the file system itself kept of them before the replace (Wine keeps
// hidden and system, Windows all of them).
TEST(Files, ReplacingKeepsTheFilesAttributes) {
    const DWORD rows[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_NOT_CONTENT_INDEXED,
                          FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE};
    for (const DWORD attributes : rows) {
        TempFolder dir;
        WriteBytes(dir / "s.ini", "old");
        ASSERT_TRUE(SetFileAttributesA((dir / "s.ini").c_str(), attributes));
        const DWORD kept = GetFileAttributesA((dir / "s.ini").c_str());
        EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "new, longer"));
        EXPECT_EQ(ReadBytes(dir / "s.ini"), "new, longer");
        EXPECT_EQ(GetFileAttributesA((dir / "s.ini").c_str()), kept) << attributes;
    }
    // What Wine keeps, so that the rows above test something under it too.
    TempFolder dir;
    WriteBytes(dir / "h.ini", "old");
    SetFileAttributesA((dir / "h.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(GetFileAttributesA((dir / "h.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(Files, AFileThatCannotBeReplacedStaysAsItWas) {
    TempFolder dir;
    WriteBytes(dir / "s.ini", "old contents");
    {
        ExclusiveHold hold(dir / "s.ini");
        ASSERT_TRUE(hold.Held());
        EXPECT_FALSE(ReplaceFileContents(dir / "s.ini", "new"));
    }
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "old contents");

    SetFileAttributesA((dir / "s.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ReplaceFileContents(dir / "s.ini", "new"));
    SetFileAttributesA((dir / "s.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "old contents");

    EXPECT_FALSE(ReplaceFileContents(dir / "no-such-folder\\s.ini", "new"));
    EXPECT_FALSE(FileExists(dir / "no-such-folder"));

    // Nothing was left behind by the failed attempts.
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((dir / "*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST(Files, APathLongerThanMaxPathInUtf8IsNeverCut) {
    // 2 x 45 letters: well inside MAX_PATH characters, well past it in bytes.
    TempFolder dir;
    std::string deep = dir.Path();
    for (int level = 0; level < 2; ++level) {
        for (int letter = 0; letter < 45; ++letter)
            deep += "\xE6\x97\xA5";
        deep += "\\";
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    ASSERT_GT(deep.size(), std::size_t{MAX_PATH});
    const std::string path = deep + "spindrift-clock.ini";
    EXPECT_TRUE(ReplaceFileContents(path, "first"));
    EXPECT_TRUE(ReplaceFileContents(path, "second"));
    EXPECT_TRUE(IsPlainFile(path));
    EXPECT_EQ(ReadWholeFile(path), "second");

    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((deep + "*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST(Files, WritesInPlaceWithoutShortening) {
    TempFolder dir;
    EXPECT_TRUE(WriteFileInPlace(dir / "d.set", "abcdef"));
    EXPECT_TRUE(WriteFileInPlace(dir / "d.set", "XY"));
    EXPECT_EQ(ReadBytes(dir / "d.set"), "XYcdef");
    ExclusiveHold hold(dir / "d.set");
    EXPECT_FALSE(WriteFileInPlace(dir / "d.set", "zz"));
}

}  // namespace
