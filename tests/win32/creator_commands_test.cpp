// "New Set", "Load Set" and "Save Set" in the open Creator, through the real
// file dialogs where they can be driven, and below them where the dialog
// itself would refuse the name (a folder that does not exist).

#include <gtest/gtest.h>

#include <string>

#include "charset/character_set.h"
#include "charset/creator_commands_win32.h"
#include "charset/creator_fonts_win32.h"
#include "charset/creator_layout.h"
#include "charset/creator_state.h"
#include "charset/creator_window.h"
#include "charset/set_file.h"
#include "charset/set_file_io.h"
#include "creator_session.h"
#include "state/settings.h"
#include "state/settings_storage.h"
#include "temp_folder.h"
#include "test_windows.h"

namespace {

constexpr char kSaveTitle[] = "Please select a file to save to";
constexpr char kLoadTitle[] = "Please select a file to load from";

class CreatorCommands : public ::testing::Test {
protected:
    CreatorTestState clean_;
    TempFolder dir_;

    static std::string SettingsFile() {
        return FileExists(SettingsFilePath()) ? ReadBytes(SettingsFilePath()) : "(none)";
    }
    // Until a box has been answered and has gone.
    static bool WaitForBox(const MessageBoxWatcher& watcher, const char* caption) {
        return WaitUntil([&] { return !watcher.Boxes().empty(); }) &&
               WaitUntil([&] { return !FindWindowA("#32770", caption); });
    }
};

TEST_F(CreatorCommands, SaveSetWritesTheFileAndMakesItTheCharacterSetSetting) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ProgramCharacterSet().SetSlot(0, "1,2, 3,4");
    ProgramCharacterSet().SetSlot(12, "-5,6");
    ProgramCreatorState().UnsavedCharacters = 1;
    const std::string name = dir_ / "mine.set";

    MessageBoxWatcher saved("Saved Successfully");
    creator.Post(kSaveSetId);
    ASSERT_TRUE(AnswerFileDialog(kSaveTitle, name));
    ASSERT_TRUE(WaitForBox(saved, "Saved Successfully"));
    ASSERT_TRUE(creator.Flush());

    std::string expected = "1,2, 3,4\r\n";
    for (int s = 1; s < 12; ++s) expected += "\r\n";
    EXPECT_EQ(ReadBytes(name), expected + "-5,6\r\n");
    const auto boxes = saved.Boxes();
    EXPECT_NE(boxes[0].texts.find("Your data set of mouse motion digits has been saved to " + name),
              std::string::npos);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 0);
    EXPECT_EQ(ProgramSettings().CharacterSet.Get(), name);
    EXPECT_EQ(creator.OwnerSetBoxText(), name);
    EXPECT_NE(SettingsFile().find("CharacterSet: " + name + "\r\n"), std::string::npos);
}

TEST_F(CreatorCommands, ASetWithNoRecordingsSavesAsThirteenEmptyLines) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    const std::string name = dir_ / "empty.set";
    MessageBoxWatcher saved("Saved Successfully");
    creator.Post(kSaveSetId);
    ASSERT_TRUE(AnswerFileDialog(kSaveTitle, name));
    ASSERT_TRUE(WaitForBox(saved, "Saved Successfully"));
    ASSERT_TRUE(creator.Flush());
    EXPECT_EQ(ReadBytes(name).size(), 26u);
    EXPECT_EQ(ProgramSettings().CharacterSet.Get(), name);
}

TEST_F(CreatorCommands, CancellingTheSaveDialogChangesNothing) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ProgramCreatorState().UnsavedCharacters = 1;
    creator.Post(kSaveSetId);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindTopLevelWindow("#32770", kSaveTitle)); }));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(creator.Flush());
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 1);
    EXPECT_EQ(ProgramSettings().CharacterSet.Get(), "Default.set");
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(CreatorCommands, ASaveThatCannotBeWrittenSaysSoAndChangesNothing) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ProgramCharacterSet().SetSlot(3, "7,8, 9,10");
    ProgramCreatorState().UnsavedCharacters = 1;
    const std::string held = dir_ / "held.set";
    WriteBytes(held, "old");
    ExclusiveHold hold(held);
    ASSERT_TRUE(hold.Held());

    for (const std::string& name : {held, dir_ / "no such folder\\x.set"}) {
        MessageBoxWatcher error("Error");
        MessageBoxWatcher saved("Saved Successfully");
        SaveSetNamed(name);
        ASSERT_EQ(error.Boxes().size(), 1u) << name;
        EXPECT_NE(error.Boxes()[0].texts.find(
                      "Error: I could not save your data set of mouse motion digits to " + name +
                      " -- the folder may be read-only, the disk full or the file in use."),
                  std::string::npos);
        EXPECT_EQ(error.Boxes()[0].owner, nullptr);
        EXPECT_TRUE(error.Boxes()[0].exStyle & WS_EX_TOPMOST);  // system-modal
        EXPECT_TRUE(saved.Boxes().empty());
        EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 1);
        EXPECT_EQ(ProgramSettings().CharacterSet.Get(), "Default.set");
        EXPECT_EQ(creator.OwnerSetBoxText(), "");
        EXPECT_EQ(SettingsFile(), "(none)");
    }
    EXPECT_EQ(ProgramCharacterSet().Slot(3), "7,8, 9,10");
}

TEST_F(CreatorCommands, LoadSetOfTheBuiltInSetReportsItsFiguresAndHighlightsItsSlots) {
    EnsureDefaultSetFileIn(dir_.Path(), GetModuleHandleA(nullptr));
    const std::string name = dir_ / "default.set";
    ASSERT_TRUE(FileExists(name));
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());

    MessageBoxWatcher loaded("Loaded Successfully");
    creator.Post(kLoadSetId);
    ASSERT_TRUE(AnswerFileDialog(kLoadTitle, name));
    ASSERT_TRUE(WaitForBox(loaded, "Loaded Successfully"));
    ASSERT_TRUE(creator.Flush());
    EXPECT_NE(loaded.Boxes()[0].texts.find("Number of data sets of mouse motion digits loaded is "
                                           "13 with 1049 individual coordinates"),
              std::string::npos);
    for (int s = 0; s < 13; ++s) {
        EXPECT_EQ(ControlFont(creator.Control(1600 + s)).weight, FW_BOLD) << s;
        EXPECT_EQ(ControlFont(creator.Control(1600 + s)).height, FontHeightFor(10)) << s;
    }
    EXPECT_EQ(creator.OwnerSetBoxText(), name);
    // The setting itself stays; the settings file is written with it.
    EXPECT_EQ(ProgramSettings().CharacterSet.Get(), "Default.set");
    EXPECT_NE(SettingsFile().find("CharacterSet: Default.set\r\n"), std::string::npos);
}

TEST_F(CreatorCommands, LoadSetMakesEmptySlotsPlainAndFilledOnesBold) {
    WriteBytes(dir_ / "two.set", "1,2, 3,4\r\n\r\n   \r\n5,6\r\n");
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ProgramCreatorState().UnsavedCharacters = 1;
    MessageBoxWatcher question("Warning", IDYES);
    MessageBoxWatcher loaded("Loaded Successfully");
    creator.Post(kLoadSetId);
    ASSERT_TRUE(AnswerFileDialog(kLoadTitle, dir_ / "two.set"));
    ASSERT_TRUE(WaitForBox(loaded, "Loaded Successfully"));
    ASSERT_TRUE(creator.Flush());
    ASSERT_EQ(question.Boxes().size(), 1u);
    EXPECT_NE(question.Boxes()[0].texts.find(
                  "You have unsaved characters. Would you like to load anyway and lose this work?"),
              std::string::npos);
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 0);
    for (int s = 0; s < 13; ++s)
        EXPECT_EQ(ControlFont(creator.Control(1600 + s)).weight, s == 0 || s == 3 ? FW_BOLD : FW_NORMAL)
            << s;
}

TEST_F(CreatorCommands, ALoadOfAFileThatCannotBeReadSaysSoAndKeepsTheSet) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ProgramCharacterSet().SetSlot(5, "11,12, 13,14");
    ProgramCreatorState().UnsavedCharacters = 1;
    MessageBoxWatcher error("Error");
    MessageBoxWatcher loaded("Loaded Successfully");
    for (const Unreadable why : {Unreadable::HeldOpen, Unreadable::TooLarge}) {
        SCOPED_TRACE(Describe(why));
        const std::string name = dir_ / (std::string(Describe(why)) + ".set");
        UnreadableFile unreadable(name, why);
        ASSERT_TRUE(unreadable.Ready());
        const std::size_t errorsBefore = error.Boxes().size();
        LoadSetNamed(" " + name);
        ASSERT_EQ(error.Boxes().size(), errorsBefore + 1);
        EXPECT_NE(error.Boxes().back().texts.find("Error: I could not read the file " + name +
                                                  " -- it may be in use by another program."),
                  std::string::npos);
        EXPECT_EQ(error.Boxes().back().owner, nullptr);
        EXPECT_TRUE(loaded.Boxes().empty());
        EXPECT_EQ(ProgramCharacterSet().Slot(5), "11,12, 13,14");
        EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 1);
        EXPECT_EQ(creator.OwnerSetBoxText(), "");
        EXPECT_EQ(SettingsFile(), "(none)");
    }

    // A name that is not a plain file ends the command without a word.
    LoadSetNamed(dir_ / "missing.set");
    LoadSetNamed(dir_.Path());
    EXPECT_EQ(error.Boxes().size(), 2u);
    EXPECT_TRUE(loaded.Boxes().empty());
}

TEST_F(CreatorCommands, NewSetAsksAboutUnsavedWorkAndNoKeepsEverything) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ProgramCharacterSet().SetSlot(1, "1,2, 3,4, 5,6");
    ProgramCharacterSet().SetSlot(9, "7,8");
    RefreshViewButtonFonts();
    ProgramCreatorState().UnsavedCharacters = 1;
    ProgramCreatorState().LastViewedSlot = 1;
    {
        MessageBoxWatcher no("Warning", IDNO);
        creator.Post(kNewSetId);
        ASSERT_TRUE(WaitForBox(no, "Warning"));
        ASSERT_TRUE(creator.Flush());
        EXPECT_NE(no.Boxes()[0].texts.find("You have unsaved characters. Would you like to start "
                                           "over and lose this work?"),
                  std::string::npos);
        EXPECT_TRUE(no.Boxes()[0].exStyle & WS_EX_TOPMOST);
    }
    EXPECT_EQ(ProgramCharacterSet().Slot(1), "1,2, 3,4, 5,6");
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 1);
    EXPECT_EQ(ControlFont(creator.Control(1601)).weight, FW_BOLD);
    {
        MessageBoxWatcher yes("Warning", IDYES);
        creator.Post(kNewSetId);
        ASSERT_TRUE(WaitForBox(yes, "Warning"));
        ASSERT_TRUE(creator.Flush());
    }
    for (int s = 0; s < 13; ++s) {
        EXPECT_EQ(ProgramCharacterSet().Slot(s), "") << s;
        EXPECT_EQ(ControlFont(creator.Control(1600 + s)).weight, FW_NORMAL) << s;
    }
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 0);
    EXPECT_EQ(ProgramCreatorState().LastViewedSlot, 1);
    // With nothing unsaved there is no question.
    ProgramCharacterSet().SetSlot(4, "1,1");
    MessageBoxWatcher none("Warning", IDNO);
    creator.Post(kNewSetId);
    ASSERT_TRUE(creator.Flush());
    EXPECT_TRUE(none.Boxes().empty());
    EXPECT_EQ(ProgramCharacterSet().Slot(4), "");
}

}  // namespace
