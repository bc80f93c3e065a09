#include "charset/set_file_io.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "charset/set_file.h"
#include "platform/files.h"
#include "temp_folder.h"

namespace {

// The set every test starts from, so that "unchanged" means something.
GlyphTexts SetInUse() {
    GlyphTexts texts;
    texts[0] = "1,2, 3,4";
    texts[11] = "5,6"; // an unsaved recording, say
    return texts;
}

// The built-in set as the source tree holds it. Under Wine the source tree has
// a Unix path, which Wine's drive Z: maps.
std::string SourceDefaultSet() {
    std::string path = SPINDRIFT_SOURCE_DIR "/resources/default.set";
    if (path.front() == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return ReadBytes(path);
}

std::vector<std::string> FolderContents(const TempFolder& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((dir / "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void ExpectNothingLoaded(const SetFileLoad& load, bool unreadable, bool tooLarge = false) {
    EXPECT_EQ(load.slots, 0);
    EXPECT_EQ(load.points, 0);
    EXPECT_EQ(load.unreadable, unreadable);
    EXPECT_EQ(load.tooLarge, tooLarge);
}

TEST(ReadSetFile, LoadsAFileAndReportsItsFigures) {
    TempFolder dir;
    WriteBytes(dir / "a.set", "10,20, 30,40, 50,60\r\n   \r\n\r\n7,8\r\n");
    CharacterSet set;
    set.Load(SetInUse());
    const SetFileLoad load = ReadSetFileInto(dir / "a.set", set);
    EXPECT_EQ(load.slots, 2);
    EXPECT_EQ(load.points, 4);
    EXPECT_FALSE(load.unreadable);
    EXPECT_EQ(set.Slot(0), "10,20, 30,40, 50,60");
    EXPECT_EQ(set.Slot(1), "   ");
    EXPECT_EQ(set.Slot(3), "7,8");
    EXPECT_EQ(set.Slot(11), ""); // the file replaces all 13 slots
}

TEST(ReadSetFile, AMissingHiddenOrSystemFileOrAFolderChangesNothing) {
    TempFolder dir;
    CharacterSet set;
    set.Load(SetInUse());
    ExpectNothingLoaded(ReadSetFileInto(dir / "missing.set", set), false);

    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        WriteBytes(dir / "odd.set", "9,9\r\n");
        SetFileAttributesA((dir / "odd.set").c_str(), attribute);
        ExpectNothingLoaded(ReadSetFileInto(dir / "odd.set", set), false);
        SetFileAttributesA((dir / "odd.set").c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((dir / "odd.set").c_str());
    }
    CreateDirectoryA((dir / "folder.set").c_str(), nullptr);
    ExpectNothingLoaded(ReadSetFileInto(dir / "folder.set", set), false);
    EXPECT_EQ(set.All(), SetInUse());
}

TEST(ReadSetFile, AFileThatCannotBeReadLeavesTheSetInUse) {
    TempFolder dir;
    const std::string path = dir / "held.set";
    WriteBytes(path, "9,9\r\n");
    CharacterSet set;
    set.Load(SetInUse());
    {
        ExclusiveHold hold(path);
        ASSERT_TRUE(hold.Held());
        ExpectNothingLoaded(ReadSetFileInto(path, set), true);
        EXPECT_EQ(set.All(), SetInUse());
    }
    EXPECT_EQ(ReadSetFileInto(path, set).slots, 1);

    // One byte more than the program will hold in memory (a sparse file).
    const std::string huge = dir / "huge.set";
    ASSERT_TRUE(MakeFileOfSize(huge, kMaxReadableFileSize + 1));
    set.Load(SetInUse());
    ExpectNothingLoaded(ReadSetFileInto(huge, set), true, true);
    EXPECT_EQ(set.All(), SetInUse());
}

TEST(WriteSetFile, WritesThirteenLinesThatReadBackTheSame) {
    TempFolder dir;
    const std::string path = dir / "saved.set";
    CharacterSet set;
    set.Load(SetInUse());
    ASSERT_TRUE(WriteSetFileFrom(path, set));
    EXPECT_EQ(ReadBytes(path), FormatSetFile(SetInUse()));

    CharacterSet empty;
    ASSERT_TRUE(WriteSetFileFrom(path, empty)); // over an existing file
    EXPECT_EQ(ReadBytes(path).size(), 26u);
    ExpectNothingLoaded(ReadSetFileInto(path, set), false);
    EXPECT_EQ(set.All(), GlyphTexts{});
    EXPECT_EQ(FolderContents(dir), std::vector<std::string>{"saved.set"});
}

TEST(WriteSetFile, AFailedSaveSaysSoAndKeepsTheOldFile) {
    TempFolder dir;
    const std::string path = dir / "saved.set";
    const std::string before = "1,1\r\n";
    WriteBytes(path, before);
    CharacterSet set;
    set.Load(SetInUse());
    {
        ExclusiveHold hold(path);
        ASSERT_TRUE(hold.Held());
        EXPECT_FALSE(WriteSetFileFrom(path, set));
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FolderContents(dir), std::vector<std::string>{"saved.set"}); // no temporary left
    EXPECT_FALSE(WriteSetFileFrom(dir / "no-such-folder\\saved.set", set));
    EXPECT_FALSE(FileExists(dir / "no-such-folder"));
}

TEST(ResolveSetPath, ABackslashMakesAPathElseTheProgramFolderIsUsed) {
    EXPECT_EQ(ResolveSetPathIn("C:\\app\\", "mine.set"), "C:\\app\\mine.set");
    EXPECT_EQ(ResolveSetPathIn("C:\\app\\", "D:\\sets\\mine.set"), "D:\\sets\\mine.set");
    EXPECT_EQ(ResolveSetPathIn("C:\\app\\", "sets\\mine.set"), "sets\\mine.set");
    EXPECT_EQ(ResolveSetPathIn("C:\\app\\", "C:/sets/mine.set"), "C:\\app\\C:/sets/mine.set");
    EXPECT_EQ(ResolveSetPath("Default.set"), ProgramFolder() + "Default.set");
}

TEST(LoadCurrentSet, WritesTheBuiltInSetOnceAndLoadsIt) {
    TempFolder dir;
    CharacterSet set;
    const SetFileLoad load = LoadSetNamedBy("Default.set", dir.Path(), set);
    const std::string written = ReadBytes(dir / "default.set");
    EXPECT_EQ(written.size(), 8766u);
    EXPECT_EQ(written, SourceDefaultSet());
    EXPECT_EQ(load.slots, 13);
    EXPECT_EQ(load.points, 1049);
    EXPECT_EQ(set.All(), ParseSetFile(written));
    EXPECT_EQ(FolderContents(dir), std::vector<std::string>{"default.set"});

    // An edited default.set is the user's: it is loaded, never rewritten.
    WriteBytes(dir / "default.set", "1,2\r\n");
    const SetFileLoad again = LoadSetNamedBy("Default.set", dir.Path(), set);
    EXPECT_EQ(ReadBytes(dir / "default.set"), "1,2\r\n");
    EXPECT_EQ(again.slots, 1);
    EXPECT_EQ(set.Slot(0), "1,2");
}

TEST(LoadCurrentSet, OnlyTheExactSettingBringsTheBuiltInSetBack) {
    TempFolder dir;
    CharacterSet set;
    set.Load(SetInUse());
    ExpectNothingLoaded(LoadSetNamedBy("default.set", dir.Path(), set), false);
    ExpectNothingLoaded(LoadSetNamedBy("DEFAULT.SET", dir.Path(), set), false);
    EXPECT_TRUE(FolderContents(dir).empty());
    EXPECT_EQ(set.All(), SetInUse());

    // A bare name is read from the program's folder, a path as it stands.
    WriteBytes(dir / "mine.set", "4,4, 5,5\r\n");
    EXPECT_EQ(LoadSetNamedBy("mine.set", dir.Path(), set).points, 2);
    set.Load(SetInUse());
    EXPECT_EQ(LoadSetNamedBy(dir / "mine.set", "C:\\nowhere\\", set).points, 2);
}

TEST(LoadCurrentSet, AHiddenDefaultSetIsWrittenOverButNotLoaded) {
    TempFolder dir;
    const std::string path = dir / "default.set";
    const std::string longer(10000, 'x');
    WriteBytes(path, longer);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    CharacterSet set;
    set.Load(SetInUse());
    ExpectNothingLoaded(LoadSetNamedBy("Default.set", dir.Path(), set), false);
    EXPECT_EQ(set.All(), SetInUse());

    const std::string bytes = ReadBytes(path);
    const std::string builtIn = SourceDefaultSet();
    ASSERT_EQ(bytes.size(), longer.size());
    EXPECT_EQ(bytes.substr(0, builtIn.size()), builtIn);
    EXPECT_EQ(bytes.substr(builtIn.size()), longer.substr(builtIn.size()));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// Answers the message boxes that one thread shows, and remembers them.
class MessageBoxAnswerer {
  public:
    struct Box {
        std::string caption, text;
        HWND owner;
        bool topmost;
    };

    explicit MessageBoxAnswerer(DWORD thread) : thread_(thread), worker_([this] { Run(); }) {}
    ~MessageBoxAnswerer() {
        stop_ = true;
        worker_.join();
    }
    std::vector<Box> Seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }

  private:
    void Run() {
        while (!stop_) {
            EnumThreadWindows(thread_, &MessageBoxAnswerer::Answer, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }
    static BOOL CALLBACK Answer(HWND window, LPARAM self) {
        auto* answerer = reinterpret_cast<MessageBoxAnswerer*>(self);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
        std::lock_guard lock(answerer->mutex_);
        if (answerer->answered_ == window) return TRUE; // still closing
        answerer->answered_ = window;
        Box box;
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        box.caption = text;
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
        box.text = text;
        box.owner = GetWindow(window, GW_OWNER);
        box.topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        answerer->seen_.push_back(box);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    DWORD thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Box> seen_;
    HWND answered_ = nullptr;
    std::thread worker_;
};

TEST(EnsureDefaultSetFile, AMissingBuiltInSetIsAnErrorAndWritesNothing) {
    TempFolder dir;
    std::vector<MessageBoxAnswerer::Box> boxes;
    {
        MessageBoxAnswerer answerer(GetCurrentThreadId());
        EnsureDefaultSetFileIn(dir.Path(), GetModuleHandleA("kernel32.dll"));
        boxes = answerer.Seen();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "Could not find and create default font. Application may be damaged.");
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_TRUE(boxes[0].topmost); // system-modal
    EXPECT_TRUE(FolderContents(dir).empty());
}

} // namespace
