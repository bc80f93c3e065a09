#include "platform/files.h"

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "temp_folder.h"

#include <sddl.h>

#include <functional>
#include <thread>

namespace {

// A file's DACL in the system's own notation, for comparing and for reading.
std::string DaclText(const std::string& path) {
    DWORD size = 0;
    GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::string descriptor(size, '\0');
    if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size))
        return "unreadable";
    char* text = nullptr;
    if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(
            descriptor.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
        return "unconvertible";
    std::string result(text);
    LocalFree(text);
    return result;
}

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
    EXPECT_TRUE(IsPlainFile(dir / "PLAIN.TXT")); // names match without regard to case
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

// The replaced file keeps what it was (hidden stays hidden) and counts as
// changed for backups: its archive bit is set, even where a backup had
// cleared it. Each row is compared with what the file system itself kept of
// the attributes before the replace (Wine keeps hidden and system but shows
// every file with the archive bit, Windows keeps all of them).
TEST(Files, ReplacingKeepsTheFilesAttributesAndSetsTheArchiveBit) {
    const DWORD rows[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_NOT_CONTENT_INDEXED,
                          FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE};
    for (const DWORD attributes : rows) {
        TempFolder dir;
        WriteBytes(dir / "s.ini", "old");
        ASSERT_TRUE(SetFileAttributesA((dir / "s.ini").c_str(), attributes));
        const DWORD kept = GetFileAttributesA((dir / "s.ini").c_str());
        EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "new, longer"));
        EXPECT_EQ(ReadBytes(dir / "s.ini"), "new, longer");
        EXPECT_EQ(GetFileAttributesA((dir / "s.ini").c_str()), kept | FILE_ATTRIBUTE_ARCHIVE)
            << attributes;
    }
    // What Wine keeps, so that the rows above test something under it too.
    TempFolder dir;
    WriteBytes(dir / "h.ini", "old");
    SetFileAttributesA((dir / "h.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(GetFileAttributesA((dir / "h.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// A file with permissions of its own (shared with everyone on purpose, shut
// off from its folder's) keeps them; a new file in its folder would not have
// them.
TEST(Files, ReplacingKeepsTheFilesOwnPermissions) {
    TempFolder dir;
    WriteBytes(dir / "s.ini", "old");
    PSECURITY_DESCRIPTOR own = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
        "D:P(A;;FA;;;WD)", SDDL_REVISION_1, &own, nullptr));
    ASSERT_TRUE(SetFileSecurityA((dir / "s.ini").c_str(), DACL_SECURITY_INFORMATION, own));
    LocalFree(own);
    const std::string before = DaclText(dir / "s.ini");
    WriteBytes(dir / "fresh.ini", "");
    ASSERT_NE(before, DaclText(dir / "fresh.ini"));

    EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "new"));
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "new");
    EXPECT_EQ(DaclText(dir / "s.ini"), before);
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

// Only what an interrupted replace leaves is cleared: names of the program's
// own pattern that nobody holds open. The pattern "spd*.tmp" finds more than
// that (on Windows, longer names through their short 8.3 ones as well). The
// start-up clears the program's folder; a replace clears the folder it
// writes in (a set saved anywhere).
TEST(Files, OnlyLeftoverTemporaryFilesNobodyHoldsAreCleared) {
    const std::function<void(const TempFolder&)> clearers[] = {
        [](const TempFolder& dir) { RemoveLeftoverTemporaryFiles(dir.Path()); },
        [](const TempFolder& dir) { EXPECT_TRUE(ReplaceFileContents(dir / "d.set", "set")); },
    };
    for (const auto& clear : clearers) {
        TempFolder dir;
        const char* cleared[] = {"spd0001ABCD.tmp", "spd0002ABCD.tmp"};
        const char* kept[] = {"spd0003ABCD.tmp",  "spd0004abcd.tmp", "spd0005ABCD.tmp.x",
                              "spd0006ABCD.tmpx", "spdABCD.tmp",     "spd0007ABCG.tmp",
                              "other.tmp"};
        for (const char* name : cleared)
            WriteBytes(dir / name, "half a save");
        // A replace copies the file's attributes before it renames.
        SetFileAttributesA((dir / cleared[1]).c_str(),
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        for (const char* name : kept)
            WriteBytes(dir / name, "not ours, or still being written");
        CreateDirectoryA((dir / "spd0008ABCD.tmp").c_str(), nullptr);
        {
            ExclusiveHold writing(dir / kept[0]);
            ASSERT_TRUE(writing.Held());
            clear(dir);
        }
        for (const char* name : cleared)
            EXPECT_FALSE(FileExists(dir / name)) << name;
        for (const char* name : kept)
            EXPECT_EQ(ReadBytes(dir / name), "not ours, or still being written") << name;
        EXPECT_NE(GetFileAttributesA((dir / "spd0008ABCD.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(LiveHandles(HandleKind::Kernel), 0);
        EXPECT_EQ(LiveHandles(HandleKind::Find), 0);
    }
}

// A file with two names is one file: a rename would leave the other name on
// the old contents, so it is written in place, and both names show the new.
TEST(Files, AFileWithAnotherNameKeepsItThroughAReplace) {
    TempFolder dir;
    WriteBytes(dir / "s.ini", "old, longer contents");
    ASSERT_TRUE(CreateHardLinkA((dir / "synced.ini").c_str(), (dir / "s.ini").c_str(), nullptr));
    EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "new"));
    EXPECT_EQ(ReadBytes(dir / "synced.ini"), "new");
    EXPECT_TRUE(ReplaceFileContents(dir / "synced.ini", "newer"));
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "newer");
}

// A copy that has been replacing for longer than a file in use is waited for
// holds its turn: the file counts as in use, and stays as it was.
TEST(Files, AReplaceWaitsItsTurnAndOtherwiseChangesNothing) {
    TempFolder dir;
    WriteBytes(dir / "s.ini", "old");
    KernelHandle taken(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    KernelHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::thread otherCopy([&] {
        KernelHandle turn(CreateMutexA(nullptr, FALSE, "Local\\SpindriftClock.FileReplace"));
        WaitForSingleObject(turn.Get(), INFINITE);
        SetEvent(taken.Get());
        WaitForSingleObject(done.Get(), INFINITE);
        ReleaseMutex(turn.Get());
    });
    WaitForSingleObject(taken.Get(), INFINITE);
    EXPECT_FALSE(ReplaceFileContents(dir / "s.ini", "new"));
    SetEvent(done.Get());
    otherCopy.join();
    EXPECT_EQ(ReadBytes(dir / "s.ini"), "old");
    EXPECT_TRUE(ReplaceFileContents(dir / "s.ini", "new"));
}

TEST(Files, WritesInPlaceWithoutShortening) {
    TempFolder dir;
    EXPECT_TRUE(WriteFileInPlace(dir / "d.set", "abcdef"));
    EXPECT_TRUE(WriteFileInPlace(dir / "d.set", "XY"));
    EXPECT_EQ(ReadBytes(dir / "d.set"), "XYcdef");
    ExclusiveHold hold(dir / "d.set");
    EXPECT_FALSE(WriteFileInPlace(dir / "d.set", "zz"));
}

} // namespace
